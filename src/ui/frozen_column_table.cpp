#include "ui/frozen_column_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "ui/behaviours.h"

namespace bw::ui {

namespace {

// A cell is typed into like a spreadsheet cell: the editor takes what a number box takes,
// the cell keeps the value tidied, and Enter or Tab commits and goes on to the next cell
// (Shift+Tab back) instead of pressing OK or leaving the grid.
class CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(std::function<void(bool forward)> moveOn, QObject* parent)
        : QStyledItemDelegate(parent), moveOn_(std::move(moveOn)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        MakeNumberBox(editor, {CharSet::Decimal, /*enterMovesOn=*/false, /*tidyOnLeave=*/false,
                               /*selectAllOnFocus=*/false});
        return editor;
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, TidiedNumberText(static_cast<QLineEdit*>(editor)->text()));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool back = key == Qt::Key_Backtab;
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || back) {
                auto* editor = static_cast<QWidget*>(watched);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                moveOn_(!back);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

  private:
    std::function<void(bool)> moveOn_;
};

}  // namespace

FrozenColumnTable::FrozenColumnTable(const char* name, int rows, int columns,
                                     std::function<void(bool forward)> moveOn, QWidget* parent)
    : QTableWidget(rows, columns, parent), frozen_(new QTableView(this)) {
    setObjectName(QLatin1String(name));
    frozen_->setObjectName(QLatin1String(name) + QStringLiteral("Labels"));
    // Row 0 and column 0 are the grid's own headers, kept as cells as the program addresses
    // them; the table's header views are not used.
    // Rows as tall as the font needs, in both views.
    const int rowHeight = fontMetrics().height() + 8;
    for (QTableView* view : {static_cast<QTableView*>(this), frozen_}) {
        view->horizontalHeader()->hide();
        view->verticalHeader()->hide();
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
    }
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    // Tab leaves the grid; inside a cell, Enter and Tab go on to the next.
    setTabKeyNavigation(false);
    setItemDelegate(new CellDelegate(std::move(moveOn), this));
    setToolTip(NumberBoxTip(CharSet::Decimal));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row stays in sight (the grid is made as tall as its rows); only columns scroll.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    frozen_->setModel(model());
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setSelectionMode(QAbstractItemView::NoSelection);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    connect(model(), &QAbstractItemModel::columnsInserted, this, [this] { PlaceFrozenColumn(); });
    connect(model(), &QAbstractItemModel::columnsRemoved, this, [this] { PlaceFrozenColumn(); });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // A cell under the frozen column is scrolled out from under it.
        if (row < 0 || column <= 0 || !item(row, column)) return;
        const int hiddenBy = columnWidth(0) - visualItemRect(item(row, column)).left();
        if (hiddenBy > 0)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hiddenBy);
    });
}

void FrozenColumnTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    PlaceFrozenColumn();
}

void FrozenColumnTable::PlaceFrozenColumn() {
    for (int column = 1; column < columnCount(); ++column) frozen_->setColumnHidden(column, true);
    frozen_->setColumnHidden(0, false);
    frozen_->setColumnWidth(0, columnWidth(0));
    const QRect area = viewport()->geometry();
    frozen_->setGeometry(area.left(), area.top(), columnWidth(0), area.height());
    frozen_->raise();
}

}  // namespace bw::ui
