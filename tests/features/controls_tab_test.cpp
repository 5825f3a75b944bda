// The controls that do more than pick and draw: lists that fill boxes or other lists, the
// taper pin's length records, the countersink boxes, the thread's progress bar, the shaft
// grid, and the typing rules of every number box.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

class ControlsTest : public WindowTest {
  protected:
    QTableWidget* Grid() { return Find<QTableWidget>("MSFlexGrid1"); }
    std::string Cell(int row, int column) {
        const QTableWidgetItem* item = Grid()->item(row, column);
        return item ? item->text().toStdString() : "";
    }
    std::pair<int, int> Current() { return {Grid()->currentRow(), Grid()->currentColumn()}; }
};

TEST_F(ControlsTest, PicksFillTheBoxesInTheDisplayFormat) {
    StartWithInfo();
    // Slot width records hold the end radius, half the nominal width of their label.
    const struct {
        const char* step;
        const char* box;
        const char* text;
    } rows[] = {
        {"pick List11 2", "Text6", "0.09375"}, {"pick List11 1", "Text6", "0.078125"},
        {"pick List10 7", "Text7", "1.500"},   {"pick List12 0", "Text11", "0.09375"},
        {"pick List13 13", "Text12", "6.500"}, {"click Option65", "Text16", "0.500"},
        {"pick List18 9", "Text15", "0.531"},  {"pick List18 9", "Text16", "0.265625"},
    };
    for (const auto& row : rows) {
        Do(row.step);
        EXPECT_EQ(Text(row.box), row.text) << row.step;
    }
    // A screw size also ticks "Countersunk" and goes back to 82 degrees.
    EXPECT_TRUE(Checked("Option66"));
    EXPECT_TRUE(Checked("Check13"));
    EXPECT_TRUE(Enabled("Text15"));
    Click("Check13");
    EXPECT_FALSE(Enabled("Text15"));
}

TEST_F(ControlsTest, DoubleClickingADrillBoxCopiesTheSelectedDimension) {
    StartWithInfo();
    // Nothing selected: the box keeps its text.
    QTest::mouseDClick(Find<QLineEdit>("Text17"), Qt::LeftButton);
    EXPECT_EQ(Text("Text17"), "1.000");
    Pick("List17", 70);  // "#7 (.201)"
    QTest::mouseDClick(Find<QLineEdit>("Text16"), Qt::LeftButton);
    EXPECT_EQ(Text("Text16"), "0.201");
    // The countersink box takes nothing while it is disabled.
    QTest::mouseDClick(Find<QLineEdit>("Text15"), Qt::LeftButton);
    EXPECT_EQ(Text("Text15"), "0.5625");
    Click("Check13");
    Pick("List17", 4);  // "5/64 (.078125)"
    QTest::mouseDClick(Find<QLineEdit>("Text15"), Qt::LeftButton);
    EXPECT_EQ(Text("Text15"), "0.078125");
}

TEST_F(ControlsTest, ATaperSizeListsItsLengthsByMouseOrKeyboard) {
    StartWithInfo();
    Pick("List14", 10);  // "No. 4": 1 to 4 inches
    std::vector<std::string> lengths = Entries("List15");
    ASSERT_EQ(lengths.size(), 11u);
    EXPECT_EQ(lengths[1], "1-1/4 ");
    EXPECT_EQ(lengths.back(), "4     ");
    auto* list = Find<QListWidget>("List14");
    list->setCurrentRow(10);
    QTest::keyClick(list, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(Entries("List15").size(), 13u) << "No. 5 runs from 1 to 5 inches";
    // Without the length file the lengths shown stay, but nothing more can be drawn.
    std::filesystem::remove(ws_.ProgramFile("003"));
    Pick("List14", 0);
    EXPECT_EQ(TakeMessages(), Messages{"Taper Pin Length File NOT Found"});
    EXPECT_EQ(Entries("List15").size(), 13u);
    EXPECT_FALSE(Enabled("Command16"));
}

TEST_F(ControlsTest, ATaperSizeWhoseRecordsLieOutsideTheLengthFileIsRefused) {
    ws_.dir.Write("program/000", Padded("Good", 12) + LeSingle(.25f) + Le16(1) + Le16(2) +
                                     Padded("Beyond", 12) + LeSingle(.25f) + Le16(2) + Le16(3) +
                                     Padded("Backwards", 12) + LeSingle(.25f) + Le16(2) + Le16(1) +
                                     Padded("Zero", 12) + LeSingle(.25f) + Le16(0) + Le16(1) +
                                     "12345");  // a short record at the end is no size
    ws_.dir.Write("program/003", Padded("1", 6) + LeSingle(1) + Padded("2", 6) + LeSingle(2));
    StartWithInfo();
    EXPECT_EQ(Entries("List14").size(), 4u);
    for (auto [row, name] : {std::pair{1, "Beyond"}, {2, "Backwards"}, {3, "Zero"}}) {
        Pick("List14", 0);
        EXPECT_EQ(Entries("List15"), (std::vector<std::string>{"1     ", "2     "}));
        Pick("List14", row);
        EXPECT_EQ(TakeMessages(),
                  Messages{std::string("Pin Size ") + name + " Has Invalid Length Records"});
        EXPECT_TRUE(Entries("List15").empty()) << name;
        EXPECT_TRUE(Enabled("Command16"));
    }
}

TEST_F(ControlsTest, WithoutTheBellFileTheBellListIsEmpty) {
    std::filesystem::remove(ws_.ProgramFile("002"));
    ws_.WriteInfo("A,1,1,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Bell Centerdrill File NOT Found"});
    EXPECT_EQ(Entries("List16").size(), 10u);
    Click("Option51");
    EXPECT_TRUE(Entries("List16").empty());
    Click("Option52");
    EXPECT_EQ(Entries("List16").size(), 10u);
}

