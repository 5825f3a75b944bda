// The insertion info the CAD side left last is the one a feature OK draws with, and the
// window says where that is before OK is pressed.
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <filesystem>

#include "app/single_instance.h"
#include "exchange/companion.h"
#include "support/window_fixture.h"

namespace bw::test {
namespace {

using NewestInfoTest = WindowTest;

std::string NextFeature(Main& window) { return window.NextFeature()->text().toStdString(); }

// The designer picks a second point after Brasswick read the first: the slot goes to the
// second, also when an OK in between failed its check.
TEST_F(NewestInfoTest, AFileLeftWhileInfoIsHeldIsReadAtTheNextOk) {
    for (const bool failFirst : {false, true}) {
        // Start-up replaces a companion naming other files.
        ws_.dir.Write("cad/Brasswick/Brasswick.lsp", "(setq bw:info-file \"elsewhere\")");
        StartWithInfo("DEMO,2,1,0,1,[FIRST]");
        EXPECT_NE(ReadFile(ws_.cad + "Brasswick/Brasswick.lsp").find(LispString(ws_.InfoPath())),
                  std::string::npos);
        EXPECT_EQ(NextFeature(Window()), "Next feature at 2,1 on layer FIRST, scale 1");
        ws_.WriteInfo("DEMO,5,5,0,1,[SECOND]");
        if (failFirst) Do("type Text6 0; click Command13; ! You Must Enter Slot Width");
        Do("type Text6 .25; click Command13");
        // Half-circles of radius .25 round 5,5 and 6,5, joined below and above.
        EXPECT_EQ(ws_.Script() + std::to_string(Exists(ws_.InfoPath())),
                  "Layer set SECOND \r\nARC C 5,5 5,5.25 5,4.75 ARC C 6,5 6,4.75 6,5.25 "
                  "Line 5,4.75 6,4.75  Line 5,5.25 6,5.25 \r\n0")
            << failFirst;
        EXPECT_EQ(TakeMessages(), Messages{});
        EXPECT_EQ(NextFeature(Window()),
                  "Next feature: no point from the CAD side yet (without "
                  "one: 1,1 on layer 0, scale 1)");
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
    for (const auto& [info, secondStart, shown] :
         {std::tuple{"A,5,5,0,1,[SECOND]", false, "5,5 on layer SECOND, scale 1"},
          {"", true, "5,5 on layer SECOND, scale 1"},
          {"A,-7,8.5,0,48,[THIRD]", true, "-7,8.5 on layer THIRD, scale 48"}}) {
        Window().showMinimized();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Window().isMinimized(); }, 2000));
        if (*info) ws_.WriteInfo(info);
        QProcess second;
        if (secondStart) second.start(QString::fromStdString(ws_.ProgramFile("brasswick")), {});
        // The window's own events go on meanwhile, as the running program's would.
        EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 15000));
        if (second.state() != QProcess::NotRunning) second.kill();
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Window().isMinimized(); }, 5000)) << shown;
        EXPECT_EQ(NextFeature(Window()) + std::to_string(Exists(ws_.InfoPath())),
                  std::string("Next feature at ") + shown + "0");
        EXPECT_EQ(TakeMessages(), Messages{});
    }
}

}  // namespace
}  // namespace bw::test
