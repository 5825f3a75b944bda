// Hole features: hand-worked scripts and pieces where a rounding or a carry shows, check
// messages in OK's order, the tables' columns (directions over many inputs: the preview's).
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "features/feature_test_util.h"
#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"

namespace bw {
namespace {

using test::Face;
using test::Kept;
using test::Rows;
using test::Side;

DrawContext Walls(float x, float y) { return test::At(x, y, "WALLS"); }

DrilledHoleInput Drill(const std::string& csink, const std::string& drill, const std::string& depth,
                       bool countersunk, View view = View::Side, bool hidden = true) {
    return {csink, drill, depth, countersunk, 82, {view, Direction::Right, hidden}};
}

TEST(HoleScripts, WholeScripts) {
    const test::Case cases[] = {
        {"counterbore face", CounterboreScript({CboreSize{.25f, .4375f}, Face()}, Walls(1, 1)),
         "Layer set WALLS \r\nCircle 1,1 D .25\r\nCircle 1,1 D .4375\r\n"},
        {"counterbore face, hidden: only the counterbore is behind the face",
         CounterboreScript({CboreSize{.25f, .4375f}, Face(true)}, Walls(1, 1)),
         "Layer set WALLS \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .4375\r\n"
         "Layer set WALLS \r\n"},
        // Counterbore half .21875 down to the screw's .25, the hole on to four diameters.
        {"counterbore side", CounterboreScript({CboreSize{.25f, .4375f}, Side()}, Walls(0, 0)),
         "Layer set WALLS \r\nLine 0,.21875 .25,.21875 \r\nLine .25,.21875 .25,-.21875 \r\n"
         "Line .25,-.21875 0,-.21875 \r\nLine .25,.125 1,.125 \r\nLine .25,-.125 1,-.125 \r\n"},
        // Not hidden: only the major diameter is on the hidden layer.
        {"tap face", TappedHoleScript({TapSize{.25f, .201f}, std::nullopt, Face()}, Walls(1, 1)),
         "Layer set WALLS \r\nCircle 1,1 D .3125\r\nCircle 1,1 D .201\r\nLayer set HID \r\n"
         "Circle 1,1 D .25\r\nLayer set WALLS \r\n"},
        // R = .25, chamfer 1/32, tap drill half .21095, point .25 x .6008606 = .1502151.
        {"tap side", TappedHoleScript({TapSize{.5f, .4219f}, 1.0f, Side()}, Walls(0, 0)),
         "Layer set WALLS \r\nLine 0,.28125 .03125,.25 \r\nLine .03125,.25 .03125,-.25 \r\n"
         "Line .03125,-.25 0,-.28125 \r\nLine .03125,.25 1,.25 \r\nLine 1,.25 1,-.25 \r\n"
         "Line 1,-.25 .03125,-.25 \r\nLine .03125,.21095 1,.21095 \r\n"
         "Line .03125,-.21095 1,-.21095 \r\nLine 1,-.25 1.150215,0 \r\n"
         "Line 1,.25 1.150215,0 \r\n"},
        {"drill start-up values", DrilledHoleScript(DrilledHoleInput{}, Walls(0, 0)),
         "Layer set HID \r\nLine 0,.25 1,.25 \r\nLine 1,.25 1.150215,0 \r\n"
         "Line 1.150215,0 1,-.25 \r\nLine 1,-.25 0,-.25 \r\nLine 1,.25 1,-.25 \r\n"
         "Layer set WALLS \r\n"},
        // Cone .25 x cot 41 = .2875921 long, then the drill 1 deep and its point .1502151.
        {"drill countersunk 82",
         DrilledHoleScript(Drill("1", ".5", "1", true, View::Side, false), Walls(0, 0)),
         "Layer set WALLS \r\nLine 0,.5 .2875921,.25 \r\nLine .2875921,.25 1.287592,.25 \r\n"
         "Line 1.287592,.25 1.437807,0 \r\nLine 1.437807,0 1.287592,-.25 \r\n"
         "Line 1.287592,-.25 .2875921,-.25 \r\nLine .2875921,-.25 0,-.5 \r\n"
         "Line .2875921,.25 .2875921,-.25 \r\nLine 1.287592,.25 1.287592,-.25 \r\n"},
        {"drill countersunk, equal diameters: a cone of no length, its lines still written",
         DrilledHoleScript(Drill(".5", ".5", "1", true, View::Side, false), Walls(0, 0)),
         "Layer set WALLS \r\nLine 0,.25 0,.25 \r\nLine 0,.25 1,.25 \r\nLine 1,.25 1.150215,0 \r\n"
         "Line 1.150215,0 1,-.25 \r\nLine 1,-.25 0,-.25 \r\nLine 0,-.25 0,-.25 \r\n"
         "Line 0,.25 0,-.25 \r\nLine 1,.25 1,-.25 \r\n"},
        {"drill face, countersunk, hidden",
         DrilledHoleScript(Drill("0.5625", "0.500", "1.000", true, View::Face), Walls(1, 1)),
         "Layer set HID \r\nCircle 1,1 D .5625\r\nCircle 1,1 D .5\r\nLayer set WALLS \r\n"},
        {"drill face, plain, no countersink typed",
         DrilledHoleScript(Drill("", "0.500", "1.000", false, View::Face, false), Walls(1, 1)),
         "Layer set WALLS \r\nCircle 1,1 D .5\r\n"},
        // The thread's roots carry the double cosine of the single angle, times the distance,
        // rounded to single: a single cosine changes a last digit. One turn (.1 long) of a .25
        // thread of 14 per inch, 90; a single cosine would give 1.063141,1 for the first root.
        {"thread at 90: the double cosine",
         ThreadScript({ThreadSize{.25f, 14}, .1f, false, Side(90)}, test::At(1, 1)),
         "Layer set 0 \r\nline .875,1 1.125,1.035714 1.063141,.9999999 \r\n"
         "line 1.125,1.035714 1.063141,1.071429 \r\nline .875,1 .936859,1.035714 .875,1.071429 "
         "\r\nline .936859,1.035714 1.063141,1.071429 \r\n"
         "line .936859,1.035714 1.063141,1.071429 \r\nLayer set 0 \r\n"},
        // A left-hand .216 thread of 13 per inch, 0. Single cosine: .9586174.
        {"left-hand thread: the double cosine",
         ThreadScript({ThreadSize{.216f, 13}, .1f, true, {}}, test::At(1, 1)),
         "Layer set 0 \r\nline 1,.892 1.038462,1.108 1,1.041383 \r\n"
         "line 1.038462,1.108 1.076923,1.041383 \r\nline 1,.892 1.038462,.9586173 1.076923,.892 "
         "\r\nline 1.038462,.9586173 1.076923,1.041383 \r\n"
         "line 1.038462,.9586173 1.076923,1.041383 \r\nLayer set 0 \r\n"},
    };
    test::ExpectCases(cases);
}

TEST(HoleScripts, PiecesWhereARoundingOrACarryShows) {
    const std::string tenTurns = ThreadScript({ThreadSize{.25f, 20}, .5f}, Walls(1, 1));
    // Each script (got) holds its piece (expected).
    const test::Case cases[] = {
        // Drill .257 (the single .25699999928), countersink 1, depth 1: cone .4273619 and
        // point .07721058. Their exact sum with the depth, 1.5045724586, rounds to the single
        // 1.5045725; rounding after each term would give 1.5045724 (1.504572).
        {"drill: axial sums rounded once",
         DrilledHoleScript(Drill("1", ".257", "1", true), Walls(0, 0)), " 1.504573,0 \r\n"},
        // The first turn is the command line test's. The tenth starts at 1.45; its last line
        // is written twice, and the current layer is set again even without hidden.
        {"thread: the last turn", tenTurns,
         "\r\nline 1.45,1.125 1.475,.875 1.45,.9183013 \r\nline 1.475,.875 1.5,.9183013 \r\n"
         "line 1.45,1.125 1.475,1.081699 1.5,1.125 \r\nline 1.475,1.081699 1.5,.9183013 \r\n"
         "line 1.475,1.081699 1.5,.9183013 \r\nLayer set WALLS \r\n"},
        // C5's x is what is left of C3's .025 after half a pitch back along the single 120
        // degrees: -7.450581E-09 with the double cosine, -9.313226E-09 with a single one.
        {"thread at the origin: exponent form",
         ThreadScript({ThreadSize{.25f, 20}, .5f}, Walls(0, 0)),
         "Layer set WALLS \r\nline -5.463924E-09,.125 .02499999,-.125 -7.450581E-09,-.08169873 "
         "\r\n"},
        // 99 pitches of the single .05 (.0500000007) added one at a time, each sum rounded to
        // single, put the hundredth turn at 5.950005, not at 1 + 99 x .05 = 5.95.
        {"thread: the start carries its rounding from turn to turn",
         ThreadScript({ThreadSize{.25f, 20}, 5.0f}, Walls(1, 1)), "\r\nline 5.950005,1.125 "},
    };
    for (const auto& c : cases) {
        EXPECT_NE(c.got->find(c.expected), std::string::npos) << c.what << "\n" << *c.got;
    }
    // Four lines a turn and three more; the length is cut to whole turns (10.2 draw 10), but
    // .35 as a single, a little below .35, makes 20 x .35 = 7 turns in single arithmetic.
    const std::pair<float, std::ptrdiff_t> lineCounts[] = {{.5f, 43}, {.51f, 43}, {.35f, 31}};
    for (auto [length, lines] : lineCounts) {
        const std::string script = ThreadScript({ThreadSize{.25f, 20}, length}, Walls(1, 1));
        EXPECT_EQ(std::ranges::count(script, '\n'), lines) << length;
    }
}

TEST(HoleChecks, MessagesInTheOrderOkRunsThem) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::string tiny = "." + std::string(50, '0') + "1";
    const test::Case cases[] = {
        {"cbore: screw before counterbore", CheckCounterbore({CboreSize{0, 0}, Face(true)}),
         "Screw Diameter Must Be Greater Than Zero"},
        {"cbore: negative counterbore", CheckCounterbore({CboreSize{.25f, -1}, Face(true)}),
         "Counterbore Diameter Must Be Greater Than Zero"},
        {"tap: size before depth", CheckTappedHole({}), "You Must Select Tap Size"},
        {"tap: side without depth",
         CheckTappedHole({TapSize{.25f, .201f}, std::nullopt, Side(0, true)}),
         "You Must Select Depth"},
        {"tap: face without depth",
         CheckTappedHole({TapSize{.25f, .201f}, std::nullopt, Face(true)}), nullptr},
        {"tap: depth before diameters",
         CheckTappedHole({TapSize{0, .201f}, std::nullopt, Side(0, true)}),
         "You Must Select Depth"},
        {"tap: negative drill", CheckTappedHole({TapSize{.25f, -.2f}, .5f, Face(true)}),
         "Tap Diameter Must Be Greater Than Zero"},
        {"tap: major not a number", CheckTappedHole({TapSize{nan, .201f}, .5f, Side(0, true)}),
         "Tap Diameter Must Be Greater Than Zero"},
        {"tap: zero depth", CheckTappedHole({TapSize{.25f, .201f}, 0, Side(0, true)}),
         "Depth Must Be Greater Than Zero"},
        {"tap: face ignores a zero depth", CheckTappedHole({TapSize{.25f, .201f}, 0, Face(true)}),
         nullptr},
        {"thread: size before depth", CheckThread({std::nullopt, .5f}),
         "You Must Select Thread Size"},
        {"thread: zero diameter", CheckThread({ThreadSize{0, 20}, .5f}),
         "Thread Diameter Must Be Greater Than Zero"},
        {"thread: negative threads per unit", CheckThread({ThreadSize{.25f, -20}, .5f}),
         "Threads Per Unit Must Be Greater Than Zero"},
        {"thread: zero length", CheckThread({ThreadSize{.25f, 20}, 0}),
         "Depth Must Be Greater Than Zero"},
        {"thread: less than a turn", CheckThread({ThreadSize{.25f, 20}, .04f}),
         "Depth Is Shorter Than One Thread"},
        {"thread: exactly one turn", CheckThread({ThreadSize{.25f, 20}, .05f}), nullptr},
        {"thread: 32767 turns", CheckThread({ThreadSize{.25f, 1}, 32767.9f}), nullptr},
        {"thread: 32768 turns", CheckThread({ThreadSize{.25f, 1}, 32768}),
         "Thread Has More Than 32767 Turns"},
        {"drill: countersink first", CheckDrilledHole(Drill("", "", "", true)),
         "You Must Supply Countersink Diameter"},
        {"drill: a lone point is no countersink", CheckDrilledHole(Drill(".", ".5", "1", true)),
         "You Must Supply Countersink Diameter"},
        {"drill: countersink not asked for", CheckDrilledHole(Drill("", ".5", "1", false)),
         nullptr},
        {"drill: drill before depth", CheckDrilledHole(Drill("1", "", "", false)),
         "You Must Supply Drill Diameter"},
        {"drill: zero drill", CheckDrilledHole(Drill("1", "0.000", "1", false)),
         "You Must Supply Drill Diameter"},
        {"drill: face view still needs a depth",
         CheckDrilledHole(Drill("1", ".5", "", false, View::Face)), "You Must Supply Drill Depth"},
        {"drill: a depth a single rounds to zero", CheckDrilledHole(Drill("1", ".5", tiny, false)),
         "You Must Supply Drill Depth"},
        {"drill: narrow countersink", CheckDrilledHole(Drill(".25", ".5", "1", true)),
         "Drill Diameter Is Larger Than Countersink Diameter"},
        {"drill: narrow countersink not asked for",
         CheckDrilledHole(Drill(".25", ".5", "1", false)), nullptr},
        {"drill: equal diameters", CheckDrilledHole(Drill(".5", ".5", "1", true)), nullptr},
        // A box with two points counts up to the second: 1.2.5 is 1.2.
        {"drill: 1.2.5 is 1.2", CheckDrilledHole(Drill("1.2", "1.2.5", "1", true)), nullptr},
        {"drill: 1.2.5 is wider than 1.19", CheckDrilledHole(Drill("1.19", "1.2.5", "1", true)),
         "Drill Diameter Is Larger Than Countersink Diameter"},
    };
    test::ExpectCases(cases);
}

TEST(ScriptNumber15, FifteenSignificantDigitsWithoutLeadingOrTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        // The single .19 widened to double, plus a sixteenth: a tap's chamfer circle.
        {static_cast<double>(.19f) + .0625, ".252499997615814"},
        {-0.0, "0"},
        {-0.5, "-.5"},
        {2.0 / 3.0, ".666666666666667"},
        {9.9999999999999999, "10"},
        {0.000001, "1E-06"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
    };
    for (auto [value, text] : cases) {
        std::string written;
        AppendNumber(written, value, NumberForm::Fifteen);
        EXPECT_EQ(written, text) << text;
    }
}

TEST(HoleTables, FieldsLandInTheirColumns) {
    // The tap, counterbore and countersink columns show in how the shipped rows nest; the
    // sections' counts in the table files test. Threads per unit are whole 16-bit counts:
    // 12.5 goes to the even 12.
    const auto thread = ParseThreadTable("2\r\nA,.25,20\r\nB,.5,12.5\r\n1\r\nL,.5\r\n");
    EXPECT_EQ(Kept(thread, Rows(thread.table.sizeLabels, thread.table.diameter,
                                thread.table.threadsPerUnit)),
              "A|0.25|20; B|0.5|12");
    EXPECT_EQ(Rows(thread.table.depthLabels, thread.table.depth), "L|0.5");
    const auto nested = [](const auto& labels, const auto& inner, const auto& outer) {
        for (size_t i = 0; i < labels.size(); ++i) EXPECT_LT(inner[i], outer[i]) << labels[i];
    };
    const TapTable tap = LoadTapTable(BW_DATA_DIR).table;
    nested(tap.sizeLabels, tap.drillDiameter, tap.majorDiameter);
    const CboreTable cbore = LoadCboreTable(BW_DATA_DIR).table;
    nested(cbore.labels, cbore.screwDiameter, cbore.cboreDiameter);
    const CsinkTable csink = LoadCsinkTable(BW_DATA_DIR).table;
    nested(csink.labels, csink.drillDiameter, csink.csinkDiameter);
}

}  // namespace
}  // namespace bw
