// The window: fifteen tabs, Cancel and Quit below them, and the start-up sequence.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "app/app_context.h"

class QTabWidget;
class QPushButton;
class QHBoxLayout;

namespace bw {

class FeatureTab;
class SettingsTab;
class AboutTab;

class Main : public QWidget {
    Q_OBJECT
  public:
    // Builds the window with every tab in its start-up state. `programFolder` is where the
    // tables, the about text and the settings file lie.
    Main(Toolkit& toolkit, const std::string& programFolder, QWidget* parent = nullptr);
    ~Main() override;

    // The rest of start-up: load the tables, show the window, read the settings (or ask for
    // the folders), read the insertion info, minimise. False when the program must end.
    bool StartUp();

    void Command10_Click();  // Cancel: minimise only
    void Command11_Click();  // Quit: end at once, storing nothing

    AppContext& App() { return app_; }
    QTabWidget* SSTab1() const { return tabs_; }
    // The tab at `index` of SSTab1 (0 to 14).
    FeatureTab* Tab(int index) const;
    bool Ended() const { return ended_; }
    // The row that holds the tabs; a side pane can be added to it.
    QHBoxLayout* BodyLayout() const { return body_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    AppContext app_;
    QTabWidget* tabs_;
    QHBoxLayout* body_;
    std::vector<FeatureTab*> tabByIndex_;
    std::vector<FeatureTab*> loadOrder_;
    SettingsTab* settings_ = nullptr;
    bool ended_ = false;
};

}  // namespace bw
