// The base of every tab: it is given the shared context and may load its tables once at
// start-up, when the window calls LoadTables in the fixed order of the table files.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

namespace bw {

class AppContext;

// What the tab's OK would write for the current inputs, without touching any file: the
// script, or the message of the first input check that fails.
struct PreviewOutcome {
    std::string script;
    std::string message;  // non-empty when a check fails; `script` is then empty
};

class FeatureTab : public QWidget {
    Q_OBJECT
  public:
    explicit FeatureTab(AppContext& app, QWidget* parent = nullptr) : QWidget(parent), app_(app) {}
    // The tab's table loaders; called once by start-up.
    virtual void LoadTables() {}
    // The drawing the OK would write now, using the insertion info already read (or the
    // defaults); nothing for tabs that draw nothing.
    virtual std::optional<PreviewOutcome> Preview() const { return std::nullopt; }
    // The same drawing as a job the preview may run on another thread: the inputs are read
    // now, on the window's thread; the job only computes. A tab whose script is long to make
    // (a thread of thousands of turns) overrides this so the window stays responsive; by
    // default the script is made now.
    virtual std::function<std::optional<PreviewOutcome>()> PreviewJob() const {
        return [outcome = Preview()] { return outcome; };
    }

  signals:
    // Any input the drawing depends on has changed (a pick, an option, a box's text).
    void InputsChanged();

  protected:
    AppContext& app_;
};

}  // namespace bw
