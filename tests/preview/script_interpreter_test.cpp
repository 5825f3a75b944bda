// The script interpreter against scripts whose drawings are worked out by hand: every command
// form the features write, the Enter rules of blanks and line ends, and malformed scripts
// reported with their line, column and byte.
#include "preview/script_interpreter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "cli/render_cli.h"

namespace bw::preview {
namespace {

Interpretation Clean(const std::string& script, const std::string& startLayer = "0") {
    Interpretation result = InterpretScript(script, startLayer);
    EXPECT_TRUE(result.Clean()) << (result.problem ? result.problem->Describe() : "");
    return result;
}

struct DrawnCase {
    const char* name;
    const char* script;
    const char* startLayer;
    const char* listing;  // what `brasswick-script render` lists: exact values, script order
};

TEST(PreviewInterpreter, WhatEachCommandFormDraws) {
    const DrawnCase cases[] = {
        {"before any layer line: the start layer", "Circle 1,1 D .25\r\n", "WALLS",
         "circle WALLS 1,1 r=0.125 at=1:1\n"},
        {"several sets before the layer command's empty entry",
         "Layer s A set B \r\nLine 0,0 1,0 \r\n", "0", "segment B 0,0 1,0 at=2:1\n"},
        {"a closed chain ended by the second blank, then the next command",
         "Line 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  Circle 1,0 D 2\r\n", "0",
         "segment 0 0,0.125 0,-0.125 at=1:1\nsegment 0 0,-0.125 1,-0.114585 at=1:1\n"
         "segment 0 1,-0.114585 1,0.114585 at=1:1\nsegment 0 1,0.114585 0,0.125 at=1:1\n"
         "circle 0 1,0 r=1 at=1:50\n"},
        {"a chain ended by an empty line", "line 0,0 1,0 1,1\r\n\r\n", "0",
         "segment 0 0,0 1,0 at=1:1\nsegment 0 1,0 1,1 at=1:1\n"},
        {"circles by diameter and by bare radius, any case",
         "Circle 1,1 D .25\r\ncircle -2,.5 .5\r\nCIRCLE 0,0 d 3\n", "0",
         "circle 0 1,1 r=0.125 at=1:1\ncircle 0 -2,0.5 r=0.5 at=2:1\ncircle 0 0,0 r=1.5 at=3:1\n"},
        {"three-point arcs are stored counter-clockwise", "ARC 0,1 -1,0 0,-1 ARC 0,-1 -1,0 0,1 ",
         "0", "arc 0 0,0 r=1 from=0,1 to=0,-1 at=1:1\narc 0 0,0 r=1 from=0,1 to=0,-1 at=1:19\n"},
        {"the arc's end point gives only its direction", "arc c 0,0 0,1 3,0 ", "0",
         "arc 0 0,0 r=1 from=0,1 to=1,0 at=1:1\n"},
        {"insert with scales, rotation and attribute", "insert Dmehnote 2,3 .5 .5 0 12\r\n",
         "NOTES", "insert NOTES Dmehnote 2,3 scale=0.5,0.5 rotation=0 value=12 at=1:1\n"},
        {"insert's empty entries: the Y scale follows the X scale, rotation 0",
         "insert B 0,0 2   -7\r\n", "0", "insert 0 B 0,0 scale=2,2 rotation=0 value=-7 at=1:1\n"},
        {"Enter at the command prompt repeats the last command",
         "Line 0,0 1,0 \r\n\r\n2,2 3,3 \r\n", "0",
         "segment 0 0,0 1,0 at=1:1\nsegment 0 2,2 3,3 at=2:1\n"},
        {"Enter before any command does nothing", "  \r\n\nLine 0,0 1,1 \r\n", "0",
         "segment 0 0,0 1,1 at=3:1\n"},
        {"a lone CR and a lone LF end lines too", "Line 0,0 1,1 \rLine 2,2 3,3 \nCircle 0,0 1\r",
         "0", "segment 0 0,0 1,1 at=1:1\nsegment 0 2,2 3,3 at=2:1\ncircle 0 0,0 r=1 at=3:1\n"},
    };
    for (const DrawnCase& c : cases) {
        EXPECT_EQ(cli::EntityListing(Clean(c.script, c.startLayer).drawing), c.listing) << c.name;
    }
}

TEST(PreviewInterpreter, BoundsHoldTheArcsSweep) {
    // The slot end arc: from the top, round -X, to the bottom; its leftmost point is 0.75,1.
    const Extent e = Clean("ARC C 1,1 1,1.25 1,.75 Circle 5,5 D 2\r\n").drawing.Bounds();
    EXPECT_EQ(e.min, (Point{.75, .75}));
    EXPECT_EQ(e.max, (Point{6, 6}));
}

TEST(ScriptNumbers, ReadToTheNearestDoubleWhateverTheirLength) {
    // Short numbers are read by exact integer work, long ones by the general parse; both
    // must give the double strtod gives.
    std::istringstream texts(
        ".5 -.25 +3 1. 1e3 1.000001 .0000001 9999999 -4.371139E-08 1E-22 9.999999E+22 1E+23 "
        "9007199254740993 9007199254740992 .1000000000000000055511151231257827 "
        "123456789012345678901234 -.252499997615814 1.7976931348623157E+308 4.9E-324 "
        "2.2250738585072011E-308 .30000000000000004 1E+22 -0");
    for (std::string text; texts >> text;) {
        const auto parsed = ParseScriptNumber(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*parsed, std::strtod(text.c_str(), nullptr)) << text;
    }
    // Every seventh-digit step across a few decades, as scripts write them.
    for (int i = 0; i < 20000; ++i) {
        for (const char* form : {"%d.%06d", ".%d%06d", "-%d.%06dE-05", "%d%06d.5"}) {
            char text[40];
            std::snprintf(text, sizeof text, form, 1 + i % 9, i * 37 % 1000000);
            const auto parsed = ParseScriptNumber(text);
            ASSERT_TRUE(parsed) << text;
            ASSERT_EQ(*parsed, std::strtod(text, nullptr)) << text;
        }
    }
    for (const char* text : {"", ".", "-", "1e", "1e+", "..5", "1.2.5", "0x10", "inf", "nan", " 1",
                             "1e999", "--1", "1,2"}) {
        EXPECT_FALSE(ParseScriptNumber(text)) << text;
    }
    for (const char* text : {"1", "1,2,3", ",2", "@1,2"}) EXPECT_FALSE(ParseScriptPoint(text));
    EXPECT_EQ(ParseScriptPoint("1.0625,-.5039216")->y, -.5039216);
}

TEST(PreviewInterpreter, MalformedScriptsAreReportedWithTheirPosition) {
    const struct {
        const char* script;
        const char* problem;
        std::size_t entitiesBefore = 0;
    } cases[] = {
        {"Line 0,0 1,0 2,0 x,y ",
         "line 1, column 18 (byte 17): Line expects a point x,y or an empty entry, found \"x,y\"",
         2},
        {"Line \r\n",
         "line 1, column 6 (byte 5): Line expects a first point x,y, found an empty entry"},
        {"Circle 1,1 D .2.5\r\n",
         "line 1, column 14 (byte 13): Circle expects a diameter, found \".2.5\""},
        {"Circle 1,1 D 0\r\n", "line 1, column 14 (byte 13): a circle needs a size above zero"},
        {"Circle 1,1 \r\n",
         "line 1, column 12 (byte 11): Circle expects a radius or \"D\", found an empty entry"},
        {"Circle 3P 0,0 1,0 0,1\r\n",
         "line 1, column 8 (byte 7): Circle expects a centre point x,y, found \"3P\""},
        {"Line\t0,0 1,1 \r\n",
         "line 1, column 1 (byte 0): \"Line\t0,0\" is not a command (expected Layer, Line, Circle, "
         "ARC or insert)"},
        {"Layer set \r\n",
         "line 1, column 11 (byte 10): Layer expects a layer name, found an empty entry"},
        {"Layer set A\r\nLine 0,0 1,1 \r\n",
         "line 2, column 1 (byte 13): Layer expects the Layer option \"set\" or an empty entry, "
         "found \"Line\""},
        {"ARC 0,0 1,1 2,2 ", "line 1, column 13 (byte 12): the arc's three points lie on one line"},
        {"ARC C 1,1 1,1 2,2 ", "line 1, column 11 (byte 10): the arc's start point is its centre"},
        {"ARC C 0,0 1,0 2,0 ",
         "line 1, column 15 (byte 14): the arc's end lies in its start's direction"},
        {"ARC 0,0 1e300,1e300 -1e300,1e300 ",
         "line 1, column 21 (byte 20): the arc is too large to draw"},
        {"ARC C 0,0 1,0 A 90 ",
         "line 1, column 15 (byte 14): ARC expects an end point x,y, found \"A\""},
        {"insert B 1,1 x 1 0 5\r\n",
         "line 1, column 14 (byte 13): insert expects an X scale, found \"x\""},
        {"Line 0,0 1,1",
         "line 1, column 10 (byte 9): \"1,1\" is not followed by a blank or a line end, so it is "
         "never entered"},
        {"Circle 0,0 1\r\nLine 0,0 1,1 ",
         "line 2, column 14 (byte 27): the script ends inside the Line command begun at line 2, "
         "column 1, which is left unfinished",
         2},
        {"Line 0,0 1,1 \r\n\r\n",
         "line 3, column 1 (byte 17): the script ends inside the Line command begun at line 2, "
         "column 1, which is left unfinished",
         1},
    };
    for (const auto& c : cases) {
        const Interpretation r = InterpretScript(c.script);
        ASSERT_TRUE(r.problem.has_value()) << c.script;
        EXPECT_EQ(r.problem->Describe(), c.problem);
        EXPECT_EQ(r.drawing.EntityCount(), c.entitiesBefore) << c.script;
    }
}

}  // namespace
}  // namespace bw::preview
