#include "features/profiles/shaft_tab.h"

#include <algorithm>

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/behaviours.h"
#include "ui/controls.h"
#include "ui/frozen_column_table.h"
#include "ui/text.h"

namespace bw {

using namespace ui;

namespace {

// The grid's sizes are given in twips; a pixel is 15 twips on a 96 dots-per-inch screen.
constexpr int kTwipsPerPixel = 15;
constexpr int kLabelColumnTwips = 890;
constexpr int kSegmentsInSight = 5;

QString SegmentHeader(int i) { return QStringLiteral("Segment") + QString::number(i); }

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

ShaftTab::ShaftTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckShaft, ShaftScript) {
    auto* layout = new QGridLayout(this);

    text13_ = Box("Text13", this);
    QGroupBox* frame52 = FrameAround("Frame52", "Number of Segments", text13_, this);

    QGroupBox* frame49 = Frame("Frame49", "Shaft Dimensions", this);
    grid_ = new FrozenColumnTable(
        "MSFlexGrid1", 3, 2, [this](bool forward) { MoveOn(forward); }, frame49);
    // Segment columns wide enough for a header or a value in the display format.
    const QFontMetrics metrics = grid_->fontMetrics();
    grid_->horizontalHeader()->setDefaultSectionSize(
        std::max(metrics.horizontalAdvance(QStringLiteral("Segment00")),
                 metrics.horizontalAdvance(QStringLiteral("0000.000"))) +
        16);
    grid_->installEventFilter(this);
    label1_ = new QLabel(QStringLiteral("Value:"), frame49);
    label1_->setObjectName(QStringLiteral("Label1"));
    text14_ = Box("Text14", frame49);
    // Room for the longest value the display format writes.
    text14_->setMinimumWidth(
        text14_->fontMetrics().horizontalAdvance(QStringLiteral("00000.000000")) + 16);
    command18_ = Button("Command18", "Enter Value", frame49);
    auto* frame49Layout = new QVBoxLayout(frame49);
    frame49Layout->addWidget(grid_);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(label1_);
    valueRow->addWidget(text14_);
    valueRow->addWidget(command18_);
    frame49Layout->addLayout(valueRow);

    view_ = MakeViewOptions("Frame50", "Option53", "Option54", "Check12", this);
    direction_ =
        MakeDirectionFrame("Frame51", "Option55", "Option56", "Option57", "Option58", this);
    command19_ = AddOkButton("Command19");

    layout->addWidget(frame52, 0, 0);
    layout->addWidget(frame49, 1, 0, 2, 1);
    layout->addWidget(view_.frame, 0, 1, 2, 1);
    layout->addWidget(direction_.frame, 0, 2, 2, 1);
    layout->addWidget(command19_, 3, 2, Qt::AlignRight);

    MakeNumberBox(text13_, {CharSet::Integer, true, /*tidyOnLeave=*/false, true});
    MakeNumberBox(text14_, {CharSet::Decimal, true, /*tidyOnLeave=*/false, true});
    text13_->installEventFilter(this);
    text14_->installEventFilter(this);
    setTabOrder(text13_, grid_);
    setTabOrder(grid_, text14_);
    setTabOrder(text14_, command18_);
    WireView(view_, direction_);
    connect(grid_, &QTableWidget::itemChanged, this, &FeatureTab::InputsChanged);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { MSFlexGrid1_SelChange(); });
    connect(grid_, &QTableWidget::cellClicked, this, [this] { MSFlexGrid1_SelChange(); });
    connect(command18_, &QPushButton::clicked, this, [this] { Command18_Click(); });
    connect(command19_, &QPushButton::clicked, this, [this] { Command19_Click(); });

