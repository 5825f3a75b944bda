#include <gtest/gtest.h>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace bw::cli {
namespace {

Result RunArgs(std::vector<std::string> args) { return Run(args, BW_DATA_DIR); }

TEST(HolesCli, TapFaceWritesTheFifteenDigitChamfer) {
    const Result r = RunArgs(
        {"tap", "major=.19", "drill=.1495", "view=face", "layer=WALLS", "hidden-layer=HID"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Layer set HID \r\n"
              "Circle 1,1 D .19\r\n"
              "Circle 1,1 D .252499997615814\r\n"
              "Circle 1,1 D .1495\r\n"
              "Layer set WALLS \r\n");
    EXPECT_EQ(r.err, "");
}

TEST(HolesCli, TapSideHiddenOffAtTheOrigin) {
    const Result r = RunArgs({"tap", "major=.5", "drill=.4219", "depth=1", "base=0,0", "hidden=0"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Layer set 0 \r\n"
              "Line 0,.28125 .03125,.25 \r\n"
              "Line .03125,.25 .03125,-.25 \r\n"
              "Line .03125,-.25 0,-.28125 \r\n"
              "Line .03125,.25 1,.25 \r\n"
              "Line 1,.25 1,-.25 \r\n"
              "Line 1,-.25 .03125,-.25 \r\n"
              "Line .03125,.21095 1,.21095 \r\n"
              "Line .03125,-.21095 1,-.21095 \r\n"
              "Line 1,-.25 1.150215,0 \r\n"
              "Line 1,.25 1.150215,0 \r\n");
}

TEST(HolesCli, FailedChecksPrintTheMessageAndExitOne) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"tap", "depth=1"}, "You Must Select Tap Size\n"},
        {{"tap", "major=.25", "drill=.201"}, "You Must Select Depth\n"},
        {{"tap", "major=0", "drill=.201", "view=face"}, "Tap Diameter Must Be Greater Than Zero\n"},
        {{"cbore"}, "You Must Select Screw Size\n"},
        {{"thread", "length=.5"}, "You Must Select Thread Size\n"},
        {{"thread", "diameter=.25", "tpi=20"}, "You Must Select Depth\n"},
        {{"thread", "diameter=.25", "tpi=0", "length=1"},
         "Threads Per Unit Must Be Greater Than Zero\n"},
        {{"thread", "diameter=.25", "tpi=20", "length=.04"}, "Depth Is Shorter Than One Thread\n"},
        {{"thread", "diameter=.25", "tpi=32767", "length=2"}, "Thread Has More Than 32767 Turns\n"},
        {{"drill", "depth="}, "You Must Supply Drill Depth\n"},
        {{"drill", "countersunk=1", "csink=.25"},
         "Drill Diameter Is Larger Than Countersink Diameter\n"},
    };
    for (const Case& c : cases) {
        const Result r = RunArgs(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args[0] << " " << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message);
    }
}

TEST(HolesCli, MalformedValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"tap", "major=.25"},                                  // a size given in part
        {"cbore", "cbore=.4375"},                              // a size given in part
        {"thread", "diameter=.25", "tpi=twenty", "length=1"},  // not a number
        {"thread", "diameter=.25", "tpi=40000", "length=1"},   // no 16-bit count holds it
        {"thread", "diameter=.25", "tpi=20", "length=1", "left=2"},
        {"drill", "drill=1a"},  // the box takes no letter
        {"drill", "drill=-1"},
        {"drill", "angle=90"},
        {"tap", "pin=1"},  // another feature's name
    };
    for (const auto& args : cases) {
        const Result r = RunArgs(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find("usage"), std::string::npos) << args.back();
    }
}

TEST(HolesCli, CounterboreFaceWithHiddenByDefault) {
    const Result r = RunArgs({"cbore", "screw=.25", "cbore=.4375", "view=face"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Layer set 0 \r\n"
              "Circle 1,1 D .25\r\n"
              "Layer set 0 \r\n"
              "Circle 1,1 D .4375\r\n"
              "Layer set 0 \r\n");
}

TEST(HolesCli, ThreadAcceptsAndIgnoresAView) {
    const Result side = RunArgs({"thread", "diameter=.25", "tpi=20", "length=.05", "layer=L"});
    const Result face =
        RunArgs({"thread", "diameter=.25", "tpi=20", "length=.05", "layer=L", "view=face"});
    EXPECT_EQ(side.exitCode, 0) << side.err;
    EXPECT_EQ(side.out,
              "Layer set L \r\n"
              "line 1,1.125 1.025,.875 1,.9183013 \r\n"
              "line 1.025,.875 1.05,.9183013 \r\n"
              "line 1,1.125 1.025,1.081699 1.05,1.125 \r\n"
              "line 1.025,1.081699 1.05,.9183013 \r\n"
              "line 1.025,1.081699 1.05,.9183013 \r\n"
              "Layer set L \r\n");
    EXPECT_EQ(face.out, side.out);
}

TEST(HolesCli, ThreadsPerUnitAreReadAsTheTableReadsThem) {
    // 20.4 is rounded to the whole count 20, as Thread.dat's field would be.
    const Result r = RunArgs({"thread", "diameter=.25", "tpi=20.4", "length=.05"});
    const Result whole = RunArgs({"thread", "diameter=.25", "tpi=20", "length=.05"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, whole.out);
}

TEST(HolesCli, DrillTakesTheBoxTextsAsTyped) {
    const Result r = RunArgs({"drill", "drill=.5", "csink=1", "depth=1", "countersunk=1",
                              "hidden=0", "base=0,0", "angle=100"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 39), "Layer set 0 \r\nLine 0,.5 .2097749,.25 \r\n");
    const Result startUp = RunArgs({"drill", "base=0,0"});
    EXPECT_EQ(startUp.out,
              "Layer set 0 \r\n"
              "Line 0,.25 1,.25 \r\n"
              "Line 1,.25 1.150215,0 \r\n"
              "Line 1.150215,0 1,-.25 \r\n"
              "Line 1,-.25 0,-.25 \r\n"
              "Line 1,.25 1,-.25 \r\n"
              "Layer set 0 \r\n");
}

}  // namespace
}  // namespace bw::cli
