// The window: the page list beside the pages of SSTab1, the preview beside them, Cancel and
// Quit below, and the start-up sequence.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "app/app_context.h"

class QFileSystemWatcher;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QTabWidget;

namespace bw {

class FeatureTab;
class PreviewPane;
class SettingsTab;

class Main : public QWidget {
    Q_OBJECT
  public:
    // Builds the window with every page in its start-up state. `programFolder` is where the
    // tables, the about text and the settings file lie.
    Main(Toolkit& toolkit, const std::string& programFolder, QWidget* parent = nullptr);
    ~Main() override;

    // The rest of start-up: load the tables, show the window, read the settings (or ask for
    // the folders), read the insertion info, minimise. False when the program must end.
    bool StartUp();

    // Restored, in front and active, with an info file the CAD side has left read: a second
    // start handed over, or a new point arrived.
    void ComeForward();

    void Command10_Click();  // Cancel: minimise only
    void Command11_Click();  // Quit: end at once, storing nothing
    // "Save DXF...": the page in front's drawing, as its OK would draw it now, to a file.
    void CommandDxf_Click();

    AppContext& App() { return app_; }
    // The pages; its current index is the page in front.
    QTabWidget* SSTab1() const { return tabs_; }
    // Every page's caption, one click each.
    QListWidget* PageList() const { return pageList_; }
    // The tab on page `index` of SSTab1.
    FeatureTab* Tab(int index) const;
    bool Ended() const { return ended_; }
    // The row under the preview, for buttons that act on the drawing shown.
    QHBoxLayout* PreviewButtons() const { return previewButtons_; }
    // Where the next feature goes, shown before the designer presses OK.
    QLabel* NextFeature() const { return nextFeature_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The size, position and page of the last run, kept in the desktop's settings store
    // (organisation and application "Brasswick").
    // Fills the page list: the features, then About and Settings apart at the end.
    void ListPages();
    // The list row of the page of that index.
    int PageRow(int index) const;
    void RestoreLayout();
    void SaveLayout() const;

    AppContext app_;
    QListWidget* pageList_;
    QTabWidget* tabs_;
    QHBoxLayout* previewButtons_;
    QLabel* nextFeature_;
    PreviewPane* preview_;
    std::vector<FeatureTab*> tabByIndex_;
    SettingsTab* settings_ = nullptr;
    // The drawing folder, where the CAD side leaves the info file.
    QFileSystemWatcher* drawingFolder_;
    bool ended_ = false;
};

}  // namespace bw
