#include <filesystem>

#include "features/holes/counterbore_tab.h"
#include "features/holes/hole_tab_fixture.h"

namespace bw::test {
namespace {

class CounterboreTabTest : public HoleTabTest {};

constexpr int kQuarterInch = 9;  // "1/4" in the shipped Cbore.dat: .25, .4375

TEST_F(CounterboreTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    ExpectCaptions({{"Frame12", "Screw Size"},
                    {"Frame13", "Direction"},
                    {"Option22", "Zero"},
                    {"Option21", "90"},
                    {"Option20", "180"},
                    {"Option19", "270"},
                    {"Frame14", "Options"},
                    {"Option23", "Draw Side"},
                    {"Option24", "Draw Face"},
                    {"Check04", "Hidden"},
                    {"Command4", "OK"}});
    EXPECT_TRUE(Checked("Option23"));
    EXPECT_TRUE(Checked("Option22"));
    EXPECT_TRUE(Checked("Check04"));
    const auto sizes = Entries("List6");
    ASSERT_EQ(sizes.size(), 18u);
    EXPECT_EQ(sizes[kQuarterInch], "1/4");
    EXPECT_EQ(Window().SSTab1()->widget(3), Window().findChild<CounterboreTab*>());
}

TEST_F(CounterboreTabTest, DrawFaceGreysTheDirectionsAndFocusBringsTheTabForward) {
    StartWithInfo();
    Click("Option24");
    for (const char* name : {"Option19", "Option20", "Option21", "Option22"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Enabled("List6"));
    Click("Option23");
    EXPECT_TRUE(Enabled("Option19"));
    EXPECT_EQ(TabAfterFocus("Option23"), 3);
    EXPECT_EQ(TabAfterFocus("Option24"), 3);
}

TEST_F(CounterboreTabTest, SideOkWithHiddenAtTheInfoPoint) {
    StartWithInfo();
    Pick("List6", kQuarterInch);
    Click("Command4");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "Line 2,3.21875 2.25,3.21875 \r\n"
              "Line 2.25,3.21875 2.25,2.78125 \r\n"
              "Line 2.25,2.78125 2,2.78125 \r\n"
              "Line 2.25,3.125 3,3.125 \r\n"
              "Line 2.25,2.875 3,2.875 \r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(CounterboreTabTest, InfoIsReadBeforeTheCheck) {
    StartThenLeaveInfo();
    Click("Command4");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Screw Size"});
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(InfoFileLeft());
    EXPECT_EQ(ws_.Script(), "<missing>");
    Pick("List6", kQuarterInch);
    Click("Option24");
    Click("Check04");
    Click("Command4");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(), "Layer set L1 \r\nCircle 2,3 D .25\r\nCircle 2,3 D .4375\r\n");
}

TEST_F(CounterboreTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo();
    Pick("List6", kQuarterInch);
    Click("Option19");
    Click("Command4");
    ASSERT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(App().State().DirectionAngle, 270.0f);
    const cli::Result r = Cli({"cbore", "screw=.25", "cbore=.4375", "dir=270", "base=2,3",
                               "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_EQ(r.out.substr(0, 49), "Layer set HIDDEN \r\nLine 2.21875,3 2.21875,2.75 \r\n");
}

TEST_F(CounterboreTabTest, MissingTableDisablesOk) {
    std::filesystem::remove(ws_.ProgramFile("Cbore.dat"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), (Messages{"Counterbore Data File NOT Found",
                                        "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_TRUE(Entries("List6").empty());
}

TEST_F(CounterboreTabTest, ShortTableReportsCorruptAndStaysUsable) {
    ws_.dir.Write("program/Cbore.dat", "3\r\nA,.25,.4375\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), (Messages{"Counterbore Data File Is Corrupt",
                                        "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_TRUE(Enabled("Command4"));
    EXPECT_EQ(Entries("List6"), (std::vector<std::string>{"A"}));
}

}  // namespace
}  // namespace bw::test
