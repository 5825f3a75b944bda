#include <QLineEdit>
#include <QListWidget>
#include <filesystem>

#include "features/profiles/cam_tab.h"
#include "features/profiles/profile_tab_fixture.h"
#include "features/profiles/slot_tab.h"

namespace bw::test {
namespace {

class SlotTabTest : public ProfileTabTest {};

TEST_F(SlotTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame24", "Options"},
        {"Check07", "Hidden"},
        {"Frame26", "Direction"},
        {"Option31", "Zero"},
        {"Option32", "90"},
        {"Option33", "180"},
        {"Option34", "270"},
        {"Frame27", "Center Distance"},
        {"Frame28", "Slot Width"},
        {"Frame29", "Slot Width"},
        {"Frame30", "Center Distance"},
        {"Command13", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_EQ(FrameOf("List10"), "Center Distance");
    EXPECT_EQ(FrameOf("List11"), "Slot Width");
    EXPECT_EQ(FrameOf("Text6"), "Slot Width");
    EXPECT_EQ(FrameOf("Text7"), "Center Distance");
    EXPECT_TRUE(Checked("Option31"));
    EXPECT_FALSE(Checked("Check07"));
    EXPECT_EQ(Text("Text6"), "0.250");
    EXPECT_EQ(Text("Text7"), "1.000");
    const std::vector<std::string> widths = Entries("List11");
    ASSERT_EQ(widths.size(), 11u);
    EXPECT_EQ(widths[2], "3/16");
    EXPECT_EQ(Entries("List10").size(), 11u);
    ExpectFocusBringsForward("Check07", 8);
}

TEST_F(SlotTabTest, PicksFillTheBoxesInTheDisplayFormat) {
    StartWithInfo();
    // Width records hold the end radius, half the nominal width of their label.
    Pick("List11", 2);
    EXPECT_EQ(Text("Text6"), "0.09375");
    Pick("List11", 1);
    EXPECT_EQ(Text("Text6"), "0.078125");
    Pick("List10", 7);
    EXPECT_EQ(Text("Text7"), "1.500");
    Pick("List10", 5);
    EXPECT_EQ(Text("Text7"), "1.000");
}

TEST_F(SlotTabTest, BoxesTakeOnlyNumbersAndTidyWhenLeft) {
    StartWithInfo();
    auto* text6 = Find<QLineEdit>("Text6");
    text6->clear();
    text6->insert(QStringLiteral("1a.5-2"));
    EXPECT_EQ(Text("Text6"), "1.52");
    Type("Text7", QStringLiteral(".75"));
    EXPECT_EQ(Text("Text7"), "0.750");
    Type("Text7", QString());
    EXPECT_EQ(Text("Text7"), "");
}

TEST_F(SlotTabTest, OkWritesTheHiddenSlotAndTheCommandLineAgrees) {
    StartWithInfo();
    Click("Check07");
    Click("Option32");
    Click("Command13");
    EXPECT_EQ(TakeMessages(), Messages{});
    // At 90 degrees from (2,3) the second centre lies at (2,4).
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "ARC C 2,3 1.75,3 2.25,3 ARC C 2,4 2.25,4 1.75,4 Line 2.25,3 2.25,4  "
              "Line 1.75,3 1.75,4 \r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_EQ(App().State().DirectionAngle, 90.0f);
    const cli::Result r = Cli({"slot", "width=0.250", "distance=1.000", "dir=90", "hidden=1",
                               "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ws_.Script());
}

TEST_F(SlotTabTest, ARefusedOkHasAlreadyReadTheInfoAndKeepsIt) {
    ASSERT_TRUE(Start());
    Window().showNormal();
    TakeMessages();
    ws_.WriteInfo("A,5,6,1,1,[L2]");
    Type("Text6", QString());
    Click("Command13");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Enter Slot Width"});
    EXPECT_FALSE(Exists(ws_.InfoPath())) << "read before the checks";
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_FALSE(Window().isMinimized());
    Type("Text6", QStringLiteral(".25"));
    Type("Text7", QStringLiteral("0.00000001"));
    Click("Command13");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Enter Center Distance"});
    Type("Text7", QStringLiteral("2"));
    Click("Command13");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script().substr(0, 27), "Layer set L2 \r\nARC C 5,6 5,");
}

TEST_F(SlotTabTest, AMissingTableLeavesTheListsEmptyAndOkEnabled) {
    std::filesystem::remove(ws_.ProgramFile("Slot.dat"));
    ws_.WriteInfo("A,1,1,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Slot Data File NOT Found"});
    EXPECT_TRUE(Entries("List10").empty());
    EXPECT_TRUE(Entries("List11").empty());
    Window().showNormal();
    Click("Command13");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set 0 \r\n"
              "ARC C 1,1 1,1.25 1,.75 ARC C 2,1 2,.75 2,1.25 Line 1,.75 2,.75  "
              "Line 1,1.25 2,1.25 \r\n");
}

TEST_F(SlotTabTest, AShortTableKeepsTheDistancesThatWereThere) {
    ws_.dir.Write("program/Slot.dat", "1\r\n\"1/4\",.25\r\n3\r\n\"1\",1\r\n\"2\",2\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Slot Data File Is Corrupt", "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_EQ(Entries("List10"), (std::vector<std::string>{"1", "2"}));
    Pick("List10", 1);
    EXPECT_EQ(Text("Text7"), "2.000");
}

TEST_F(SlotTabTest, PreviewWritesNothing) {
    StartWithInfo();
    auto* tab = Window().findChild<SlotTab*>();
    ASSERT_NE(tab, nullptr);
    Type("Text6", QStringLiteral("0"));
    EXPECT_EQ(tab->Preview()->message, "You Must Enter Slot Width");
    Type("Text6", QStringLiteral("0.25"));
    EXPECT_EQ(tab->Preview()->script.substr(0, 25), "Layer set L1 \r\nARC C 2,3 ");
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
}

class CamTabTest : public ProfileTabTest {};

TEST_F(CamTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame32", "Pick Point Radius"},
        {"Frame31", "Second Radius"},
        {"Frame35", "Center Distance"},
        {"Frame33", "Direction"},
        {"Option35", "Zero"},
        {"Option36", "90"},
        {"Option37", "180"},
        {"Option38", "270"},
        {"Frame34", "Options"},
        {"Check08", "Hidden"},
        {"Command14", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_EQ(FrameOf("Text8"), "Pick Point Radius");
    EXPECT_EQ(FrameOf("Text9"), "Second Radius");
    EXPECT_EQ(FrameOf("Text10"), "Center Distance");
    EXPECT_EQ(Text("Text8"), "0.500");
    EXPECT_EQ(Text("Text9"), "0.375");
    EXPECT_EQ(Text("Text10"), "1.000");
    EXPECT_TRUE(Checked("Option35"));
    EXPECT_FALSE(Checked("Check08"));
    ExpectFocusBringsForward("Check08", 9);
}

TEST_F(CamTabTest, OkWritesTheCamAndTheCommandLineAgrees) {
    StartWithInfo();
    Click("Option37");
    Click("Command14");
    EXPECT_EQ(TakeMessages(), Messages{});
    const std::string script = ws_.Script();
    EXPECT_EQ(script.substr(0, 26), "Layer set L1 \r\nARC C 2,3 1");
    EXPECT_NE(script.find(" ARC C 1,3 "), std::string::npos) << script;
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_FALSE(App().State().InsertionInfoRead);
    const cli::Result r = Cli({"cam", "dir=180", "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.out, script);
}

TEST_F(CamTabTest, TouchingCirclesAndMissingRadiiAreRefused) {
    StartWithInfo();
    Type("Text8", QStringLiteral("0.5"));
    Type("Text9", QStringLiteral("0.5"));
    Click("Command14");
    EXPECT_EQ(TakeMessages(), Messages{"Center Distance Must Be Greater Than Sum Of Radi"});
    Type("Text8", QString());
    Type("Text10", QString());
    Click("Command14");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Enter Radius"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
}

}  // namespace
}  // namespace bw::test
