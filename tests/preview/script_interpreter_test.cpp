// The script interpreter against scripts whose drawings are worked out by hand: every command
// form the features write, the Enter rules of blanks and line ends, and malformed scripts
// reported with their line, column and byte.
#include "preview/script_interpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace bw::preview {
namespace {

constexpr double kPi = std::numbers::pi;

void ExpectPoint(Point actual, double x, double y, double tolerance = 0.0) {
    if (tolerance == 0.0) {
        EXPECT_EQ(actual.x, x);
        EXPECT_EQ(actual.y, y);
    } else {
        EXPECT_NEAR(actual.x, x, tolerance);
        EXPECT_NEAR(actual.y, y, tolerance);
    }
}

Interpretation Clean(const std::string& script, const std::string& startLayer = "0") {
    Interpretation result = InterpretScript(script, startLayer);
    EXPECT_TRUE(result.Clean()) << (result.problem ? result.problem->Describe() : "");
    return result;
}

TEST(PreviewInterpreter, LayerSetThenLineOnThatLayer) {
    const auto r = Clean("Layer set HID \r\nLine 1,2 3,4 \r\n");
    const Drawing& d = r.drawing;
    ASSERT_EQ(d.layers, (std::vector<std::string>{"0", "HID"}));
    ASSERT_EQ(d.segments.size(), 1u);
    EXPECT_EQ(d.segments[0].layer, 1);
    ExpectPoint(d.segments[0].start, 1, 2);
    ExpectPoint(d.segments[0].end, 3, 4);
    EXPECT_EQ(d.segments[0].where, (ScriptPosition{2, 1, 16}));
    EXPECT_EQ(d.EntityCount(), 1u);
}

TEST(PreviewInterpreter, EntitiesBeforeAnyLayerLineGoOnTheStartLayer) {
    const auto r = Clean("Circle 1,1 D .25\r\n", "WALLS");
    ASSERT_EQ(r.drawing.circles.size(), 1u);
    EXPECT_EQ(r.drawing.LayerName(r.drawing.circles[0].layer), "WALLS");
}

TEST(PreviewInterpreter, LayerCommandTakesSeveralSetsBeforeItsEmptyEntry) {
    const auto r = Clean("Layer s A set B \r\nLine 0,0 1,0 \r\n");
    ASSERT_EQ(r.drawing.segments.size(), 1u);
    EXPECT_EQ(r.drawing.LayerName(r.drawing.segments[0].layer), "B");
}

TEST(PreviewInterpreter, PointChainEndedByTheSecondBlank) {
    // The taper pin's outline: a closed chain, two blanks, then two three-point arcs.
    const auto r = Clean(
        "Line 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  ARC 0,.125 -.03349365,0 0,-.125 "
        "ARC 1,-.114585 1.027806,0 1,.114585 ");
    const Drawing& d = r.drawing;
    ASSERT_EQ(d.segments.size(), 4u);
    ExpectPoint(d.segments[0].start, 0, .125);
    ExpectPoint(d.segments[0].end, 0, -.125);
    ExpectPoint(d.segments[1].end, 1, -.114585);
    ExpectPoint(d.segments[2].end, 1, .114585);
    ExpectPoint(d.segments[3].start, 1, .114585);
    ExpectPoint(d.segments[3].end, 0, .125);
    ASSERT_EQ(d.arcs.size(), 2u);
    // The large-end crown passes (-s1, 0) going counter-clockwise from the top corner.
    ExpectPoint(d.arcs[0].start, 0, .125);
    ExpectPoint(d.arcs[0].end, 0, -.125);
    // Centre on the axis at distance D from the apex: -s1 + .25 = .21650635.
    ExpectPoint(d.arcs[0].centre, .21650635, 0, 1e-7);
    EXPECT_NEAR(d.arcs[0].radius, .25, 1e-7);
    // The small-end crown runs counter-clockwise from the lower corner to the upper.
    ExpectPoint(d.arcs[1].start, 1, -.114585);
    ExpectPoint(d.arcs[1].end, 1, .114585);
    EXPECT_EQ(d.arcs[1].where, (ScriptPosition{1, 82, 81}));
}

TEST(PreviewInterpreter, PointChainEndedByAnEmptyLine) {
    const auto r = Clean("line 0,0 1,0 1,1\r\n\r\n");
    ASSERT_EQ(r.drawing.segments.size(), 2u);
    ExpectPoint(r.drawing.segments[1].start, 1, 0);
    ExpectPoint(r.drawing.segments[1].end, 1, 1);
}

TEST(PreviewInterpreter, CircleByDiameterAndByBareRadius) {
    const auto r = Clean("Circle 1,1 D .25\r\ncircle -2,.5 .5\r\nCIRCLE 0,0 d 3\n");
    const Drawing& d = r.drawing;
    ASSERT_EQ(d.circles.size(), 3u);
    ExpectPoint(d.circles[0].centre, 1, 1);
    EXPECT_EQ(d.circles[0].radius, .125);
    ExpectPoint(d.circles[1].centre, -2, .5);
    EXPECT_EQ(d.circles[1].radius, .5);
    EXPECT_EQ(d.circles[2].radius, 1.5);
    EXPECT_EQ(d.circles[2].where, (ScriptPosition{3, 1, 35}));
}

TEST(PreviewInterpreter, ArcByCentreStartEndRunsCounterClockwise) {
    // The slot's first end arc at (1,1), width .25: from the top round the back to the bottom.
    const auto r = Clean("ARC C 1,1 1,1.25 1,.75 ");
    ASSERT_EQ(r.drawing.arcs.size(), 1u);
    const Arc& a = r.drawing.arcs[0];
    ExpectPoint(a.centre, 1, 1);
    EXPECT_EQ(a.radius, .25);
    EXPECT_NEAR(a.startAngle, kPi / 2, 1e-15);
    EXPECT_NEAR(a.endAngle, 3 * kPi / 2, 1e-15);
    ExpectPoint(a.start, 1, 1.25);
    ExpectPoint(a.end, 1, .75, 1e-15);
    EXPECT_TRUE(ArcContainsAngle(a, kPi));
    EXPECT_FALSE(ArcContainsAngle(a, 0));
}

TEST(PreviewInterpreter, ArcEndPointGivesOnlyTheDirection) {
    // End point (3,0) lies on the +X ray: the arc ends on its own circle at (1,0).
    const auto r = Clean("arc c 0,0 0,1 3,0 ");
    const Arc& a = r.drawing.arcs.at(0);
    EXPECT_EQ(a.radius, 1);
    ExpectPoint(a.end, 1, 0);
    // From 90° counter-clockwise to 360°: three quarters of the circle.
    EXPECT_NEAR(a.endAngle - a.startAngle, 1.5 * kPi, 1e-15);
}

TEST(PreviewInterpreter, ThreePointArcGivenClockwiseIsStoredCounterClockwise) {
    const auto ccw = Clean("ARC 0,1 -1,0 0,-1 ").drawing.arcs.at(0);
    const auto cw = Clean("ARC 0,-1 -1,0 0,1 ").drawing.arcs.at(0);
    for (const Arc& a : {ccw, cw}) {
        ExpectPoint(a.centre, 0, 0, 1e-15);
        EXPECT_NEAR(a.radius, 1, 1e-15);
        ExpectPoint(a.start, 0, 1);
        ExpectPoint(a.end, 0, -1);
        EXPECT_NEAR(a.startAngle, kPi / 2, 1e-15);
        EXPECT_NEAR(a.endAngle, 3 * kPi / 2, 1e-15);
    }
}

TEST(PreviewInterpreter, InsertWithScalesRotationAndAttribute) {
    const auto r = Clean("insert Dmehnote 2,3 .5 .5 0 12\r\n", "NOTES");
    ASSERT_EQ(r.drawing.inserts.size(), 1u);
    const Insert& i = r.drawing.inserts[0];
    EXPECT_EQ(i.block, "Dmehnote");
    ExpectPoint(i.point, 2, 3);
    EXPECT_EQ(i.scaleX, .5);
    EXPECT_EQ(i.scaleY, .5);
    EXPECT_EQ(i.rotation, 0);
    EXPECT_EQ(i.value, "12");
    EXPECT_EQ(r.drawing.LayerName(i.layer), "NOTES");
}

TEST(PreviewInterpreter, InsertEmptyEntriesTakeTheDefaults) {
    const auto r = Clean("insert B 0,0 2   -7\r\n");
    const Insert& i = r.drawing.inserts.at(0);
    EXPECT_EQ(i.scaleX, 2);
    EXPECT_EQ(i.scaleY, 2);  // the Y scale follows the X scale
    EXPECT_EQ(i.rotation, 0);
    EXPECT_EQ(i.value, "-7");
}

TEST(PreviewInterpreter, EnterAtTheCommandPromptRepeatsTheLastCommand) {
    const auto r = Clean("Line 0,0 1,0 \r\n\r\n2,2 3,3 \r\n");
    ASSERT_EQ(r.drawing.segments.size(), 2u);
    ExpectPoint(r.drawing.segments[1].start, 2, 2);
    ExpectPoint(r.drawing.segments[1].end, 3, 3);
    EXPECT_EQ(r.drawing.segments[1].where, (ScriptPosition{2, 1, 15}));
}

TEST(PreviewInterpreter, EnterBeforeAnyCommandDoesNothing) {
    const auto r = Clean("  \r\n\nLine 0,0 1,1 \r\n");
    ASSERT_EQ(r.drawing.segments.size(), 1u);
    EXPECT_EQ(r.drawing.segments[0].where, (ScriptPosition{3, 1, 5}));
}

TEST(PreviewInterpreter, LoneCarriageReturnAndLineFeedEndLinesToo) {
    const auto r = Clean("Line 0,0 1,1 \rLine 2,2 3,3 \nCircle 0,0 1\r");
    EXPECT_EQ(r.drawing.segments.size(), 2u);
    EXPECT_EQ(r.drawing.segments[1].where, (ScriptPosition{2, 1, 14}));
    EXPECT_EQ(r.drawing.circles.at(0).where, (ScriptPosition{3, 1, 28}));
}

TEST(PreviewInterpreter, EmptyScriptDrawsNothing) {
    const auto r = Clean("");
    EXPECT_EQ(r.drawing.EntityCount(), 0u);
    EXPECT_TRUE(r.drawing.Bounds().empty);
}

TEST(PreviewInterpreter, BoundsReachTheQuadrantPointsAnArcPasses) {
    // The slot end arc: from the top, round -X, to the bottom; its leftmost point is 0.75,1.
    const auto r = Clean("ARC C 1,1 1,1.25 1,.75 Circle 5,5 D 2\r\n");
    const Extent e = r.drawing.Bounds();
    EXPECT_DOUBLE_EQ(e.min.x, .75);
    EXPECT_DOUBLE_EQ(e.min.y, .75);
    EXPECT_DOUBLE_EQ(e.max.x, 6);
    EXPECT_DOUBLE_EQ(e.max.y, 6);
}

struct NumberCase {
    const char* text;
    bool ok;
    double value;
};

TEST(PreviewInterpreter, ScriptNumbers) {
    const NumberCase cases[] = {
        {".5", true, .5},    {"-.25", true, -.25},
        {"2", true, 2},      {"12.5", true, 12.5},
        {"0", true, 0},      {"+3", true, 3},
        {"1.", true, 1},     {"-4.371139E-08", true, -4.371139e-08},
        {"1e3", true, 1000}, {"", false, 0},
        {".", false, 0},     {"-", false, 0},
        {"1e", false, 0},    {"1e+", false, 0},
        {"..5", false, 0},   {"1.2.5", false, 0},
        {"0x10", false, 0},  {"inf", false, 0},
        {"nan", false, 0},   {" 1", false, 0},
        {"1e999", false, 0}, {"--1", false, 0},
        {"1,2", false, 0},
    };
    for (const NumberCase& c : cases) {
        const auto parsed = ParseScriptNumber(c.text);
        EXPECT_EQ(parsed.has_value(), c.ok) << c.text;
        if (parsed && c.ok) {
            EXPECT_EQ(*parsed, c.value) << c.text;
        }
    }
    EXPECT_FALSE(ParseScriptPoint("1"));
    EXPECT_FALSE(ParseScriptPoint("1,2,3"));
    EXPECT_FALSE(ParseScriptPoint(",2"));
    EXPECT_FALSE(ParseScriptPoint("@1,2"));
    ASSERT_TRUE(ParseScriptPoint("1.0625,-.5039216"));
    EXPECT_EQ(ParseScriptPoint("1.0625,-.5039216")->y, -.5039216);
}

TEST(ScriptNumbers, ReadToTheNearestDoubleWhateverTheirLength) {
    // Short numbers are read by exact integer work, long ones by the general parse; both
    // must give the double strtod gives.
    const char* texts[] = {
        "1.000001",
        ".0000001",
        "9999999",
        "-4.371139E-08",
        "1E-22",
        "9.999999E+22",
        "1E+23",
        "9007199254740993",
        "9007199254740992",
        ".1000000000000000055511151231257827",
        "123456789012345678901234",
        "-.252499997615814",
        "1.7976931348623157E+308",
        "4.9E-324",
        "2.2250738585072011E-308",
        ".30000000000000004",
        "1E+22",
        "-0",
    };
    for (const char* text : texts) {
        const auto parsed = ParseScriptNumber(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*parsed, std::strtod(text, nullptr)) << text;
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
}

struct MalformedCase {
    const char* name;
    const char* script;
    ScriptPosition where;
    const char* message;
    std::size_t entitiesBefore;
};

TEST(PreviewInterpreter, MalformedScriptsAreReportedWithTheirPosition) {
    const MalformedCase cases[] = {
        {"unknown command",
         "Layer set 0 \r\nPline 0,0 1,1 \r\n",
         {2, 1, 14},
         "\"Pline\" is not a command (expected Layer, Line, Circle, ARC or insert)",
         0},
        {"bad point",
         "Line 0,0 1;1 \r\n",
         {1, 10, 9},
         "Line expects a point x,y or an empty entry, found \"1;1\"",
         0},
        {"text in a chain",
         "Line 0,0 1,0 2,0 x,y ",
         {1, 18, 17},
         "Line expects a point x,y or an empty entry, found \"x,y\"",
         2},
        {"no first point",
         "Line \r\n",
         {1, 6, 5},
         "Line expects a first point x,y, found an empty entry",
         0},
        {"bad diameter",
         "Circle 1,1 D .2.5\r\n",
         {1, 14, 13},
         "Circle expects a diameter, found \".2.5\"",
         0},
        {"zero diameter", "Circle 1,1 D 0\r\n", {1, 14, 13}, "a circle needs a size above zero", 0},
        {"circle without size",
         "Circle 1,1 \r\n",
         {1, 12, 11},
         "Circle expects a radius or \"D\", found an empty entry",
         0},
        {"circle option",
         "Circle 3P 0,0 1,0 0,1\r\n",
         {1, 8, 7},
         "Circle expects a centre point x,y, found \"3P\"",
         0},
        {"tab is no blank",
         "Line\t0,0 1,1 \r\n",
         {1, 1, 0},
         "\"Line\t0,0\" is not a command (expected Layer, Line, Circle, ARC or insert)",
         0},
        {"layer option",
         "Layer make X \r\n",
         {1, 7, 6},
         "Layer expects the Layer option \"set\" or an empty entry, found \"make\"",
         0},
        {"layer without name",
         "Layer set \r\n",
         {1, 11, 10},
         "Layer expects a layer name, found an empty entry",
         0},
        {"layer line without its blank",
         "Layer set A\r\nLine 0,0 1,1 \r\n",
         {2, 1, 13},
         "Layer expects the Layer option \"set\" or an empty entry, found \"Line\"",
         0},
        {"collinear arc",
         "ARC 0,0 1,1 2,2 ",
         {1, 13, 12},
         "the arc's three points lie on one line",
         0},
        {"arc start at centre",
         "ARC C 1,1 1,1 2,2 ",
         {1, 11, 10},
         "the arc's start point is its centre",
         0},
        {"arc end along start",
         "ARC C 0,0 1,0 2,0 ",
         {1, 15, 14},
         "the arc's end lies in its start's direction",
         0},
        {"arc beyond doubles",
         "ARC 0,0 1e300,1e300 -1e300,1e300 ",
         {1, 21, 20},
         "the arc is too large to draw",
         0},
        {"arc option",
         "ARC C 0,0 1,0 A 90 ",
         {1, 15, 14},
         "ARC expects an end point x,y, found \"A\"",
         0},
        {"insert bad scale",
         "insert B 1,1 x 1 0 5\r\n",
         {1, 14, 13},
         "insert expects an X scale, found \"x\"",
         0},
        {"never entered",
         "Line 0,0 1,1",
         {1, 10, 9},
         "\"1,1\" is not followed by a blank or a line end, so it is never entered",
         0},
        {"unfinished",
         "Circle 0,0 1\r\nLine 0,0 1,1 ",
         {2, 14, 27},
         "the script ends inside the Line command begun at line 2, column 1, which is left "
         "unfinished",
         2},
        {"extra enter at the end",
         "Line 0,0 1,1 \r\n\r\n",
         {3, 1, 17},
         "the script ends inside the Line command begun at line 2, column 1, which is left "
         "unfinished",
         1},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Interpretation r = InterpretScript(c.script);
        ASSERT_TRUE(r.problem.has_value());
        EXPECT_EQ(r.problem->where, c.where);
        EXPECT_EQ(r.problem->message, c.message);
        EXPECT_EQ(r.drawing.EntityCount(), c.entitiesBefore);
    }
}

TEST(PreviewInterpreter, ProblemDescriptionNamesLineColumnAndByte) {
    const auto r = InterpretScript("Layer set 0 \r\nPline 0,0 1,1 \r\n");
    ASSERT_TRUE(r.problem);
    EXPECT_EQ(r.problem->Describe(),
              "line 2, column 1 (byte 14): \"Pline\" is not a command (expected Layer, Line, "
              "Circle, ARC or insert)");
}

}  // namespace
}  // namespace bw::preview
