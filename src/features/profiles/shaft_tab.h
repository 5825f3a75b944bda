// The "Shafts" tab: the number of segments, the grid of their diameters and lengths filled
// through a value box, view, direction and hidden options, and its OK.
#pragma once

#include <utility>
#include <vector>

#include <QString>

#include "features/profiles/shaft.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

class QLabel;

namespace bw {

namespace ui {
class FrozenColumnTable;
}

class ShaftTab : public FeatureTabOf<ShaftInput> {
    Q_OBJECT
  public:
    explicit ShaftTab(Host& host, QWidget* parent = nullptr);

    // Resizes the grid to the number of segments typed; 0 or an empty box changes nothing,
    // and a number above the limit is refused with a message.
    void Text13_LostFocus();
    // A selected cell's text into Text14, unless it is a "Segment" header.
    void MSFlexGrid1_SelChange();
    // "Enter Value": Text14, tidied, into the current cell.
    void Command18_Click();
    // OK: check the grid, then read the insertion info, write the shaft, minimise.
    void Command19_Click();

    ShaftInput Input() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The cell after (or before) one in the order the values are typed: each segment's
    // diameter, then its length; column 0 past the last (or before the first).
    std::pair<int, int> NextCell(int row, int column) const;
    std::pair<int, int> PreviousCell(int row, int column) const;
    // The current cell moved on to the next (or previous) value; past the last, OK is next.
    void MoveOn(bool forward);
    void SetCell(int row, int column, const QString& text);
    QString CellText(int row, int column) const;
    // Fits the grid to its rows (and its scroll bar) and to the labels and two segments.
    void SetGridHeight(bool scrollBar);

    QLineEdit* text13_;            // number of segments
    ui::FrozenColumnTable* grid_;  // MSFlexGrid1, its label column frozen
    QLabel* label1_;
    QLineEdit* text14_;  // the value for the current cell
    QPushButton* command18_;
    ui::ViewOptions view_;  // "Draw Side", "Draw Face", "Hidden"
    ui::DirectionFrame direction_;
    QPushButton* command19_;
    // The cells of the segments a lowered count took away (diameter, length), by segment.
    std::vector<std::pair<QString, QString>> setAside_;
};

}  // namespace bw
