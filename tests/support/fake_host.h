// A host made of a few fields, so a tab can be built and driven alone: messages and written
// scripts are recorded, the insertion info is whatever the test sets.
#pragma once

#include <string>
#include <vector>

#include "ui/host.h"

namespace bw::test {

class FakeHost : public Host {
  public:
    explicit FakeHost(std::string programFolder) : folder(std::move(programFolder)) {}

    std::string ProgramFolder() const override { return folder; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    DrawContext CurrentDrawContext() const override { return context; }
    bool RunFeatureOk(InfoTiming timing, const FeatureStep& step) override {
        timings.push_back(timing);
        const StepOutcome outcome = step(context);
        if (outcome.Failed()) {
            messages.push_back(outcome.message);
            return false;
        }
        scripts.push_back(outcome.script);
        return true;
    }
    int DirectionAngle() const override { return direction; }
    void SetDirectionAngle(int degrees) override { direction = degrees; }
    void BringToFront(QWidget* page) override { front = page; }

    std::string folder;
    DrawContext context;
    std::vector<std::string> messages, scripts;
    std::vector<InfoTiming> timings;
    int direction = 0;
    QWidget* front = nullptr;
};

}  // namespace bw::test
