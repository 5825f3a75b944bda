// brasswick-script's slot, cam, keyway, shaft and centerdrill features and the check of their
// table files.
#include <gtest/gtest.h>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace bw::cli {
namespace {

Result RunArgs(const std::vector<std::string>& args, const std::string& folder = BW_DATA_DIR) {
    return Run(args, folder);
}

TEST(ProfilesCli, DefaultsAreTheTabsStartUpValues) {
    const Result slot = RunArgs({"slot"});
    EXPECT_EQ(slot.exitCode, 0);
    EXPECT_EQ(slot.out,
              "Layer set 0 \r\n"
              "ARC C 1,1 1,1.25 1,.75 ARC C 2,1 2,.75 2,1.25 Line 1,.75 2,.75  "
              "Line 1,1.25 2,1.25 \r\n");
    EXPECT_EQ(slot.err, "");
    EXPECT_EQ(RunArgs({"cam"}).out.substr(0, 56),
              "Layer set 0 \r\nARC C 1,1 1.0625,1.496078 1.0625,.5039216 ");
    EXPECT_EQ(RunArgs({"keyway"}).out,
              "Layer set 0 \r\n"
              "Line .875,1.484123 .875,1.359123 1.125,1.359123 1.125,1.484123  Circle 1,1 .5\r\n");
    EXPECT_EQ(RunArgs({"shaft"}).out, "Layer set 0 \r\nLine 1,1.5 1,.5 2,.5 2,1.5 1,1.5  ");
    // Nothing is selected in the drill size list.
    const Result drill = RunArgs({"centerdrill"});
    EXPECT_EQ(drill.exitCode, 1);
    EXPECT_EQ(drill.out, "");
    EXPECT_EQ(drill.err, "You Must Select Drill Size\n");
}

TEST(ProfilesCli, CommonNamesReachTheGenerators) {
    EXPECT_EQ(RunArgs({"slot", "base=0,0", "width=.25", "distance=1", "hidden=1", "layer=W",
                       "hidden-layer=H"})
                  .out,
              "Layer set H \r\n"
              "ARC C 0,0 -1.092785E-08,.25 -1.092785E-08,-.25 ARC C 1,0 1,-.25 1,.25 "
              "Line -1.092785E-08,-.25 1,-.25  Line -1.092785E-08,.25 1,.25 \r\n"
              "Layer set W \r\n");
    EXPECT_EQ(RunArgs({"keyway", "kind=hub"}).out,
              "Layer set 0 \r\n"
              "Line .875,1.484123 .875,1.609123 1.125,1.609123 1.125,1.484123  "
              "ARC C 1,1 .875,1.484123 1.125,1.484123 ");
    EXPECT_EQ(RunArgs({"shaft", "segments=1.000:1.000,0.500:2.000", "view=face", "base=0,0",
                       "hidden-layer=HID"})
                  .out,
              "Layer set 0 \r\nLayer set 0 \r\nCircle 0,0 D 1.000\r\n"
              "Layer set HID \r\nCircle 0,0 D 0.500\r\nLayer set 0 \r\n");
    // Hidden is ticked at start-up on the center drill tab.
    EXPECT_EQ(
        RunArgs({"centerdrill", "d1=.25", "d2=.0625", "l=.0625", "view=face", "hidden-layer=HID"})
            .out,
        "Layer set HID \r\nCircle 1,1 D 0.25\r\nCircle 1,1 D 0.0625\r\nLayer set 0 \r\n");
    EXPECT_EQ(RunArgs({"centerdrill", "type=bell", "b1=.5", "b2=.125", "b3=.3125", "view=face",
                       "hidden=0"})
                  .out,
              "Layer set 0 \r\nCircle 1,1 D 0.5\r\nCircle 1,1 D 0.3125\r\nCircle 1,1 D 0.125\r\n");
}

TEST(ProfilesCli, RefusedInputsPrintTheMessageAndExitOne) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"slot", "width="}, "You Must Enter Slot Width"},
        {{"slot", "distance=0.00000001"}, "You Must Enter Center Distance"},
        {{"cam", "r1=.5", "r2=.5", "distance=1"},
         "Center Distance Must Be Greater Than Sum Of Radi"},
        {{"keyway", "key=.26", "diameter=.75"}, "Ket Width Is Excessive"},
        {{"shaft", "segments=1:1,:,:"}, "Diameter Missing In Segment2"},
        {{"shaft", "segments=1:1,1:"}, "Length Missing In Segment2"},
        {{"centerdrill", "type=bell"}, "You Must Select Drill Size"},
        {{"centerdrill", "d1=.0625", "d2=.25", "l=.1"}, "Drill Size Data Is Invalid"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = RunArgs(args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_EQ(r.err, message + "\n") << args[0];
    }
}

TEST(ProfilesCli, MalformedValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"slot", "width=-1"},
        {"cam", "r1=1e2"},
        {"keyway", "kind=bore"},
        {"keyway", "key=1/4"},
        {"shaft", "segments=1"},
        {"shaft", "segments=1:2:3"},
        {"shaft", "segments=1:a"},
        {"shaft", "segments="},
        {"centerdrill", "d1=.25", "d2=.0625"},
        {"centerdrill", "type=bell", "d1=.25", "d2=.0625", "l=.1"},
        {"centerdrill", "b1=.5", "b2=.125", "b3=.3125"},
        {"centerdrill", "d1=x", "d2=.0625", "l=.1"},
        {"centerdrill", "type=round"},
    };
    for (const auto& args : cases) {
        const Result r = RunArgs(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err.rfind("brasswick-script: ", 0), 0u) << args.back();
    }
}

TEST(ProfilesCli, TheDirectionIsIgnoredByTheKeyway) {
    EXPECT_EQ(RunArgs({"keyway", "dir=90", "view=face"}).out, RunArgs({"keyway"}).out);
}

}  // namespace
}  // namespace bw::cli
