// brasswick-script: what only the command line decides (the names reaching the generators,
// the tab's start-up state filling what is left out, exit codes and streams), `render` and the
// drawing files beside a script. The generators' tests do not repeat the scripts pinned here.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace bw::cli {
namespace {

using test::ReadFile;
using test::TempDir;

// The arguments as a shell would split them at blanks.
Result RunLine(const std::string& line, const std::string& folder = BW_DATA_DIR) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) args.push_back(word);
    return Run(args, folder);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(FeaturesCli, PrintsTheScriptBytes) {
    const struct {
        const char* args;
        std::string script;  // its start when it ends in "...", "= ARGS" what ARGS print
    } cases[] = {
        // Hidden is ticked at start-up on the ejector and center drill tabs.
        {"ejector pin=.25 view=face layer=A hidden-layer=H",
         "Layer set A \r\nCircle 1,1 D .25\r\nLayer set H \r\nCircle 1,1 D .265\r\nLayer set A "
         "\r\n"},
        // The center drill's face circles take the plain number form.
        {"centerdrill d1=.25 d2=.0625 l=.0625 view=face hidden-layer=HID",
         "Layer set HID \r\nCircle 1,1 D 0.25\r\nCircle 1,1 D 0.0625\r\nLayer set 0 \r\n"},
        // Hidden is clear at start-up on the taper pin tab: no line end at the end.
        // The small end d = .25 - .02083 = .22917 (not .25 - 1/48), s1 = .25 - sqrt(.0625 -
        // .015625) = .03349365, s2 = .25 - sqrt(.0625 - (d/2)^2) = .02780576: P6 at 1.027806.
        {"taper diameter=.25 length=1 base=0,0",
         "Layer set 0 \r\nLine 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
         "ARC 0,.125 -.03349365,0 0,-.125 ARC 1,-.114585 1.027806,0 1,.114585 "},
        // Each feature's own names, where they land (a slot's width is its ends' radius).
        {"ejector pin=.25 depth=1 dir=90 hidden=0 clearance=0",
         "Layer set 0 \r\nLine .875,1 .875,2 \r\nLine .875,2 1.125,2 \r\n..."},
        // Head .375 from x = 1 to 1.25; pin .25 from 1.25 to 2.
        {"corepin pin=.25 head=.375 headlen=.25 hidden-layer=H",
         "Layer set H \r\nLine 1,1.1875 1.25,1.1875 \r\nLine 1.25,1.1875 1.25,.8125 \r\n"
         "Line 1.25,.8125 1,.8125 \r\nLine 1.25,1.125 2,1.125 \r\nLine 1.25,.875 2,.875 \r\n"
         "Layer set 0 \r\n"},
        // Only the major diameter is behind the face; .19 is a single, so the chamfer circle
        // is .252499997615814, not .2525.
        {"tap major=.19 drill=.1495 view=face layer=WALLS hidden-layer=HID",
         "Layer set HID \r\nCircle 1,1 D .19\r\nCircle 1,1 D .252499997615814\r\n"
         "Circle 1,1 D .1495\r\nLayer set WALLS \r\n"},
        // Crest radius .125, pitch .05, tooth depth .05 x sin 60 = .0433013; the last line
        // is written twice.
        {"thread diameter=.25 tpi=20 length=.05 layer=L",
         "Layer set L \r\nline 1,1.125 1.025,.875 1,.9183013 \r\nline 1.025,.875 1.05,.9183013 "
         "\r\nline 1,1.125 1.025,1.081699 1.05,1.125 \r\nline 1.025,1.081699 1.05,.9183013 \r\n"
         "line 1.025,1.081699 1.05,.9183013 \r\nLayer set L \r\n"},
        {"cam r1=.375 r2=.5", "Layer set 0 \r\nARC C 1,1 .953125,1.372059 .953125,.6279413 ..."},
        // A hub keyway's script ends without a line end.
        {"keyway kind=hub",
         "Layer set 0 \r\nLine .875,1.484123 .875,1.609123 1.125,1.609123 1.125,1.484123  "
         "ARC C 1,1 .875,1.484123 1.125,1.484123 "},
        {"centerdrill type=bell b1=.5 b2=.125 b3=.3125 view=face hidden=0",
         "Layer set 0 \r\nCircle 1,1 D 0.5\r\nCircle 1,1 D 0.3125\r\nCircle 1,1 D 0.125\r\n"},
        {"corenote kind=C number=12 base=2,3", "insert Dmesnote 2,3 1 1 0 12\r\n"},
        // The number is read as the table reads it: 12.5 is the whole number 12.
        {"corenote number=12.5 base=2,3 scale=.5", "insert Dmehnote 2,3 .5 .5 0 12\r\n"},
        // .25 x cot 50 = .2097749: the shorter cone of the 100 degree countersink.
        {"drill drill=.5 csink=1 depth=1 countersunk=1 hidden=0 base=0,0 angle=100",
         "Layer set 0 \r\nLine 0,.5 .2097749,.25 \r\n..."},
        {"slot width=.5 distance=2",
         "Layer set 0 \r\nARC C 1,1 1,1.5 1,.5 ARC C 3,1 3,.5 3,1.5 Line 1,.5 3,.5  "
         "Line 1,1.5 3,1.5 \r\n"},
        // The boxes' start-up texts.
        {"shaft", "Layer set 0 \r\nLine 1,1.5 1,.5 2,.5 2,1.5 1,1.5  "},
        {"keyway",
         "Layer set 0 \r\n"
         "Line .875,1.484123 .875,1.359123 1.125,1.359123 1.125,1.484123  Circle 1,1 .5\r\n"},
        // A tab without the view or direction options ignores them; threads per unit are
        // rounded to the whole count, as Thread.dat's field would be.
        {"thread diameter=.25 tpi=20.4 length=.05 view=face",
         "= thread diameter=.25 tpi=20 length=.05"},
        {"keyway dir=90 view=face", "= keyway"},
        // A fraction is the decimal its box shows when left (1/3 as 0.333333), a shaft cell
        // the decimal "Enter Value" writes for it.
        {"slot width=1/4 distance=1/2", "= slot width=0.250 distance=0.500"},
        {"cam r1=1/3 dir=90", "= cam r1=0.333333 dir=90"},
        {"shaft segments=1/2:3/4,1/4:1 view=face",
         "= shaft segments=0.500:0.750,0.250:1 view=face"},
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

TEST(FeaturesCli, FailedChecksExitOneAndMalformedValuesTwo) {
    // Absent list values are no selection; zero, negative and too large values are well
    // formed, so the check refuses them (exit 1, its message) rather than the command line.
    // Another feature's name, a size given in part, a number no 16-bit field holds, a letter
    // or a sign no box takes, a name given twice are usage errors (exit 2: the problem, then
    // the usage).
    const struct {
        const char* args;
        const char* text;
        int exitCode = 1;
    } cases[] = {
        {"ejector depth=1", "You Must Select Pin Size"},
        {"ejector pin=.25", "You Must Select Depth"},
        {"ejector pin=0 view=face", "Pin Diameter Must Be Greater Than Zero"},
        {"ejector pin=.25 depth=-1", "Depth Must Be Greater Than Zero"},
        {"corenote kind=C", "You Must Select Pin Size"},
        {"taper diameter=.25", "You Must Select Pin Length"},
        {"tap depth=1", "You Must Select Tap Size"},
        {"cbore", "You Must Select Screw Size"},
        {"thread diameter=.25 tpi=20", "You Must Select Depth"},
        {"thread diameter=.25 tpi=0 length=1", "Threads Per Unit Must Be Greater Than Zero"},
        {"drill depth=", "You Must Supply Drill Depth"},
        {"cam distance=.875", "Center Distance Must Be Greater Than Sum Of Radi"},
        {"keyway key=.26 diameter=.75", "Ket Width Is Excessive"},
        {"shaft segments=1:1,:,:", "Diameter Missing In Segment2"},
        {"shaft segments=1:1,1:", "Length Missing In Segment2"},
        {"centerdrill", "You Must Select Drill Size"},
        {"ejector pin=abc", "pin=abc is not a number", 2},
        {"ejector pin=.25 depth=", "depth= is not a number", 2},
        {"ejector head=.25", "unknown name head for ejector", 2},
        {"corepin pin=.25 head=.375", "pin, head, headlen must be given together", 2},
        {"corenote kind=X number=1", "kind takes C|CX", 2},
        {"corenote number=40000", "number=40000 does not fit a 16-bit core number", 2},
        {"corenote number=1,2", "number=1,2 is not a number", 2},
        {"tap major=.25", "major, drill must be given together", 2},
        {"cbore cbore=.4375", "screw, cbore must be given together", 2},
        {"thread diameter=.25 tpi=40000 length=1", "tpi=40000 does not fit a 16-bit count", 2},
        {"thread diameter=.25 tpi=20 length=1 left=2", "left takes 0 or 1", 2},
        {"drill drill=1a", "drill=1a: the box takes only digits, \".\", \"/\" and blanks", 2},
        {"drill drill=-1", "drill=-1: the box takes only digits, \".\", \"/\" and blanks", 2},
        {"drill angle=90", "angle takes 82|100", 2},
        {"cam r1=1e2", "r1=1e2: the box takes only digits, \".\", \"/\" and blanks", 2},
        {"keyway kind=bore", "kind takes shaft|hub", 2},
        {"keyway key=1;4", "key=1;4: the box takes only digits, \".\", \"/\" and blanks", 2},
        {"slot width=1//4", "You Must Enter Slot Width"},
        {"shaft segments=1:2:3", "segments takes D1:L1,D2:L2,... (got \"1:2:3\")", 2},
        {"shaft segments=1:a", "segments: 1:a: a cell holds only digits, \".\", \"/\" and blanks",
         2},
        {"shaft segments=", "segments takes D1:L1,D2:L2,... (got \"\")", 2},
        {"centerdrill d1=.25 d2=.0625", "d1, d2, l must be given together", 2},
        {"centerdrill type=bell d1=.25 d2=.0625 l=.1",
         "d1, d2, l are plain sizes; type=bell takes b1, b2, b3", 2},
        {"centerdrill type=round", "type takes plain|bell", 2},
        {"nosuch", "unknown feature nosuch", 2},
        {"ejector pin=.25 pin=.5", "pin is given twice", 2},
    };
    for (const auto& c : cases) {
        const Result r = RunLine(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        const std::string text = c.text;
        EXPECT_TRUE(c.exitCode == 1 ? r.err == text + "\n"
                                    : r.err.starts_with("brasswick-script: " + text +
                                                        "\nusage: brasswick-script FEATURE"))
            << c.args << ": " << r.err;
    }
}

TEST(PreviewCli, RenderListsTheScriptOrWritesItsDrawingsOrNamesTheProblem) {
    // Each entity's listing is the interpreter tests' part.
    TempDir dir;
    Result r = cli::Run({"render", dir.Write("s.scr", "Layer set H \r\nLine 1,.75 2,.75 \r\n")},
                        dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "segment H 1,0.75 2,0.75 at=2:1\n");
    const std::string bad = dir.Write("bad.scr", "Line 0,0 1,1 \r\nLine 2,2 two,2 \r\n");
    r = cli::Run({"render", bad}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, bad +
                         ": line 2, column 10 (byte 24): Line expects a point x,y or an empty "
                         "entry, found \"two,2\"\n");
    r = cli::Run({"render", dir.File("none.scr")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, dir.File("none.scr") + ": ")) << r.err;
    // Asked for, SVG or DXF files are written instead of the listing.
    const std::string script =
        dir.Write("c.scr", "Circle 0,0 D 2\r\nLayer set H \r\nCircle 0,0 D 1\r\n");
    r = cli::Run({"render", script, "--svg", dir.File("c.svg"), "hidden-layer=H", "base=0,0",
                  "--dxf", dir.File("c.dxf"), "layer=NOTES"},
                 dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    // The hidden circle dashed and the base point marked; the first circle on the start layer
    // and the hidden one dashed in the DXF.
    const std::string svg = ReadFile(dir.File("c.svg"));
    EXPECT_TRUE(
        Contains(svg, "stroke-dasharray=\"0.04 0.025\">\n<circle cx=\"0\" cy=\"0\" r=\"0.5\"/>"))
        << svg;
    EXPECT_TRUE(Contains(svg, "<circle cx=\"0\" cy=\"0\" r=\"0.05\"/>"));
    const std::string dxf = ReadFile(dir.File("c.dxf"));
    EXPECT_TRUE(Contains(dxf, "CIRCLE\r\n  8\r\nNOTES\r\n")) << dxf;
    EXPECT_TRUE(Contains(dxf, "LAYER\r\n  2\r\nH\r\n 70\r\n0\r\n 62\r\n7\r\n  6\r\nHIDDEN\r\n"));
    // Why a drawing cannot be DXF is the DXF tests' part.
    const std::string bars = dir.Write("b.scr", "Layer set A|B \r\n");
    r = cli::Run({"render", bars, "--dxf", dir.File("b.dxf")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.starts_with(dir.File("b.dxf") + ": the drawing cannot be written as DXF: "))
        << r.err;
    EXPECT_EQ(ReadFile(dir.File("b.dxf")), "<missing>");
}

TEST(PreviewCli, AFeatureWritesItsDrawingOnlyBesideItsUnchangedScript) {
    TempDir dir;
    Result r = cli::Run({"ejector", "pin=.25", "--svg", dir.File("e.svg"), "--dxf",
                         dir.File("e.dxf"), "view=face", "hidden-layer=HID"},
                        dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, RunLine("ejector pin=.25 view=face hidden-layer=HID", dir.Path()).out);
    EXPECT_TRUE(Contains(ReadFile(dir.File("e.svg")), "<circle cx=\"1\" cy=\"-1\" r=\"0.1325\"/>"));
    EXPECT_TRUE(
        Contains(ReadFile(dir.File("e.dxf")),
                 "CIRCLE\r\n  8\r\nHID\r\n 10\r\n1\r\n 20\r\n1\r\n 30\r\n0\r\n 40\r\n0.1325\r\n"));
    // With the hidden layer the current one, nothing is dashed, as the DXF gives no HIDDEN.
    r = cli::Run({"ejector", "pin=.25", "view=face", "--svg", dir.File("e.svg")}, dir.Path());
    EXPECT_TRUE(Contains(ReadFile(dir.File("e.svg")),
                         "<g id=\"solid\">\n<circle cx=\"1\" cy=\"-1\" "
                         "r=\"0.125\"/>\n<circle cx=\"1\" cy=\"-1\""));
    // A failed check writes no drawing; a drawing that cannot be written fails the feature.
    r = cli::Run({"ejector", "--svg", dir.File("f.svg")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "You Must Select Pin Size\n");
    EXPECT_EQ(ReadFile(dir.File("f.svg")), "<missing>");
    const std::string nowhere = dir.File("no/such/folder/e.svg");
    r = cli::Run({"ejector", "pin=.25", "depth=1", "--svg", nowhere}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(nowhere + ": ", 0), 0u) << r.err;
}

TEST(PreviewCli, UsageErrors) {
    for (const char* args :
         {"ejector pin=.25 --svg", "render", "render x.scr colour=red", "render x.scr base=1",
          "render x.scr --svg a --svg b", "render x.scr --dxf", "corenote --dxf a --dxf b",
          "check --svg a.svg", "check --dxf a.dxf"}) {
        const Result r = RunLine(args, ".");
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_TRUE(Contains(r.err, "brasswick-script render SCRIPT")) << r.err;
    }
}

}  // namespace
}  // namespace bw::cli
