// The insertion info the CAD side left last is the one a feature OK draws with, and the
// window says where that is before OK is pressed.
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "app/single_instance.h"

#include "support/window_fixture.h"

namespace bw::test {
namespace {

using NewestInfoTest = WindowTest;

std::string NextFeature(Main& window) { return window.NextFeature()->text().toStdString(); }

// The designer picks a second point after Brasswick read the first: the slot goes to the
// second, also when an OK in between failed its check.
TEST_F(NewestInfoTest, AFileLeftWhileInfoIsHeldIsReadAtTheNextOk) {
    // Half-circles of radius .25 round 5,5 and 6,5, joined above and below.
    const std::string atSecond =
        "Layer set SECOND \r\nARC C 5,5 5,5.25 5,4.75 ARC C 6,5 6,4.75 6,5.25 "
        "Line 5,4.75 6,4.75  Line 5,5.25 6,5.25 \r\n";
    for (const bool failFirst : {false, true}) {
        SCOPED_TRACE(failFirst ? "after a failed check" : "straight");
        StartWithInfo("DEMO,2,1,0,1,[FIRST]");
        EXPECT_EQ(NextFeature(Window()), "Next feature at 2,1 on layer FIRST, scale 1");
        Window().SSTab1()->setCurrentIndex(8);
        ws_.WriteInfo("DEMO,5,5,0,1,[SECOND]");
        if (failFirst) {
            Do("type Text6 0; click Command13; ! You Must Enter Slot Width; type Text6 .25");
            EXPECT_EQ(NextFeature(Window()), "Next feature at 5,5 on layer SECOND, scale 1");
        }
        Click("Command13");
        EXPECT_EQ(TakeMessages(), Messages{});
        EXPECT_EQ(ws_.Script(), atSecond);
        EXPECT_FALSE(Exists(ws_.InfoPath()));
        EXPECT_EQ(NextFeature(Window()),
                  "Next feature: no point from the CAD side yet (without one: 1,1 on layer 0, "
                  "scale 1)");
    }
}

// The running window comes back restored: on a new info file by itself, on a second start
// (which hands over and ends at once), and on both, as when BWPLACE writes and starts.
TEST_F(NewestInfoTest, ANewPointOrASecondStartBringsTheRunningWindowBackShowingThePoint) {
    // The second start is the real program, run from the test's program folder.
    std::filesystem::copy_file(BW_PROGRAM, ws_.ProgramFile("brasswick"));
    StartWithInfo("DEMO,2,1,0,1,[FIRST]");
    SingleInstance first(ws_.program);
    ASSERT_TRUE(first.Acquire());
    QObject::connect(&first, &SingleInstance::HandOverRequested, &Window(), &Main::ComeForward);
    const struct {
        bool newPoint, secondStart;
        std::string shown;
    } rows[] = {{true, false, "Next feature at 5,5 on layer SECOND, scale 1"},
                {false, true, "Next feature at 5,5 on layer SECOND, scale 1"},
                {true, true, "Next feature at -7,8.5 on layer THIRD, scale 48"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.newPoint) + std::to_string(row.secondStart));
        Window().showMinimized();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Window().isMinimized(); }, 2000));
        if (row.newPoint) ws_.WriteInfo(row.secondStart ? "A,-7,8.5,0,48,[THIRD]" : "A,5,5,0,1,[SECOND]");
        if (row.secondStart) {
            QProcess second;
            second.start(QString::fromStdString(ws_.ProgramFile("brasswick")), {});
            EXPECT_TRUE(second.waitForFinished(15000)) << "the second start did not end";
            if (second.state() != QProcess::NotRunning) second.kill();
            EXPECT_EQ(second.exitCode(), 0);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Window().isMinimized(); }, 5000));
        EXPECT_EQ(NextFeature(Window()), row.shown);
        EXPECT_FALSE(Exists(ws_.InfoPath()));
        EXPECT_EQ(TakeMessages(), Messages{});
    }
}

}  // namespace
}  // namespace bw::test
