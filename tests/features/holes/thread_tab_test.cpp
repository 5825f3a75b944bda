#include <QProgressBar>
#include <filesystem>

#include "features/holes/hole_tab_fixture.h"
#include "features/holes/thread_tab.h"

namespace bw::test {
namespace {

class ThreadTabTest : public HoleTabTest {};

// Rows of the shipped Thread.dat.
constexpr int kZeroEighty = 0;       // "#0-80 UNF": .06, 80 per inch
constexpr int kQuarterTwenty = 19;   // "1/4-20 UNC": .25, 20 per inch
constexpr int kHalfInchLength = 2;   // "1/2"
constexpr int kThreeInchLength = 9;  // "3"

size_t LineCount(const std::string& script) {
    size_t n = 0;
    for (size_t at = script.find("\r\n"); at != std::string::npos;
         at = script.find("\r\n", at + 2)) {
        ++n;
    }
    return n;
}

TEST_F(ThreadTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    ExpectCaptions({{"Frame17", "Options"},
                    {"Check05", "Left Hand"},
                    {"Check06", "Hidden"},
                    {"Frame18", "Direction"},
                    {"Option30", "Zero"},
                    {"Option29", "90"},
                    {"Option28", "180"},
                    {"Option27", "270"},
                    {"Frame19", "Thread Size"},
                    {"Frame20", "Depth"},
                    {"Command6", "OK"}});
    EXPECT_TRUE(Checked("Option30"));
    EXPECT_FALSE(Checked("Check05"));
    EXPECT_FALSE(Checked("Check06"));
    auto* bar = Find<QProgressBar>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(Entries("List8").size(), 39u);
    EXPECT_EQ(Entries("List8")[kQuarterTwenty], "1/4-20 UNC");
    EXPECT_EQ(Entries("List9").size(), 10u);
    EXPECT_EQ(TabAfterFocus("Check05"), 5);
    EXPECT_EQ(Window().SSTab1()->widget(5), Window().findChild<ThreadTab*>());
}

TEST_F(ThreadTabTest, OkWritesTenTurnsAndTheCommandLineMatches) {
    StartWithInfo("A,1,1,1,1,[L1]");
    Pick("List8", kQuarterTwenty);
    Pick("List9", kHalfInchLength);
    Click("Command6");
    EXPECT_EQ(TakeMessages(), Messages{});
    const std::string script = ws_.Script();
    EXPECT_EQ(LineCount(script), 43u);
    EXPECT_EQ(script.substr(0, 52),
              "Layer set L1 \r\n"
              "line 1,1.125 1.025,.875 1,.9183013 \r\n");
    EXPECT_EQ(script.substr(script.size() - 15), "Layer set L1 \r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
    const cli::Result r = Cli({"thread", "diameter=.25", "tpi=20", "length=.5", "base=1,1",
                               "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, script);
}

TEST_F(ThreadTabTest, LeftHandHiddenAtTwoSeventyMatchesTheCommandLine) {
    StartWithInfo();
    Pick("List8", kQuarterTwenty);
    Pick("List9", kHalfInchLength);
    Click("Check05");
    Click("Check06");
    Click("Option27");
    Click("Command6");
    ASSERT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(App().State().DirectionAngle, 270.0f);
    const cli::Result r =
        Cli({"thread", "diameter=.25", "tpi=20", "length=.5", "left=1", "hidden=1", "dir=270",
             "base=2,3", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_EQ(r.out.substr(0, 19), "Layer set HIDDEN \r\n");
}

TEST_F(ThreadTabTest, ProgressBarAdvancesWhileWritingAndIsHiddenAfterwards) {
    StartWithInfo();
    // OK is pressed on the tab in front, where the bar can be seen.
    Window().SSTab1()->setCurrentIndex(5);
    auto* bar = Find<QProgressBar>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    std::vector<int> values;
    std::vector<bool> shown;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) {
        values.push_back(v);
        shown.push_back(bar->isVisible());
    });
    int maximum = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] { maximum = bar->maximum(); });
    // The window gets to paint the bar while the turns are written.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } painted;
    bar->installEventFilter(&painted);

    // 80 per inch over 3 inches: 240 turns.
    Pick("List8", kZeroEighty);
    Pick("List9", kThreeInchLength);
    Click("Command6");
    ASSERT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(LineCount(ws_.Script()), 4u * 240u + 3u);

    ASSERT_GE(values.size(), 12u) << "the bar should move in many steps";
    EXPECT_EQ(values.back(), 0) << "set back to 0 when OK ends";
    EXPECT_EQ(values[values.size() - 2], 240) << "the last turn is shown";
    for (size_t i = 0; i + 1 < values.size(); ++i) {
        EXPECT_TRUE(shown[i]) << "value " << values[i] << " set while the bar was hidden";
        if (i > 0) {
            EXPECT_GT(values[i], values[i - 1]);
        }
    }
    EXPECT_LT(values.size(), 120u) << "the bar should not be set on every turn";
    EXPECT_EQ(maximum, 240);
    EXPECT_GE(painted.paints, 1);
    bar->removeEventFilter(&painted);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ThreadTabTest, FailedChecksLeaveTheBarAlone) {
    StartThenLeaveInfo();
    auto* bar = Find<QProgressBar>("ProgressBar1");
    int changes = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] { ++changes; });
    Click("Command6");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Thread Size"});
    EXPECT_TRUE(App().State().InsertionInfoRead) << "the info is read before the checks";
    EXPECT_FALSE(InfoFileLeft());
    Pick("List8", kQuarterTwenty);
    Click("Command6");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Depth"});
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(ws_.Script(), "<missing>");
}

TEST_F(ThreadTabTest, RowsWithoutAPitchOrAWholeTurnAreRefused) {
    ws_.dir.Write("program/Thread.dat", "2\r\nZ,.25,0\r\nF,.25,20\r\n2\r\nS,.04\r\nL,.5\r\n");
    ws_.WriteInfo("A,2,3,1,.5,[L1]");
    ASSERT_TRUE(Start());
    ASSERT_EQ(TakeMessages(), Messages{});
    Pick("List8", 0);
    Pick("List9", 1);
    Click("Command6");
    EXPECT_EQ(TakeMessages(), Messages{"Threads Per Unit Must Be Greater Than Zero"});
    Pick("List8", 1);
    Pick("List9", 0);
    Click("Command6");
    EXPECT_EQ(TakeMessages(), Messages{"Depth Is Shorter Than One Thread"});
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
}

TEST_F(ThreadTabTest, MissingTableDisablesOk) {
    std::filesystem::remove(ws_.ProgramFile("Thread.dat"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Thread Data File NOT Found", "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command6"));
    EXPECT_TRUE(Entries("List8").empty());
}

}  // namespace
}  // namespace bw::test