TEST_F(ControlsTest, TheThreadBarMovesWhileTheTurnsAreWrittenAndHidesAfterwards) {
    StartWithInfo();
    Window().SSTab1()->setCurrentWidget(TabOf("Command6"));
    auto* bar = Find<QProgressBar>("ProgressBar1");
    EXPECT_FALSE(bar->isVisible());
    std::vector<int> values;
    std::vector<bool> shown;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) {
        values.push_back(v);
        shown.push_back(bar->isVisible());
    });
    // Failed checks leave the bar alone.
    Click("Command6");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Thread Size"});
    EXPECT_TRUE(values.empty());
    // 80 per inch over 3 inches: 240 turns.
    Pick("List8", 0);
    Pick("List9", 9);
    Click("Command6");
    ASSERT_EQ(TakeMessages(), Messages{});
    ASSERT_GE(values.size(), 12u) << "the bar should move in many steps";
    EXPECT_LT(values.size(), 120u) << "but not on every turn";
    EXPECT_EQ(values[values.size() - 2], 240) << "the last turn is shown";
    EXPECT_EQ(values.back(), 0) << "set back to 0 when OK ends";
    for (size_t i = 0; i + 1 < values.size(); ++i) {
        EXPECT_TRUE(shown[i]) << "value " << values[i] << " set while the bar was hidden";
        if (i > 0) {
            EXPECT_GT(values[i], values[i - 1]);
        }
    }
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(ControlsTest, TheShaftGridStartsWithOneSegmentAndFollowsTheNumberTyped) {
    StartWithInfo();
    const char* startUp[3][2] = {{"", "Segment1"}, {"Diameter", "1.000"}, {"Length", "1.000"}};
    ASSERT_EQ(Grid()->rowCount(), 3);
    ASSERT_EQ(Grid()->columnCount(), 2);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) EXPECT_EQ(Cell(r, c), startUp[r][c]) << r << "," << c;
    }
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("Value:"));
    // 890 twips at least, and room for the longest label.
    EXPECT_GE(Grid()->columnWidth(0) * 15, 885);
    // Zero, nothing, or more than fifty segments leave the grid as it is.
    for (const char* n : {"0", "", "51"}) Do(std::string("type Text13 ") + n);
    EXPECT_EQ(TakeMessages(), Messages{"Number Of Segments Can Not Exceed 50"});
    EXPECT_EQ(Grid()->columnCount(), 2);
    // Leaving the box for another program changes nothing either.
    auto* box = Find<QLineEdit>("Text13");
    box->setText(QStringLiteral("4"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &away);
    EXPECT_EQ(Grid()->columnCount(), 2);

    Do("type Text13 3");
    EXPECT_EQ(Grid()->columnCount(), 4);
    EXPECT_EQ(Cell(0, 3), "Segment3");
    EXPECT_EQ(Cell(1, 1), "1.000") << "a column that stays keeps its cells";
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // "Enter Value" right after the resize writes the last header, as the grid's current
    // cell is left there.
    Do("type Text14 1.5");
    Click("Command18");
    EXPECT_EQ(Cell(0, 3), "1.500");
    Do("type Text13 2");
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(ControlsTest, SelectingACellFillsTheValueBoxExceptFromAHeader) {
    StartWithInfo();
    Do("type Text13 3; cell 1 3 .75");
    EXPECT_EQ(Cell(1, 3), "0.750");
    Do("type Text14 9");
    Grid()->setCurrentCell(0, 3);
    EXPECT_EQ(Text("Text14"), "9") << "a Segment header is not copied";
    Grid()->setCurrentCell(1, 3);
    EXPECT_EQ(Text("Text14"), "0.750");
    Grid()->setCurrentCell(2, 3);
    EXPECT_EQ(Text("Text14"), "") << "an empty cell empties the box";
}

TEST_F(ControlsTest, ShaftOkLeavesTheCurrentCellOnTheLastCellItRead) {
    StartWithInfo();
    Do("type Text13 3; cell 1 2 0.5; type Text14 7");
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{"Diameter Missing In Segment3"});
    EXPECT_EQ(Current(), std::pair(1, 3));
    EXPECT_EQ(Text("Text14"), "7") << "moving the cell copies nothing";
    Do("cell 1 3 0.25");
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{"Length Missing In Segment2"});
    EXPECT_EQ(Current(), std::pair(2, 2));
    // "Enter Value" now fills the length the message named.
    Do("type Text14 1");
    Click("Command18");
    Do("cell 2 3 1");
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(Current(), std::pair(2, 3));
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\nLine 2,3.5 2,2.5 3,2.5 3,3.5 2,3.5  "
              "Line 3,3.25 3,2.75 4,2.75 4,3.25 3,3.25  "
              "Line 4,3.125 4,2.875 5,2.875 5,3.125 4,3.125  ");
}

