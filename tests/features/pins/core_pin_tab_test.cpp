#include <filesystem>

#include "features/pins/core_pin_tab.h"
#include "features/pins/pin_tab_fixture.h"

namespace bw::test {
namespace {

class CorePinTabTest : public PinTabTest {};

constexpr int kThreeSixteenths = 4;  // "3/16": pin .1875, head .375 by .1875

TEST_F(CorePinTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame5", "Options"},  {"Option07", "Draw Side"}, {"Option08", "Draw Face"},
        {"Check02", "Hidden"},  {"Frame6", "Direction"},   {"Option12", "Zero"},
        {"Option11", "90"},     {"Option10", "180"},       {"Option09", "270"},
        {"Frame7", "Pin Size"}, {"Command2", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_TRUE(Checked("Option07"));
    EXPECT_TRUE(Checked("Option12"));
    EXPECT_TRUE(Checked("Check02"));
    const std::vector<std::string> sizes = Entries("List3");
    ASSERT_EQ(sizes.size(), 14u);
    EXPECT_EQ(sizes[kThreeSixteenths], "3/16");
}

TEST_F(CorePinTabTest, DrawFaceGreysTheDirectionsAndTheViewOptionsBringTheTabForward) {
    StartWithInfo();
    Click("Option08");
    for (const char* name : {"Option09", "Option10", "Option11", "Option12"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Enabled("List3"));
    Click("Option07");
    EXPECT_TRUE(Enabled("Option09"));
    for (const char* name : {"Option07", "Option08"}) {
        Window().SSTab1()->setCurrentIndex(3);
        FocusIn(name);
        EXPECT_EQ(Window().SSTab1()->currentIndex(), 1) << name;
    }
}

TEST_F(CorePinTabTest, SideOkAt270DrawsThePinTowardsMinusY) {
    StartWithInfo();
    Pick("List3", kThreeSixteenths);
    Click("Option09");
    Click("Command2");
    EXPECT_EQ(TakeMessages(), Messages{});
    // Head .375 from y = 3 down to 2.8125, pin .1875 on to 3 - 4 × .1875 = 2.25.
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "Line 2.1875,3 2.1875,2.8125 \r\n"
              "Line 2.1875,2.8125 1.8125,2.8125 \r\n"
              "Line 1.8125,2.8125 1.8125,3 \r\n"
              "Line 2.09375,2.8125 2.09375,2.25 \r\n"
              "Line 1.90625,2.8125 1.90625,2.25 \r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_EQ(App().State().DirectionAngle, 270.0f);
}

TEST_F(CorePinTabTest, FaceOkWithoutHidden) {
    StartWithInfo();
    Pick("List3", kThreeSixteenths);
    Click("Option08");
    Click("Check02");
    Click("Command2");
    EXPECT_EQ(ws_.Script(), "Layer set L1 \r\nCircle 2,3 D .1875\r\nCircle 2,3 D .375\r\n");
}

TEST_F(CorePinTabTest, NoSizeKeepsTheInfoForTheNextOk) {
    StartWithInfo();
    Click("Command2");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());
    Pick("List3", kThreeSixteenths);
    Click("Option08");
    Click("Command2");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script().substr(0, 15), "Layer set L1 \r\n");
}

TEST_F(CorePinTabTest, MissingTableDisablesOk) {
    std::filesystem::remove(ws_.ProgramFile("Corepin.dat"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Core Data File NOT Found", "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command2"));
    EXPECT_TRUE(Entries("List3").empty());
}

TEST_F(CorePinTabTest, ShortTableKeepsTheLabelAndOkRefusesItsMissingHead) {
    ws_.dir.Write("program/Corepin.dat", "2\r\nA,.25,.375,.25\r\nB,.5\r\n");
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Core Data File Is Corrupt"});
    EXPECT_EQ(Entries("List3"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(Enabled("Command2"));
    Pick("List3", 1);
    Click("Command2");
    EXPECT_EQ(TakeMessages(), Messages{"Head Diameter Must Be Greater Than Zero"});
    EXPECT_EQ(ws_.Script(), "<missing>");
}

TEST_F(CorePinTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo();
    Pick("List3", kThreeSixteenths);
    Click("Option11");
    Click("Command2");
    ASSERT_EQ(TakeMessages(), Messages{});
    const cli::Result r = Cli({"corepin", "pin=.1875", "head=.375", "headlen=.1875", "dir=90",
                               "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_NE(r.out.find("Line 2.09375,3.1875 2.09375,3.75 \r\n"), std::string::npos);
}

}  // namespace
}  // namespace bw::test