    // Start-up state.
    const ShaftInput defaults;
    ShowPlacement(defaults.placement, view_, direction_);
    text13_->setText(QString::number(defaults.segments.size()));
    text14_->setText(ToQt(defaults.segments[0].diameterText));
    SetCell(1, 0, QStringLiteral("Diameter"));
    SetCell(2, 0, QStringLiteral("Length"));
    SetCell(0, 0, QString());
    SetCell(0, 1, SegmentHeader(1));
    SetCell(1, 1, ToQt(defaults.segments[0].diameterText));
    SetCell(2, 1, ToQt(defaults.segments[0].lengthText));
    // 890 twips hold the labels in the small font such grids were drawn in; a larger
    // screen font widens the column so that "Diameter" is read whole.
    const int labelWidth = grid_->fontMetrics().horizontalAdvance(QStringLiteral("Diameter")) + 16;
    grid_->setColumnWidth(0, std::max(kLabelColumnTwips / kTwipsPerPixel, labelWidth));
    SetGridHeight(false);
}

bool ShaftTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::FocusIn) {
        // Coming in by the keyboard onto a header, the designer means the first value.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
            grid_->currentRow() <= 0 && grid_->columnCount() > 1) {
            grid_->setCurrentCell(1, 1);
        }
    }
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        // Enter in the grid goes on to the next cell and in the value box enters the value
        // and goes on; neither presses OK with values not yet entered.
        if (watched == grid_) {
            MoveOn(true);
            return true;
        }
        if (watched == text14_) {
            const bool last = grid_->currentRow() > 0 &&
                              NextCell(grid_->currentRow(), grid_->currentColumn()).second == 0;
            Command18_Click();
            if (last) command19_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    if (watched == text13_ && event->type() == QEvent::FocusOut) {
        // Only the focus moving to another control of the window counts; switching to
        // another program or opening a message box leaves the box where it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            Text13_LostFocus();
        }
    }
    return FeatureTab::eventFilter(watched, event);
}

void ShaftTab::SetCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = grid_->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        // The label column is fixed: it can be seen but not picked.
        // The headers can be picked; the values can also be typed into.
        Qt::ItemFlags flags = Qt::ItemIsEnabled;
        if (column > 0) flags |= Qt::ItemIsSelectable;
        if (column > 0 && row > 0) flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        grid_->setItem(row, column, item);
    }
    item->setText(text);
}

QString ShaftTab::CellText(int row, int column) const {
    const QTableWidgetItem* item = grid_->item(row, column);
    return item ? item->text() : QString();
}

void ShaftTab::SetGridHeight(bool scrollBar) {
    // The three rows whole, and below them room for the scroll bar when there is one, so
    // the bar never covers the "Length" row.
    grid_->setHorizontalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    int height = 2 * grid_->frameWidth();
    for (int row = 0; row < grid_->rowCount(); ++row) height += grid_->rowHeight(row);
    if (scrollBar) height += grid_->horizontalScrollBar()->sizeHint().height();
    grid_->setFixedHeight(height);
    // Wide enough for the labels and five segments, a shaft of the usual steps seen whole;
    // more scroll.
    int width = 2 * grid_->frameWidth();
    for (int column = 0; column <= kSegmentsInSight; ++column) {
        width += column < grid_->columnCount() ? grid_->columnWidth(column)
                                               : grid_->horizontalHeader()->defaultSectionSize();
    }
    grid_->setMinimumWidth(width);
    grid_->PlaceFrozenColumn();
}

std::pair<int, int> ShaftTab::NextCell(int row, int column) const {
    const int last = grid_->columnCount() - 1;
    if (column <= 0 || column > last) return {0, 0};
    if (row <= 0) return {1, column};  // from a header, its segment's diameter
    if (row == 1) return {2, column};
    if (column < last) return {1, column + 1};
    return {0, 0};
}

std::pair<int, int> ShaftTab::PreviousCell(int row, int column) const {
    if (row <= 0 || column <= 0) return {0, 0};
    if (row == 2) return {1, column};
    if (column > 1) return {2, column - 1};
    return {0, 0};
}

