#include <QListWidget>
#include <QSignalSpy>
#include <filesystem>
#include <functional>

#include "features/pins/ejector_tab.h"
#include "features/pins/pin_tab_fixture.h"

namespace bw::test {
namespace {

class EjectorTabTest : public PinTabTest {};

constexpr int kQuarterInchPin = 9;  // "1/4" in the shipped ejector.dat
constexpr int kEighthInchPin = 4;   // "1/8"
constexpr int kHalfInchDepth = 2;   // "1/2"

TEST_F(EjectorTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"frame1", "Options"},  {"Option01", "Draw Side"}, {"Option02", "Draw Face"},
        {"Check01", "Hidden"},  {"frame2", "Direction"},   {"Option06", "Zero"},
        {"Option05", "90"},     {"Option04", "180"},       {"Option03", "270"},
        {"frame3", "Pin Size"}, {"frame4", "Depth"},       {"Command1", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_TRUE(Checked("Option01"));
    EXPECT_FALSE(Checked("Option02"));
    EXPECT_TRUE(Checked("Option06"));
    EXPECT_TRUE(Checked("Check01"));
    EXPECT_TRUE(Enabled("List2"));
    EXPECT_TRUE(Enabled("Option03"));
    EXPECT_TRUE(Enabled("Command1"));
    const std::vector<std::string> pins = Entries("List1");
    ASSERT_EQ(pins.size(), 22u);
    EXPECT_EQ(pins[kQuarterInchPin], "1/4");
    EXPECT_EQ(Entries("List2").size(), 11u);
    EXPECT_EQ(Find<QListWidget>("List1")->selectedItems().size(), 0);
}

TEST_F(EjectorTabTest, DrawFaceGreysTheDepthsAndDirectionsAndDrawSideBringsThemBack) {
    StartWithInfo();
    Click("Option05");
    Click("Option02");
    for (const char* name : {"List2", "Option03", "Option04", "Option05", "Option06"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Enabled("List1"));
    Click("Option01");
    for (const char* name : {"List2", "Option03", "Option04", "Option05", "Option06"}) {
        EXPECT_TRUE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Checked("Option05")) << "the direction chosen before stays";
}

TEST_F(EjectorTabTest, FocusOnTheListOrTheViewOptionsBringsTheTabForward) {
    StartWithInfo();
    for (const char* name : {"List1", "Option01", "Option02"}) {
        Window().SSTab1()->setCurrentIndex(5);
        FocusIn(name);
        EXPECT_EQ(Window().SSTab1()->currentIndex(), 0) << name;
    }
}

TEST_F(EjectorTabTest, FaceOkWithHiddenDrawsTheClearanceCircleOnTheHiddenLayer) {
    StartWithInfo();
    Pick("List1", kQuarterInchPin);
    Click("Option02");
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\n"
              "Circle 2,3 D .25\r\n"
              "Layer set HIDDEN \r\n"
              "Circle 2,3 D .265\r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(EjectorTabTest, SideOkAtNinetyWithoutHidden) {
    StartWithInfo();
    Pick("List1", kEighthInchPin);
    Pick("List2", kHalfInchDepth);
    Click("Option05");
    Click("Check01");
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{});
    // Dh = .125 + .015 = .14; the clearance bore runs from y = 3 to 3.5, the pin bore on to 4.
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\n"
              "Line 1.93,3 1.93,3.5 \r\n"
              "Line 1.93,3.5 2.07,3.5 \r\n"
              "Line 2.07,3.5 2.07,3 \r\n"
              "Line 1.9375,3.5 1.9375,4 \r\n"
              "Line 2.0625,3.5 2.0625,4 \r\n");
    EXPECT_EQ(App().State().DirectionAngle, 90.0f);
}

TEST_F(EjectorTabTest, FailedChecksKeepTheInfoForTheNextOk) {
    StartWithInfo();
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    Pick("List1", kQuarterInchPin);
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Depth"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());

    // The face view needs no depth, and still draws at the point read at start-up.
    Click("Option02");
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set L1 \r\nCircle 2,3 D .25\r\nLayer set HIDDEN \r\nCircle 2,3 D .265\r\n"
              "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);

    // The info was used up: the next OK falls back to the defaults.
    Window().showNormal();
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(),
              "Layer set 0 \r\nCircle 1,1 D .25\r\nLayer set HIDDEN \r\nCircle 1,1 D .265\r\n"
              "Layer set 0 \r\n");
}

TEST_F(EjectorTabTest, ARowWithAZeroDepthIsRefusedAtOk) {
    ws_.dir.Write("program/ejector.dat", "1\r\nA,.25\r\n2\r\nX,1\r\nY\r\n");
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Ejector Data File Is Corrupt"});
    EXPECT_EQ(Entries("List2"), (std::vector<std::string>{"X", "Y"}));
    Pick("List1", 0);
    Pick("List2", 1);
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{"Depth Must Be Greater Than Zero"});
    EXPECT_EQ(ws_.Script(), "<missing>");
}

TEST_F(EjectorTabTest, MissingTableDisablesOkAndShortTableKeepsWhatWasRead) {
    std::filesystem::remove(ws_.ProgramFile("ejector.dat"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), (Messages{"Ejector Data File NOT Found",
                                        "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command1"));
    EXPECT_TRUE(Entries("List1").empty());
    EXPECT_TRUE(Entries("List2").empty());
}

TEST_F(EjectorTabTest, ShortTableReportsCorruptAndStaysUsable) {
    ws_.dir.Write("program/ejector.dat", "3\r\nA,.1\r\nB,.2\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), (Messages{"Ejector Data File Is Corrupt",
                                        "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_TRUE(Enabled("Command1"));
    EXPECT_EQ(Entries("List1"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(Entries("List2").empty());
}

TEST_F(EjectorTabTest, EveryInputTheDrawingDependsOnReportsAChange) {
    StartWithInfo();
    auto* tab = Window().findChild<EjectorTab*>();
    ASSERT_NE(tab, nullptr);
    QSignalSpy changes(tab, &FeatureTab::InputsChanged);
    const std::function<void()> actions[] = {
        [&] { Pick("List1", 1); },  [&] { Pick("List2", 1); },  [&] { Click("Option02"); },
        [&] { Click("Option01"); }, [&] { Click("Option03"); }, [&] { Click("Check01"); },
    };
    for (const auto& action : actions) {
        const int before = changes.count();
        action();
        EXPECT_GT(changes.count(), before);
    }
}

TEST_F(EjectorTabTest, PreviewShowsWhatOkWouldWriteWithoutTouchingFiles) {
    StartWithInfo();
    auto* tab = Window().findChild<EjectorTab*>();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->Preview()->message, "You Must Select Pin Size");
    Pick("List1", kQuarterInchPin);
    Click("Option02");
    EXPECT_EQ(tab->Preview()->script,
              "Layer set L1 \r\nCircle 2,3 D .25\r\nLayer set HIDDEN \r\nCircle 2,3 D .265\r\n"
              "Layer set L1 \r\n");
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
}

TEST_F(EjectorTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo();
    Pick("List1", kEighthInchPin);
    Pick("List2", kHalfInchDepth);
    Click("Option04");
    Click("Command1");
    ASSERT_EQ(TakeMessages(), Messages{});
    const cli::Result r = Cli({"ejector", "pin=.125", "depth=.5", "dir=180", "base=2,3", "layer=L1",
                               "hidden-layer=HIDDEN", "clearance=.015"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_EQ(r.out.substr(0, 17), "Layer set HIDDEN ");
}

}  // namespace
}  // namespace bw::test
