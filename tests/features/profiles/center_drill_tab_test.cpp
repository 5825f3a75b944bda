#include <QListWidget>
#include <filesystem>

#include "features/profiles/center_drill_tab.h"
#include "features/profiles/profile_tab_fixture.h"

namespace bw::test {
namespace {

class CenterDrillTabTest : public ProfileTabTest {};

TEST_F(CenterDrillTabTest, StartsWithPlainSelectedAndItsSizesListed) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame48", "Type"},       {"Option51", "Bell"},     {"Option52", "Plain"},
        {"Frame47", "Options"},    {"Check11", "Hidden"},    {"Option45", "Draw Side"},
        {"Option46", "Draw Face"}, {"Frame46", "Direction"}, {"Option47", "Zero"},
        {"Option48", "90"},        {"Option49", "180"},      {"Option50", "270"},
        {"Frame45", "Drill Size"}, {"Command17", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_EQ(FrameOf("List16"), "Drill Size");
    EXPECT_TRUE(Checked("Option52"));
    EXPECT_FALSE(Checked("Option51"));
    EXPECT_TRUE(Checked("Option45"));
    EXPECT_TRUE(Checked("Option47"));
    EXPECT_TRUE(Checked("Check11"));
    const std::vector<std::string> sizes = Entries("List16");
    ASSERT_EQ(sizes.size(), 10u);
    EXPECT_EQ(sizes[0], "#00       ");
    EXPECT_EQ(sizes[9], "#8        ");
    ExpectFocusBringsForward("Option45", 12);
    ExpectFocusBringsForward("Option46", 12);
}

TEST_F(CenterDrillTabTest, BellRefillsTheListAndForgetsThePick) {
    StartWithInfo();
    Pick("List16", 3);
    Click("Option51");
    const std::vector<std::string> sizes = Entries("List16");
    ASSERT_EQ(sizes.size(), 8u);
    EXPECT_EQ(sizes[0], "#11        ");
    Click("Command17");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Drill Size"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    Click("Option52");
    EXPECT_EQ(Entries("List16").size(), 10u);
}

TEST_F(CenterDrillTabTest, PlainSideViewOnTheHiddenLayerAgreesWithTheCommandLine) {
    StartWithInfo();
    Pick("List16", 6);  // #5: body 7/16, drill 3/16, length 3/16
    Click("Option50");
    Click("Command17");
    EXPECT_EQ(TakeMessages(), Messages{});
    const std::string script = ws_.Script();
    EXPECT_EQ(script.substr(0, 19), "Layer set HIDDEN \r\n");
    // h1 = .125 × cot 30 ≈ .2165064 below the surface at 270 degrees.
    const std::string firstLine = "Line 2.21875,3 2.09375,2.783494 \r\n";
    EXPECT_EQ(script.substr(19, firstLine.size()), firstLine);
    EXPECT_EQ(script.substr(script.size() - 15), "Layer set L1 \r\n");
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_EQ(App().State().DirectionAngle, 270.0f);
    EXPECT_EQ(Cli({"centerdrill", "d1=0.4375", "d2=0.1875", "l=0.1875", "dir=270", "base=2,3",
                   "layer=L1", "hidden-layer=HIDDEN"})
                  .out,
              script);
}

TEST_F(CenterDrillTabTest, BellFaceViewWritesThreePlainNumberCircles) {
    StartWithInfo();
    Click("Option51");
    Pick("List16", 5);  // #16: body 1/2, drill 3/16, bell .4
    Click("Option46");
    EXPECT_FALSE(Enabled("Option47"));
    Click("Check11");
    Click("Command17");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\nCircle 2,3 D 0.5\r\nCircle 2,3 D 0.4\r\n"
              "Circle 2,3 D 0.1875\r\n");
    EXPECT_EQ(Cli({"centerdrill", "type=bell", "b1=0.5", "b2=0.1875", "b3=0.4", "view=face",
                   "hidden=0", "base=2,3", "layer=L1", "hidden-layer=HIDDEN"})
                  .out,
              ws_.Script());
}

TEST_F(CenterDrillTabTest, TheInfoIsReadBeforeTheSizeIsChecked) {
    ASSERT_TRUE(Start());
    Window().showNormal();
    TakeMessages();
    ws_.WriteInfo("A,4,5,1,1,[L4]");
    Click("Command17");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Drill Size"});
    EXPECT_FALSE(Exists(ws_.InfoPath()));
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());
    Pick("List16", 0);
    Click("Option46");
    Click("Command17");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\nCircle 4,5 D 0.125\r\nCircle 4,5 D 0.025\r\n"
              "Layer set L4 \r\n");
}

TEST_F(CenterDrillTabTest, AMissingFileDisablesOkForBothTypes) {
    std::filesystem::remove(ws_.ProgramFile("002"));
    ws_.WriteInfo("A,1,1,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Bell Centerdrill File NOT Found"});
    EXPECT_FALSE(Enabled("Command17"));
    EXPECT_EQ(Entries("List16").size(), 10u);
    Find<QAbstractButton>("Option51")->click();
    EXPECT_TRUE(Entries("List16").empty());
}

TEST_F(CenterDrillTabTest, AnUndrawableRecordIsRefused) {
    ws_.dir.Write("program/001",
                  Padded("#X", 10) + LeSingle(0.0625f) + LeSingle(0.25f) + LeSingle(0.1f) + "tail");
    StartWithInfo();
    EXPECT_EQ(Entries("List16"), (std::vector<std::string>{"#X        "}));
    Pick("List16", 0);
    Click("Command17");
    EXPECT_EQ(TakeMessages(), Messages{"Drill Size Data Is Invalid"});
    EXPECT_EQ(ws_.Script(), "<missing>");
}

}  // namespace
}  // namespace bw::test
