// The base of every tab: built from the host it talks to, it may load its tables once at
// start-up and gives the check-then-generate step for its inputs as they stand.
#pragma once

#include <QList>
#include <QWidget>
#include <optional>
#include <string>

#include "features/feature_step.h"
#include "ui/host.h"

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
    void SetOkButton(QPushButton* button) { ok_ = button; }
    // Why the tab cannot draw at all (a table file it needs is missing); empty otherwise.
    const std::string& Unavailable() const { return unavailable_; }

  signals:
    // Any input the drawing depends on has changed (a pick, an option, a box's text).
    void InputsChanged();

  protected:
    // These controls bring the tab's page to the front when they get the keyboard focus.
    void BringToFrontOnFocus(const QList<QWidget*>& controls);
    void keyPressEvent(QKeyEvent* event) override;
    // A table the tab cannot work without is missing: OK is disabled for good, and the
    // preview names the reason rather than a choice the user cannot make.
    void DisableOk(const std::string& why);

    Host& host_;

  private:
    QPushButton* ok_ = nullptr;
    std::string unavailable_;
};

}  // namespace bw
