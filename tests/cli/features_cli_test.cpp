// brasswick-script FEATURE: the names reach the generators, the tab's start-up state fills what
// is left out, and the exit codes and streams follow the contract. The drawings themselves are
// checked byte by byte in the generators' own tests, and every common name over random values
// in the preview's drawing properties.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace bw::cli {
namespace {

// The arguments as a shell would split them at blanks.
Result RunLine(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) args.push_back(word);
    return Run(args, BW_DATA_DIR);
}

// What each feature prints for the same inputs is compared with what the window's OK writes in
// the pages' tests; here, what only the command line decides.
TEST(FeaturesCli, PrintsTheScriptBytes) {
    const struct {
        const char* args;
        std::string script;  // its start when it ends in "...", "= ARGS" what ARGS print
    } cases[] = {
        // Hidden is ticked at start-up on the ejector and center drill tabs.
        {"ejector pin=.25 view=face layer=A hidden-layer=H",
         "Layer set A \r\nCircle 1,1 D .25\r\nLayer set H \r\nCircle 1,1 D .265\r\nLayer set A "
         "\r\n"},
        {"centerdrill d1=.25 d2=.0625 l=.0625 view=face hidden-layer=HID",
         "Layer set HID \r\nCircle 1,1 D 0.25\r\nCircle 1,1 D 0.0625\r\nLayer set 0 \r\n"},
        // Hidden is clear at start-up on the taper pin tab: no line end at the end.
        {"taper diameter=.25 length=1 base=0,0",
         "Layer set 0 \r\nLine 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
         "ARC 0,.125 -.03349365,0 0,-.125 ARC 1,-.114585 1.027806,0 1,.114585 "},
        {"corenote kind=C number=12 base=2,3", "insert Dmesnote 2,3 1 1 0 12\r\n"},
        // The number is read as the table reads it: 12.5 is the whole number 12.
        {"corenote number=12.5 base=2,3 scale=.5", "insert Dmehnote 2,3 .5 .5 0 12\r\n"},
        // .25 x cot 50 = .2097749: the shorter cone of the 100 degree countersink.
        {"drill drill=.5 csink=1 depth=1 countersunk=1 hidden=0 base=0,0 angle=100",
         "Layer set 0 \r\nLine 0,.5 .2097749,.25 \r\n..."},
        {"slot",
         "Layer set 0 \r\nARC C 1,1 1,1.25 1,.75 ARC C 2,1 2,.75 2,1.25 Line 1,.75 2,.75  "
         "Line 1,1.25 2,1.25 \r\n"},
        {"shaft", "Layer set 0 \r\nLine 1,1.5 1,.5 2,.5 2,1.5 1,1.5  "},
        // A tab without the view or direction options ignores them; threads per unit are
        // rounded to the whole count, as Thread.dat's field would be.
        {"thread diameter=.25 tpi=20.4 length=.05 view=face",
         "= thread diameter=.25 tpi=20 length=.05"},
        {"keyway dir=90 view=face", "= keyway"},
    };
    for (const auto& c : cases) {
        const Result r = RunLine(c.args);
        const bool start = c.script.ends_with("...");
        const std::string expected = c.script.starts_with("= ") ? RunLine(c.script.substr(2)).out
                                     : start ? c.script.substr(0, c.script.size() - 3)
                                             : c.script;
        EXPECT_EQ(r.exitCode, 0) << c.args << ": " << r.err;
        EXPECT_EQ(start ? r.out.substr(0, expected.size()) : r.out, expected) << c.args;
        EXPECT_EQ(r.err, "") << c.args;
    }
}

TEST(FeaturesCli, FailedChecksPrintTheMessageAndExitOne) {
    // Absent list values are no selection; zero, negative and too large values are well
    // formed, so the check refuses them rather than the command line.
    const std::pair<const char*, std::string> cases[] = {
        {"ejector depth=1", "You Must Select Pin Size"},
        {"ejector pin=.25", "You Must Select Depth"},
        {"ejector pin=0 view=face", "Pin Diameter Must Be Greater Than Zero"},
        {"ejector pin=.25 depth=-1", "Depth Must Be Greater Than Zero"},
        {"corepin pin=.25 head=.375 headlen=0", "Head Length Must Be Greater Than Zero"},
        {"corenote kind=C", "You Must Select Pin Size"},
        {"taper diameter=.25", "You Must Select Pin Length"},
        {"tap depth=1", "You Must Select Tap Size"},
        {"tap major=0 drill=.201 view=face", "Tap Diameter Must Be Greater Than Zero"},
        {"cbore", "You Must Select Screw Size"},
        {"thread diameter=.25 tpi=20", "You Must Select Depth"},
        {"thread diameter=.25 tpi=0 length=1", "Threads Per Unit Must Be Greater Than Zero"},
        {"thread diameter=.25 tpi=32767 length=2", "Thread Has More Than 32767 Turns"},
        {"drill depth=", "You Must Supply Drill Depth"},
        {"shaft segments=1:1,:,:", "Diameter Missing In Segment2"},
        {"shaft segments=1:1,1:", "Length Missing In Segment2"},
        {"centerdrill", "You Must Select Drill Size"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = RunLine(args);
        EXPECT_EQ(r.exitCode, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, message + "\n");
    }
}

TEST(FeaturesCli, MalformedValuesAreUsageErrors) {
    // Another feature's name, a size given in part, a number no 16-bit field holds, a letter
    // or a sign no box takes.
    for (const char* args : {"ejector pin=abc",
                             "ejector pin=.25 depth=",
                             "ejector head=.25",
                             "corepin pin=.25 head=.375",
                             "corenote kind=X number=1",
                             "corenote number=40000",
                             "corenote number=1,2",
                             "tap major=.25",
                             "cbore cbore=.4375",
                             "thread diameter=.25 tpi=40000 length=1",
                             "thread diameter=.25 tpi=20 length=1 left=2",
                             "drill drill=1a",
                             "drill drill=-1",
                             "drill angle=90",
                             "cam r1=1e2",
                             "keyway kind=bore",
                             "keyway key=1/4",
                             "shaft segments=1",
                             "shaft segments=1:2:3",
                             "shaft segments=1:a",
                             "shaft segments=",
                             "centerdrill d1=.25 d2=.0625",
                             "centerdrill type=bell d1=.25 d2=.0625 l=.1",
                             "centerdrill type=round",
                             "nosuch"}) {
        const Result r = RunLine(args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err.rfind("brasswick-script: ", 0), 0u) << args;
        EXPECT_NE(r.err.find("usage: brasswick-script FEATURE"), std::string::npos);
    }
}

}  // namespace
}  // namespace bw::cli
