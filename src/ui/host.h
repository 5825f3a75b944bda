// What a tab needs from the window it sits in, and nothing more: the program folder, the
// message boxes, the insertion info and settings it draws with, the frame every feature OK
// runs in, the direction of the last drawing, and a way to bring its page to the front. The
// window implements it; a test implements it with a few fields, so a tab can be built alone.
#pragma once

#include <string>

#include "features/feature.h"
#include "features/feature_step.h"

class QWidget;

namespace bw {

// Whether an OK reads the insertion info before its input checks or only after them.
enum class InfoTiming { BeforeChecks, AfterChecks };

class Host {
  public:
    virtual ~Host() = default;

    // The folder of the program, where the table files lie.
    virtual std::string ProgramFolder() const = 0;
    // A message box with only an OK button and the program's title.
    virtual void ShowMessage(const std::string& text) = 0;
    // The insertion info and settings a generator draws with.
    virtual DrawContext CurrentDrawContext() const = 0;
    // The frame of every feature OK: read the insertion info (before or after the checks),
    // run the step, write its script, clear the flag, minimise. A failed check shows its
    // message and writes nothing. Returns true when the script was written.
    virtual bool RunFeatureOk(InfoTiming timing, const FeatureStep& step) = 0;
    // The angle of the last drawing, which a tab without a selected direction keeps.
    virtual int DirectionAngle() const = 0;
    virtual void SetDirectionAngle(int degrees) = 0;
    // Makes `page` the page in front.
    virtual void BringToFront(QWidget* page) = 0;
};

}  // namespace bw
