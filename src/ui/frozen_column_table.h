// A grid whose first column stays in place while the others scroll under it (every row is
// always in sight), and whose cells are typed into like a spreadsheet's.
#pragma once

#include <QTableWidget>
#include <functional>

class QTableView;

namespace bw::ui {

class FrozenColumnTable : public QTableWidget {
    Q_OBJECT
  public:
    // Named `name`, its frozen column `name` + "Labels". `moveOn` is told where Enter or
    // Tab in a cell's editor goes (forward, or back for Shift+Tab) once the cell took its text.
    FrozenColumnTable(const char* name, int rows, int columns,
                      std::function<void(bool forward)> moveOn, QWidget* parent);

    // Lays the frozen column over the grid's left edge again, after the grid's scroll bars
    // or columns changed.
    void PlaceFrozenColumn();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The first column drawn again by a view of the same cells, which does not scroll.
    QTableView* frozen_;
};

}  // namespace bw::ui
