// The "Threads" tab: thread sizes and lengths from Thread.dat, direction, left-hand and
// hidden options, the progress bar, and its OK.
#pragma once

#include "features/holes/thread.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

class QProgressBar;

namespace bw {

class ThreadTab : public FeatureTabOf<ThreadInput> {
    Q_OBJECT
  public:
    explicit ThreadTab(Host& host, QWidget* parent = nullptr);

    // Loads Thread.dat into List8, List9 and the table; a missing file disables Command6.
    void LoadTables() override;
    // A long thread takes a noticeable time to make, so the preview makes it on its worker
    // from the inputs read now.

    // OK: read the insertion info, check, write the thread turn by turn with the progress
    // bar showing, hide the bar, minimise.
    void Command6_Click();

    ThreadInput Input() const override;
    const ThreadTable& Table() const { return table_; }

  private:
    // Moves the bar to `turnsWritten` now and then and lets the window repaint, so a long
    // thread neither freezes the window nor spends its time repainting.
    void ShowProgress(int turnsWritten, int turns);

    QCheckBox* check05_;  // "Left Hand"
    QCheckBox* check06_;  // "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list8_;  // thread sizes
    QListWidget* list9_;  // lengths
    QProgressBar* progressBar1_;
    QPushButton* command6_;
    ThreadTable table_;
    qint64 lastRepaint_ = 0;
};

}  // namespace bw
