#include <QLineEdit>
#include <QListWidget>
#include <filesystem>

#include "features/profiles/keyway_tab.h"
#include "features/profiles/profile_tab_fixture.h"

namespace bw::test {
namespace {

class KeywayTabTest : public ProfileTabTest {};

TEST_F(KeywayTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame37", "Options"},   {"Check09", "Hidden"},
        {"Option39", "Hub"},      {"Option40", "Shaft"},
        {"Frame36", "Key Width"}, {"Frame40", "Shaft/Hub Diameter"},
        {"Frame38", "Key Width"}, {"Frame39", "Shaft/Hub Diameter"},
        {"Command15", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_EQ(FrameOf("List12"), "Key Width");
    EXPECT_EQ(FrameOf("List13"), "Shaft/Hub Diameter");
    EXPECT_EQ(FrameOf("Text11"), "Key Width");
    EXPECT_EQ(FrameOf("Text12"), "Shaft/Hub Diameter");
    EXPECT_TRUE(Checked("Option40"));
    EXPECT_FALSE(Checked("Option39"));
    EXPECT_FALSE(Checked("Check09"));
    EXPECT_EQ(Text("Text11"), "0.250");
    EXPECT_EQ(Text("Text12"), "1.000");
    EXPECT_EQ(Entries("List12").size(), 13u);
    EXPECT_EQ(Entries("List13").size(), 14u);
    ExpectFocusBringsForward("Option39", 10);
    ExpectFocusBringsForward("Option40", 10);
}

TEST_F(KeywayTabTest, PicksFillTheBoxes) {
    StartWithInfo();
    Pick("List12", 0);
    EXPECT_EQ(Text("Text11"), "0.09375");
    Pick("List13", 13);
    EXPECT_EQ(Text("Text12"), "6.500");
}

TEST_F(KeywayTabTest, HiddenHubSwitchesToTheCurrentLayerOnlyAndTheCommandLineAgrees) {
    StartWithInfo();
    Click("Option39");
    Click("Check09");
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{});
    // From (2,3): the chord ends at y = 3.5 - .01587708, the keyway rises .125 above it.
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\n"
              "Line 1.875,3.484123 1.875,3.609123 2.125,3.609123 2.125,3.484123  "
              "Layer set L1 \r\n"
              "ARC C 2,3 1.875,3.484123 2.125,3.484123 Layer set L1 \r\n");
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_FALSE(App().State().InsertionInfoRead);
    const cli::Result r =
        Cli({"keyway", "kind=hub", "hidden=1", "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.out, ws_.Script());
}

TEST_F(KeywayTabTest, AShaftKeyseatFromTheListsEndsWithTheCircle) {
    StartWithInfo();
    Pick("List12", 1);  // 1/8
    Pick("List13", 2);  // 9/16
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{});
    const cli::Result r = Cli(
        {"keyway", "key=0.125", "diameter=0.5625", "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_EQ(r.out.substr(r.out.size() - 21), "  Circle 2,3 .28125\r\n");
}

TEST_F(KeywayTabTest, ChecksInOrder) {
    StartWithInfo();
    Type("Text12", QString());
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Enter Shaft Diameter"});
    Type("Text12", QStringLiteral("0.75"));
    Type("Text11", QStringLiteral("0.26"));
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{"Ket Width Is Excessive"});
    Type("Text11", QString());
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Enter Key Width"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    Type("Text11", QStringLiteral("0.25"));
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_NE(ws_.Script(), "<missing>");
}

TEST_F(KeywayTabTest, TheInfoIsReadBeforeTheChecks) {
    ASSERT_TRUE(Start());
    Window().showNormal();
    TakeMessages();
    ws_.WriteInfo("A,4,5,1,1,[L4]");
    Type("Text11", QStringLiteral("0.5"));
    Click("Command15");
    EXPECT_EQ(TakeMessages(), Messages{"Ket Width Is Excessive"});
    EXPECT_FALSE(Exists(ws_.InfoPath()));
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());
}

TEST_F(KeywayTabTest, AMissingTableLeavesOkEnabled) {
    std::filesystem::remove(ws_.ProgramFile("Keyway.dat"));
    ws_.WriteInfo("A,1,1,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Keyway Data File NOT Found"});
    EXPECT_TRUE(Entries("List12").empty());
    EXPECT_TRUE(Enabled("Command15"));
}

}  // namespace
}  // namespace bw::test
