// The base of every tab: built from the host it talks to, it may load its tables once at
// start-up and gives the check-then-generate step for its inputs as they stand.
#pragma once

#include <QList>
#include <QWidget>
#include <optional>
#include <string>

#include "features/feature_step.h"
#include "tables/table_load.h"
#include "ui/controls.h"
#include "ui/host.h"

class QListWidget;
class QPushButton;

namespace bw {

class FeatureTab : public QWidget {
    Q_OBJECT
  public:
    explicit FeatureTab(Host& host, QWidget* parent = nullptr) : QWidget(parent), host_(host) {}

    // The tab's table loaders; called once by start-up.
    virtual void LoadTables() {}
    // The step for the inputs as they stand now (read here, on the window's thread); nothing
    // for a tab that draws nothing. The step itself touches no widget, so the preview may
    // run it on its worker.
    virtual std::optional<FeatureStep> Step() const { return std::nullopt; }
    // The step run now with the insertion info already read (or the defaults).
    std::optional<StepOutcome> Preview() const;
    // The tab's OK button, which Enter on a list, an option or a check box presses.
    QPushButton* OkButton() const { return ok_; }
    // Why the tab cannot draw at all (a table file it needs is missing); empty otherwise.
    const std::string& Unavailable() const { return unavailable_; }

  signals:
    // Any input the drawing depends on has changed (a pick, an option, a box's text).
    void InputsChanged();

  protected:
    // Makes the tab's OK button.
    QPushButton* AddOkButton(const char* name);
    // The view options and directions of a tab that draws a side or a face: "Draw Face"
    // switches the directions (and `depthList`) off, the two views bring the page to the
    // front when they get the focus, and every change of them is reported.
    void WireView(const ui::ViewOptions& view, const ui::DirectionFrame& direction,
                  QListWidget* depthList = nullptr);
    // These controls bring the tab's page to the front when they get the keyboard focus.
    void BringToFrontOnFocus(const QList<QWidget*>& controls);
    void keyPressEvent(QKeyEvent* event) override;
    // A table the tab cannot work without is missing: OK is disabled for good, and the
    // preview names the reason rather than a choice the user cannot make.
    void DisableOk(const std::string& why);
    // A loaded table's message shown, if it has one; when the tab cannot work without the
    // table and its file is missing, OK is disabled first.
    void AdoptTable(const TableMessages& messages, const TableDiagnostic& diagnostic,
                    bool needed = true);

    Host& host_;

  private:
    QPushButton* ok_ = nullptr;
    std::string unavailable_;
};

// A tab drawing from inputs of type `In`: its step binds the inputs as they stand to the
// feature's check and generator, and its standard OK runs that step.
template <typename In>
class FeatureTabOf : public FeatureTab {
  public:
    using InputCheck = std::optional<std::string> (*)(const In&);
    using Generator = std::string (*)(const In&, const DrawContext&);

    // The inputs as the controls hold them.
    virtual In Input() const = 0;
    std::optional<FeatureStep> Step() const override {
        return BindStep(Input(), check_, generate_);
    }

  protected:
    FeatureTabOf(Host& host, QWidget* parent, InputCheck check, Generator generate)
        : FeatureTab(host, parent), check_(check), generate_(generate) {}

    // The standard OK, reading the insertion info at `timing`. The direction drawn is kept
    // for the tabs that draw without one of their own when `keepsDirection` says so of the
    // inputs, or, without it, when the inputs pass their checks.
    void RunOk(InfoTiming timing, bool (*keepsDirection)(const In&) = nullptr) {
        const In input = Input();
        if constexpr (requires(const In& i) { i.placement; }) {
            if (keepsDirection ? keepsDirection(input) : !check_(input))
                host_.SetDirectionAngle(Degrees(input.placement.direction));
        }
        host_.RunFeatureOk(timing, BindStep(input, check_, generate_));
    }

    // For a tab whose OK leaves the kept direction alone.
    static bool KeepsNoDirection(const In&) { return false; }

  private:
    InputCheck check_;
    Generator generate_;
};

}  // namespace bw