TEST_F(ControlsTest, TheShaftLabelsAndBothRowsStayInSightForAnyNumberOfSegments) {
    StartWithInfo();
    for (const char* n : {"1", "2", "8", "50"}) {
        SCOPED_TRACE(n);
        Do(std::string("type Text13 ") + n);
        Window().SSTab1()->setCurrentWidget(TabOf("Command19"));
        QApplication::processEvents();
        QTableWidget* grid = Grid();
        auto* labels = Find<QTableView>("MSFlexGrid1Labels");
        const int rowsBottom = grid->rowViewportPosition(2) + grid->rowHeight(2);
        EXPECT_GE(grid->viewport()->height(), rowsBottom);
        QScrollBar* bar = grid->horizontalScrollBar();
        for (int scroll : {bar->minimum(), bar->maximum()}) {
            bar->setValue(scroll);
            EXPECT_TRUE(labels->isVisible());
            EXPECT_FALSE(labels->isColumnHidden(0));
            EXPECT_EQ(labels->geometry().topLeft(), grid->viewport()->geometry().topLeft());
            EXPECT_GE(labels->columnWidth(0),
                      grid->fontMetrics().horizontalAdvance(QStringLiteral("Diameter")));
            EXPECT_GE(labels->height(), rowsBottom);
        }
        // A picked segment is scrolled out from under the labels.
        grid->setCurrentCell(1, 1);
        EXPECT_GE(grid->visualItemRect(grid->item(1, 1)).left(), grid->columnWidth(0));
    }
    // The value box shows a whole value in the display format.
    auto* box = Find<QLineEdit>("Text14");
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(QStringLiteral("1234.500000")));
}

TEST_F(ControlsTest, EveryNumberBoxTakesOnlyItsCharactersAndTidiesWhenLeft) {
    StartWithInfo();
    // What typing 1a.5-2 leaves, and what leaving 1.23456789 leaves; the segment count takes
    // whole numbers and is not tidied, the shaft's value box keeps every digit.
    Click("Check13");  // Text15 takes input only when "Countersunk" is ticked
    for (int n = 6; n <= 17; ++n) {
        const std::string name = "Text" + std::to_string(n);
        const char* box = name.c_str();
        Find<QLineEdit>(box)->clear();
        Find<QLineEdit>(box)->insert(QStringLiteral("1a.5-2"));
        EXPECT_EQ(Text(box), n == 13 ? "152" : "1.52") << box;
        if (n == 13) continue;
        Type(box, QStringLiteral("1.23456789"));
        EXPECT_EQ(Text(box), n == 14 ? "1.23456789" : "1.234568") << box;
        Type(box, QString());
        EXPECT_EQ(Text(box), "") << box;
    }
}

TEST_F(ControlsTest, EnterInANumberBoxMovesOnAndEnteringABoxSelectsItsText) {
    StartWithInfo();
    Window().SSTab1()->setCurrentWidget(TabOf("Text9"));
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    auto* text9 = Find<QLineEdit>("Text9");
    text9->setFocus();
    ASSERT_TRUE(text9->hasFocus());
    EXPECT_EQ(text9->selectedText(), QStringLiteral("0.375"));
    QTest::keyClick(text9, Qt::Key_Return);
    EXPECT_EQ(Text("Text9"), "0.375");
    EXPECT_FALSE(text9->hasFocus());
    EXPECT_EQ(TakeMessages(), Messages{}) << "Enter in a box does not press OK";
}

}  // namespace
}  // namespace bw::test
