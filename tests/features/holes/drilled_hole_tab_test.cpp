#include <QTest>
#include <filesystem>

#include "features/holes/drilled_hole_tab.h"
#include "features/holes/hole_tab_fixture.h"

namespace bw::test {
namespace {

class DrilledHoleTabTest : public HoleTabTest {};

constexpr int kQuarterInchScrew = 9;  // "1/4 (drill 17/64)" in Csink.dat: .265625, .531
constexpr int kNumberSeven = 70;      // "#7 (.201)" in Drill.dat
constexpr int kFiveSixtyFourths = 4;  // "5/64 (.078125)"

TEST_F(DrilledHoleTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    ExpectCaptions({{"Frame60", "Screw Size"},
                    {"Frame59", "Dimensions"},
                    {"Frame58", "Drill Diameter"},
                    {"Frame57", "Countersink Diameter"},
                    {"Frame56", "Drill Depth"},
                    {"Frame55", "Angle"},
                    {"Option65", "100"},
                    {"Option66", "82"},
                    {"Frame54", "Direction"},
                    {"Option61", "Zero"},
                    {"Option62", "90"},
                    {"Option63", "180"},
                    {"Option64", "270"},
                    {"Frame53", "Options"},
                    {"Check13", "Countersunk"},
                    {"Check14", "Hidden"},
                    {"Option59", "Draw Side"},
                    {"Option60", "Draw Face"},
                    {"Command20", "OK"}});
    EXPECT_TRUE(Checked("Option59"));
    EXPECT_TRUE(Checked("Option61"));
    EXPECT_TRUE(Checked("Option66"));
    EXPECT_FALSE(Checked("Check13"));
    EXPECT_TRUE(Checked("Check14"));
    EXPECT_EQ(Text("Text15"), "0.5625");
    EXPECT_FALSE(Enabled("Text15"));
    EXPECT_EQ(Text("Text16"), "0.500");
    EXPECT_EQ(Text("Text17"), "1.000");
    EXPECT_EQ(Entries("List17").size(), 170u);
    EXPECT_EQ(Entries("List17")[kNumberSeven], "#7 (.201)");
    EXPECT_EQ(Entries("List18")[kQuarterInchScrew], "1/4 (drill 17/64)");
    EXPECT_EQ(Window().SSTab1()->widget(14), Window().findChild<DrilledHoleTab*>());
}

TEST_F(DrilledHoleTabTest, CountersunkEnablesTheCountersinkAndViewsSwitchDirections) {
    StartWithInfo();
    Click("Check13");
    EXPECT_TRUE(Enabled("Text15"));
    Click("Check13");
    EXPECT_FALSE(Enabled("Text15"));
    Click("Option60");
    for (const char* name : {"Option61", "Option62", "Option63", "Option64"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    Click("Option59");
    EXPECT_TRUE(Enabled("Option64"));
    EXPECT_EQ(TabAfterFocus("Option59"), 14);
    EXPECT_EQ(TabAfterFocus("Option60"), 14);
}

TEST_F(DrilledHoleTabTest, BoxesTakeOnlyDigitsAndTidyTheirNumberWhenLeft) {
    StartWithInfo();
    auto* box = Find<QLineEdit>("Text17");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "1a.5-2");
    EXPECT_EQ(Text("Text17"), "1.52");
    Type("Text17", ".75");
    EXPECT_EQ(Text("Text17"), "0.750");
    Type("Text16", "");
    EXPECT_EQ(Text("Text16"), "");
}

TEST_F(DrilledHoleTabTest, AScrewSizeFillsBothDiametersAndTicksCountersunk) {
    StartWithInfo();
    Click("Option65");
    Pick("List18", kQuarterInchScrew);
    EXPECT_EQ(Text("Text15"), "0.531");
    EXPECT_EQ(Text("Text16"), "0.265625");
    EXPECT_TRUE(Checked("Option66"));
    EXPECT_TRUE(Checked("Check13"));
    EXPECT_TRUE(Enabled("Text15"));
}

TEST_F(DrilledHoleTabTest, DoubleClickCopiesTheSelectedDimension) {
    StartWithInfo();
    auto* tab = Window().findChild<DrilledHoleTab*>();
    // Nothing selected: the field keeps its text.
    QTest::mouseDClick(Find<QLineEdit>("Text17"), Qt::LeftButton);
    EXPECT_EQ(Text("Text17"), "1.000");
    Pick("List17", kNumberSeven);
    QTest::mouseDClick(Find<QLineEdit>("Text16"), Qt::LeftButton);
    EXPECT_EQ(Text("Text16"), "0.201");
    // The countersink field is disabled until "Countersunk" is ticked.
    tab->Text15_DblClick();
    EXPECT_EQ(Text("Text15"), "0.5625");
    Click("Check13");
    Pick("List17", kFiveSixtyFourths);
    QTest::mouseDClick(Find<QLineEdit>("Text15"), Qt::LeftButton);
    EXPECT_EQ(Text("Text15"), "0.078125");
    tab->Text17_DblClick();
    EXPECT_EQ(Text("Text17"), "0.078125");
}

TEST_F(DrilledHoleTabTest, StartUpValuesDrawAtTheInfoPoint) {
    StartWithInfo();
    Click("Command20");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "Line 2,3.25 3,3.25 \r\n"
              "Line 3,3.25 3.150215,3 \r\n"
              "Line 3.150215,3 3,2.75 \r\n"
              "Line 3,2.75 2,2.75 \r\n"
              "Line 3,3.25 3,2.75 \r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(DrilledHoleTabTest, InfoIsReadOnlyAfterTheChecksPass) {
    StartThenLeaveInfo();
    Type("Text17", "");
    Click("Command20");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Supply Drill Depth"});
    EXPECT_TRUE(InfoFileLeft()) << "a failed check must not consume the info file";
    EXPECT_FALSE(App().State().InsertionInfoRead);
    Click("Check13");
    Type("Text15", ".25");
    Type("Text17", "1");
    Click("Command20");
    EXPECT_EQ(TakeMessages(), Messages{"Drill Diameter Is Larger Than Countersink Diameter"});
    EXPECT_TRUE(InfoFileLeft());
    EXPECT_EQ(ws_.Script(), "<missing>");
    Type("Text15", ".5");
    Click("Option60");
    Click("Command20");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_FALSE(InfoFileLeft());
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\nCircle 2,3 D .5\r\nCircle 2,3 D .5\r\nLayer set L1 \r\n");
}

TEST_F(DrilledHoleTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo();
    Pick("List18", kQuarterInchScrew);
    Click("Option64");
    Click("Check14");
    Click("Command20");
    ASSERT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(App().State().DirectionAngle, 270.0f);
    const cli::Result r =
        Cli({"drill", "drill=0.265625", "csink=0.531", "depth=1.000", "countersunk=1", "angle=82",
             "dir=270", "hidden=0", "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ws_.Script());
    // Nine lines: the layer and the countersunk outline's eight lines.
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 9);
    EXPECT_EQ(r.out.substr(0, 15), "Layer set L1 \r\n");
}

TEST_F(DrilledHoleTabTest, MissingTablesLeaveTheTabUsable) {
    std::filesystem::remove(ws_.ProgramFile("Drill.dat"));
    std::filesystem::remove(ws_.ProgramFile("Csink.dat"));
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Drill Data File NOT Found", "Countersink Data File NOT Found"}));
    EXPECT_TRUE(Enabled("Command20"));
    EXPECT_TRUE(Entries("List17").empty());
    EXPECT_TRUE(Entries("List18").empty());
    Window().showNormal();
    Click("Command20");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script().substr(0, 19), "Layer set HIDDEN \r\n");
}

TEST_F(DrilledHoleTabTest, ShortTablesReportCorrupt) {
    ws_.dir.Write("program/Drill.dat", "3\r\nA,.1\r\n");
    ws_.dir.Write("program/Csink.dat", "1\r\nB,.1");
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Drill Data File Is Corrupt", "Countersink Data File Is Corrupt"}));
    EXPECT_EQ(Entries("List17"), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Entries("List18"), (std::vector<std::string>{"B"}));
}

}  // namespace
}  // namespace bw::test
