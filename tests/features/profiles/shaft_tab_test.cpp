#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "features/profiles/profile_tab_fixture.h"
#include "features/profiles/shaft_tab.h"

namespace bw::test {
namespace {

class ShaftTabTest : public ProfileTabTest {
  protected:
    QTableWidget* Grid() { return Find<QTableWidget>("MSFlexGrid1"); }
    ShaftTab* Tab() { return Window().findChild<ShaftTab*>(); }
    std::string Cell(int row, int column) {
        const QTableWidgetItem* item = Grid()->item(row, column);
        return item ? item->text().toStdString() : "";
    }
    // Selects a cell, types the value and presses "Enter Value".
    void Enter(int row, int column, const QString& value) {
        Grid()->setCurrentCell(row, column);
        Type("Text14", value);
        Click("Command18");
    }
    void Segments(const QString& n) { Type("Text13", n); }
};

TEST_F(ShaftTabTest, StartsWithEveryControlCaptionedAndTheOneSegmentGrid) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame52", "Number of Segments"},
        {"Frame49", "Shaft Dimensions"},
        {"Command18", "Enter Value"},
        {"Frame50", "Options"},
        {"Option53", "Draw Side"},
        {"Option54", "Draw Face"},
        {"Check12", "Hidden"},
        {"Frame51", "Direction"},
        {"Option55", "Zero"},
        {"Option56", "90"},
        {"Option57", "180"},
        {"Option58", "270"},
        {"Command19", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("Value:"));
    EXPECT_EQ(FrameOf("Text13"), "Number of Segments");
    EXPECT_EQ(FrameOf("MSFlexGrid1"), "Shaft Dimensions");
    EXPECT_EQ(Text("Text13"), "1");
    EXPECT_EQ(Text("Text14"), "1.000");
    EXPECT_TRUE(Checked("Option53"));
    EXPECT_TRUE(Checked("Option55"));
    EXPECT_FALSE(Checked("Check12"));
    ASSERT_EQ(Grid()->rowCount(), 3);
    ASSERT_EQ(Grid()->columnCount(), 2);
    EXPECT_EQ(Cell(0, 0), "");
    EXPECT_EQ(Cell(1, 0), "Diameter");
    EXPECT_EQ(Cell(2, 0), "Length");
    EXPECT_EQ(Cell(0, 1), "Segment1");
    EXPECT_EQ(Cell(1, 1), "1.000");
    EXPECT_EQ(Cell(2, 1), "1.000");
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(Tab()->GridHeightTwips(), 780);
    // 890 twips in whole pixels at least, and room for the longest label.
    EXPECT_GE(Grid()->columnWidth(0) * 15, 885);
    EXPECT_GE(Grid()->columnWidth(0),
              Grid()->fontMetrics().horizontalAdvance(QStringLiteral("Diameter")));
    ExpectFocusBringsForward("Option53", 13);
    ExpectFocusBringsForward("Option54", 13);
}

TEST_F(ShaftTabTest, StartUpGridDrawsOneRectangleAndTheCommandLineAgrees) {
    StartWithInfo();
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(), "Layer set L1 \r\nLine 2,3.5 2,2.5 3,2.5 3,3.5 2,3.5  ");
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_EQ(Cli({"shaft", "base=2,3", "layer=L1", "hidden-layer=HIDDEN"}).out, ws_.Script());
}

TEST_F(ShaftTabTest, MoreSegmentsWidenTheGridWithEmptyColumnsThatOkReports) {
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    Window().showNormal();
    TakeMessages();
    ws_.WriteInfo("A,7,7,1,1,[L7]");
    Segments(QStringLiteral("3"));
    ASSERT_EQ(Grid()->columnCount(), 4);
    EXPECT_EQ(Cell(0, 2), "Segment2");
    EXPECT_EQ(Cell(0, 3), "Segment3");
    EXPECT_EQ(Cell(1, 1), "1.000");
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(Tab()->GridHeightTwips(), 1050);
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{"Diameter Missing In Segment2"});
    // The checks come before the info is read: the new info file is still there.
    EXPECT_TRUE(Exists(ws_.InfoPath()));
    EXPECT_EQ(ws_.Script(), "<missing>");

    // Back to two segments: no scroll bar, the first columns kept.
    Segments(QStringLiteral("2"));
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Tab()->GridHeightTwips(), 780);
    EXPECT_EQ(Cell(1, 1), "1.000");
}

TEST_F(ShaftTabTest, ZeroAnEmptyBoxOrTooManySegmentsLeaveTheGridAsItWas) {
    StartWithInfo();
    Segments(QStringLiteral("0"));
    EXPECT_EQ(Grid()->columnCount(), 2);
    Segments(QString());
    EXPECT_EQ(Grid()->columnCount(), 2);
    EXPECT_EQ(TakeMessages(), Messages{});
    Segments(QStringLiteral("51"));
    EXPECT_EQ(TakeMessages(), Messages{"Number Of Segments Can Not Exceed 50"});
    EXPECT_EQ(Grid()->columnCount(), 2);
    Segments(QStringLiteral("50"));
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(Grid()->columnCount(), 51);
    EXPECT_EQ(Cell(0, 50), "Segment50");
}

