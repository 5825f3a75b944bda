#include <filesystem>

#include "features/holes/hole_tab_fixture.h"
#include "features/holes/tapped_hole_tab.h"

namespace bw::test {
namespace {

class TappedHoleTabTest : public HoleTabTest {};

// Rows of the shipped Tap.dat.
constexpr int kTenTwentyFour = 15;  // "#10-24 UNC (drill #25)": .19, .1495
constexpr int kHalfThirteen = 27;   // "1/2-13 UNC (drill 27/64)": .5, .421875
constexpr int kOneInchDepth = 10;   // "1"

TEST_F(TappedHoleTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    ExpectCaptions({{"Frame8", "Options"},
                    {"Option13", "Draw Side"},
                    {"Option14", "Draw Face"},
                    {"Check03", "Hidden"},
                    {"Frame9", "Direction"},
                    {"Option18", "Zero"},
                    {"Option17", "90"},
                    {"Option16", "180"},
                    {"Option15", "270"},
                    {"Frame10", "Tap Size"},
                    {"Frame11", "Depth"},
                    {"Command3", "OK"}});
    EXPECT_TRUE(Checked("Option13"));
    EXPECT_FALSE(Checked("Option14"));
    EXPECT_TRUE(Checked("Option18"));
    EXPECT_TRUE(Checked("Check03"));
    EXPECT_TRUE(Enabled("List5"));
    EXPECT_TRUE(Enabled("Command3"));
    const auto sizes = Entries("List4");
    ASSERT_EQ(sizes.size(), 39u);
    EXPECT_EQ(sizes[kTenTwentyFour], "#10-24 UNC (drill #25)");
    EXPECT_EQ(Entries("List5").size(), 15u);
    EXPECT_EQ(Window().SSTab1()->tabText(2).toStdString(), "Tapped Holes");
    EXPECT_EQ(Window().SSTab1()->widget(2), Window().findChild<TappedHoleTab*>());
}

TEST_F(TappedHoleTabTest, DrawFaceGreysTheDepthsAndDirections) {
    StartWithInfo();
    Click("Option16");
    Click("Option14");
    for (const char* name : {"List5", "Option15", "Option16", "Option17", "Option18"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Enabled("List4"));
    Click("Option13");
    for (const char* name : {"List5", "Option15", "Option16", "Option17", "Option18"}) {
        EXPECT_TRUE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Checked("Option16"));
}

TEST_F(TappedHoleTabTest, ViewOptionsBringTheTabForward) {
    StartWithInfo();
    EXPECT_EQ(TabAfterFocus("Option13"), 2);
    EXPECT_EQ(TabAfterFocus("Option14"), 2);
}

TEST_F(TappedHoleTabTest, FaceOkWritesTheFifteenDigitChamferAndMinimises) {
    StartWithInfo();
    Pick("List4", kTenTwentyFour);
    Click("Option14");
    Click("Command3");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "Circle 2,3 D .19\r\n"
              "Circle 2,3 D .252499997615814\r\n"
              "Circle 2,3 D .1495\r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(TappedHoleTabTest, InfoIsReadBeforeTheChecks) {
    StartThenLeaveInfo();
    Click("Command3");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Tap Size"});
    // The file was read (and deleted) although nothing was drawn; the next OK uses it.
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(InfoFileLeft());
    Pick("List4", kHalfThirteen);
    Click("Command3");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Depth"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_FALSE(Window().isMinimized());
    Pick("List5", kOneInchDepth);
    Click("Command3");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script().substr(0, 49), "Layer set HIDDEN \r\nLine 2,3.28125 2.03125,3.25 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
}

TEST_F(TappedHoleTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo();
    Pick("List4", kHalfThirteen);
    Pick("List5", kOneInchDepth);
    Click("Option17");
    Click("Check03");
    Click("Command3");
    ASSERT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(App().State().DirectionAngle, 90.0f);
    const cli::Result r = Cli({"tap", "major=.5", "drill=.421875", "depth=1", "dir=90", "hidden=0",
                               "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ws_.Script());
    // Hidden off: the side view starts on the current layer and ends without a layer line.
    EXPECT_EQ(r.out.substr(0, 45), "Layer set L1 \r\nLine 1.71875,3 1.75,3.03125 \r\n");
    EXPECT_EQ(r.out.substr(r.out.size() - 25), "Line 1.75,4 2,4.150215 \r\n");
}

TEST_F(TappedHoleTabTest, MissingTableDisablesOk) {
    std::filesystem::remove(ws_.ProgramFile("Tap.dat"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Tap Data File NOT Found", "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command3"));
    EXPECT_TRUE(Entries("List4").empty());
    EXPECT_TRUE(Entries("List5").empty());
}

TEST_F(TappedHoleTabTest, ShortTableKeepsWhatWasReadAndRefusesAnUnreadDiameter) {
    ws_.dir.Write("program/Tap.dat", "2\r\nA,.25,.201\r\nB,.3");
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Tap Data File Is Corrupt"});
    EXPECT_TRUE(Enabled("Command3"));
    EXPECT_EQ(Entries("List4"), (std::vector<std::string>{"A", "B"}));
    Pick("List4", 1);
    Click("Option14");
    Click("Command3");
    EXPECT_EQ(TakeMessages(), Messages{"Tap Diameter Must Be Greater Than Zero"});
    EXPECT_EQ(ws_.Script(), "<missing>");
}

TEST_F(TappedHoleTabTest, PreviewShowsWhatOkWouldWriteWithoutTouchingFiles) {
    StartWithInfo();
    auto* tab = Window().findChild<TappedHoleTab*>();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->Preview()->message, "You Must Select Tap Size");
    int changes = 0;
    QObject::connect(tab, &FeatureTab::InputsChanged, [&changes] { ++changes; });
    Pick("List4", kTenTwentyFour);
    Click("Option14");
    EXPECT_GE(changes, 2);
    EXPECT_EQ(tab->Preview()->script,
              "Layer set HIDDEN \r\nCircle 2,3 D .19\r\nCircle 2,3 D .252499997615814\r\n"
              "Circle 2,3 D .1495\r\nLayer set L1 \r\n");
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
}

}  // namespace
}  // namespace bw::test