void ShaftTab::MoveOn(bool forward) {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    const auto [nextRow, nextColumn] = forward ? NextCell(row, column) : PreviousCell(row, column);
    if (nextColumn > 0) {
        grid_->setCurrentCell(nextRow, nextColumn);
    } else if (forward) {
        // Past the last length the shaft is complete: OK is next.
        command19_->setFocus(Qt::TabFocusReason);
    } else {
        text13_->setFocus(Qt::BacktabFocusReason);
    }
}

void ShaftTab::Text13_LostFocus() {
    const double typed = LeadingNumber(FromQt(text13_->text()));
    if (typed == 0) return;
    if (typed > kMaxShaftSegments) {
        host_.ShowMessage(TooManySegmentsMessage());
        return;
    }
    const int n = static_cast<int>(typed);
    const int before = grid_->columnCount();
    // Columns taken away keep their cells aside, so that a count lowered and raised again
    // gives the designer's steps back; columns never filled start empty.
    if (static_cast<int>(setAside_.size()) < before - 1)
        setAside_.resize(static_cast<size_t>(before - 1));
    for (int i = n + 1; i < before; ++i) {
        setAside_[static_cast<size_t>(i - 1)] = {CellText(1, i), CellText(2, i)};
    }
    grid_->setColumnCount(n + 1);
    for (int i = before; i <= n; ++i) {
        const bool kept = i - 1 < static_cast<int>(setAside_.size());
        SetCell(1, i, kept ? setAside_[static_cast<size_t>(i - 1)].first : QString());
        SetCell(2, i, kept ? setAside_[static_cast<size_t>(i - 1)].second : QString());
    }
    for (int i = 1; i <= n; ++i) SetCell(0, i, SegmentHeader(i));
    SetGridHeight(grid_->columnCount() >= 4);
    grid_->setCurrentCell(0, n);
    emit InputsChanged();
}

void ShaftTab::MSFlexGrid1_SelChange() {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (row < 0 || column <= 0) return;
    const QString text = CellText(row, column);
    if (text.startsWith(QLatin1Char('S'))) return;
    text14_->setText(text);
    // Typing in the value box replaces the value it shows, as when the box is entered.
    if (text14_->hasFocus()) text14_->selectAll();
}

void ShaftTab::Command18_Click() {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (row < 0 || column <= 0) return;
    SetCell(row, column, TidiedNumberText(text14_->text()));
    // A value entered, the next cell is the one to fill; a header written stays current.
    if (row > 0) {
        const auto [nextRow, nextColumn] = NextCell(row, column);
        if (nextColumn > 0) grid_->setCurrentCell(nextRow, nextColumn);
    }
}

ShaftInput ShaftTab::Input() const {
    ShaftInput input;
    input.segments.clear();
    for (int i = 1; i < grid_->columnCount(); ++i) {
        input.segments.push_back({FromQt(CellText(1, i)), FromQt(CellText(2, i))});
    }
    input.placement = ShownPlacement(view_, direction_, host_.DirectionAngle());
    return input;
}

void ShaftTab::Command19_Click() {
    // The grid is checked before the insertion info is read, so a refused shaft leaves an
    // unread info file for the next OK.
    RunOk(InfoTiming::AfterChecks);
    const ShaftInput input = Input();
    // OK reads the grid cell by cell, and the current cell is left on the last one read
    // (the failing cell, or the last segment's diameter or length), so the next "Enter
    // Value" goes there. Moving it from here copies nothing into the value box.
    const QSignalBlocker quiet(grid_);
    const std::optional<ShaftRefusal> refusal = CheckShaftGrid(input);
    const auto [row, column] =
        refusal && refusal->stoppedAt
            ? *refusal->stoppedAt
            : std::pair{input.placement.view == View::Face ? 1 : 2, grid_->columnCount() - 1};
    if (column > 0) grid_->setCurrentCell(row, column);
}

}  // namespace bw