TEST_F(ShaftTabTest, TheSegmentBoxTakesDigitsOnly) {
    StartWithInfo();
    auto* box = Find<QLineEdit>("Text13");
    box->clear();
    box->insert(QStringLiteral("2.5"));
    EXPECT_EQ(Text("Text13"), "25");
}

TEST_F(ShaftTabTest, SelectingCellsFillsTheValueBoxExceptFromHeaders) {
    StartWithInfo();
    Segments(QStringLiteral("3"));
    Enter(1, 3, QStringLiteral(".75"));
    EXPECT_EQ(Cell(1, 3), "0.750");
    Type("Text14", QStringLiteral("9"));
    Grid()->setCurrentCell(0, 3);
    EXPECT_EQ(Text("Text14"), "9") << "a Segment header is not copied";
    Grid()->setCurrentCell(1, 3);
    EXPECT_EQ(Text("Text14"), "0.750");
    Grid()->setCurrentCell(2, 3);
    EXPECT_EQ(Text("Text14"), "") << "an empty cell empties the box";
}

TEST_F(ShaftTabTest, EnterValueRightAfterResizingWritesTheLastHeader) {
    StartWithInfo();
    Segments(QStringLiteral("2"));
    Type("Text14", QStringLiteral("1.5"));
    Click("Command18");
    EXPECT_EQ(Cell(0, 2), "1.500");
}

TEST_F(ShaftTabTest, TwoSegmentsAtNinetyAndInTheFaceViewAgreeWithTheCommandLine) {
    StartWithInfo("A,0,0,1,1,[0]");
    Segments(QStringLiteral("2"));
    Enter(1, 2, QStringLiteral("0.5"));
    Enter(2, 2, QStringLiteral("2"));
    Click("Option56");
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set 0 \r\n"
              "Line -.5,0 .5,0 .5,1 -.5,1 -.5,0  Line -.25,1 .25,1 .25,3 -.25,3 -.25,1  ");
    EXPECT_EQ(App().State().DirectionAngle, 90.0f);
    EXPECT_EQ(Cli({"shaft", "segments=1.000:1.000,0.500:2.000", "dir=90", "base=0,0",
                   "hidden-layer=HIDDEN"})
                  .out,
              ws_.Script());

    // The next OK finds no info file and draws at (1,1).
    Window().showNormal();
    Click("Option54");
    EXPECT_FALSE(Enabled("Option55"));
    Click("Check12");
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(),
              "Layer set 0 \r\nLayer set 0 \r\nCircle 1,1 D 1.000\r\n"
              "Layer set HIDDEN \r\nCircle 1,1 D 0.500\r\nLayer set 0 \r\n");
    EXPECT_EQ(Cli({"shaft", "segments=1.000:1.000,0.500:2.000", "view=face", "hidden=1",
                   "hidden-layer=HIDDEN"})
                  .out,
              ws_.Script());
}

TEST_F(ShaftTabTest, HiddenSideViewEndsWithTheSwitchBack) {
    StartWithInfo();
    Click("Check12");
    Click("Command19");
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\nLine 2,3.5 2,2.5 3,2.5 3,3.5 2,3.5  Layer set L1 \r\n");
}

}  // namespace
}  // namespace bw::test

namespace bw::test {
namespace {

class ShaftCurrentCellTest : public ShaftTabTest {};

TEST_F(ShaftCurrentCellTest, OkLeavesTheCurrentCellOnTheLastCellItRead) {
    StartWithInfo();
    Segments(QStringLiteral("3"));
    Enter(1, 2, QStringLiteral("0.5"));
    Type("Text14", QStringLiteral("7"));
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{"Diameter Missing In Segment3"});
    EXPECT_EQ(Grid()->currentRow(), 1);
    EXPECT_EQ(Grid()->currentColumn(), 3);
    EXPECT_EQ(Text("Text14"), "7") << "moving the cell copies nothing";
    Enter(1, 3, QStringLiteral("0.25"));
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{"Length Missing In Segment2"});
    EXPECT_EQ(Grid()->currentRow(), 2);
    EXPECT_EQ(Grid()->currentColumn(), 2);
    // "Enter Value" now fills the length the message named.
    Type("Text14", QStringLiteral("1"));
    Click("Command18");
    Enter(2, 3, QStringLiteral("1"));
    Click("Command19");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(Grid()->currentRow(), 2);
    EXPECT_EQ(Grid()->currentColumn(), 3);
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\nLine 2,3.5 2,2.5 3,2.5 3,3.5 2,3.5  "
              "Line 3,3.25 3,2.75 4,2.75 4,3.25 3,3.25  "
              "Line 4,3.125 4,2.875 5,2.875 5,3.125 4,3.125  ");
}

TEST_F(ShaftCurrentCellTest, LeavingTheSegmentBoxForAnotherProgramChangesNothing) {
    StartWithInfo();
    auto* box = Find<QLineEdit>("Text13");
    box->setText(QStringLiteral("60"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &away);
    EXPECT_EQ(TakeMessages(), Messages{});
    box->setText(QStringLiteral("4"));
    QApplication::sendEvent(box, &away);
    EXPECT_EQ(Grid()->columnCount(), 2);
}

}  // namespace
}  // namespace bw::test
