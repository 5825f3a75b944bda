#include "features/holes/tapped_hole.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include <cmath>
#include <limits>

namespace bw {
namespace {

// Distinct layer names, so a line on the wrong layer cannot pass unnoticed.
DrawContext Context(float x, float y) { return test::At(x, y, "WALLS", "HID"); }

TappedHoleInput Input(float major, float drill, std::optional<float> depth, View view, bool hidden,
                      int direction = 0) {
    TappedHoleInput in;
    in.size = TapSize{major, drill};
    in.depth = depth;
    in.view = view;
    in.hidden = hidden;
    in.direction = direction;
    return in;
}

struct ScriptCase {
    TappedHoleInput in;
    DrawContext context;
    const char* script;
};

TEST(TappedHoleScript, FaceAndSideInEachDirectionWithAndWithoutHidden) {
    const ScriptCase cases[] = {
        // Not hidden: only the major diameter is on the hidden layer.
        {Input(.25f, .201f, std::nullopt, View::Face, false), Context(1, 1),
         "Layer set WALLS \r\nCircle 1,1 D .3125\r\nCircle 1,1 D .201\r\nLayer set HID \r\n"
         "Circle 1,1 D .25\r\nLayer set WALLS \r\n"},
        // The single .19 widened to double is .18999999761581..., so the chamfer circle is
        // .252499997615814 in fifteen digits, not .2525.
        {Input(.19f, .1495f, std::nullopt, View::Face, true, 270), Context(1, 1),
         "Layer set HID \r\nCircle 1,1 D .19\r\nCircle 1,1 D .252499997615814\r\n"
         "Circle 1,1 D .1495\r\nLayer set WALLS \r\n"},
        {Input(1.0f, .875f, std::nullopt, View::Face, false), Context(2, 3),
         "Layer set WALLS \r\nCircle 2,3 D 1.0625\r\nCircle 2,3 D .875\r\nLayer set HID \r\n"
         "Circle 2,3 D 1\r\nLayer set WALLS \r\n"},
        // R = .25, chamfer 1/32, tap drill half .21095, point length .25 x .6008606 = .1502151.
        {Input(.5f, .4219f, 1.0f, View::Side, false), Context(0, 0),
         "Layer set WALLS \r\nLine 0,.28125 .03125,.25 \r\nLine .03125,.25 .03125,-.25 \r\n"
         "Line .03125,-.25 0,-.28125 \r\nLine .03125,.25 1,.25 \r\nLine 1,.25 1,-.25 \r\n"
         "Line 1,-.25 .03125,-.25 \r\nLine .03125,.21095 1,.21095 \r\n"
         "Line .03125,-.21095 1,-.21095 \r\nLine 1,-.25 1.150215,0 \r\n"
         "Line 1,.25 1.150215,0 \r\n"},
        {Input(.5f, .4219f, 1.0f, View::Side, false, 180), Context(0, 0),
         "Layer set WALLS \r\nLine 0,-.28125 -.03125,-.25 \r\n"
         "Line -.03125,-.25 -.03125,.25 \r\nLine -.03125,.25 0,.28125 \r\n"
         "Line -.03125,-.25 -1,-.25 \r\nLine -1,-.25 -1,.25 \r\nLine -1,.25 -.03125,.25 \r\n"
         "Line -.03125,-.21095 -1,-.21095 \r\nLine -.03125,.21095 -1,.21095 \r\n"
         "Line -1,.25 -1.150215,0 \r\nLine -1,-.25 -1.150215,0 \r\n"},
        // At 90 a point (u, v) lands at B + (-v, u): the hole runs up from (2,3).
        {Input(.5f, .4219f, 1.0f, View::Side, true, 90), Context(2, 3),
         "Layer set HID \r\nLine 1.71875,3 1.75,3.03125 \r\nLine 1.75,3.03125 2.25,3.03125 \r\n"
         "Line 2.25,3.03125 2.28125,3 \r\nLine 1.75,3.03125 1.75,4 \r\nLine 1.75,4 2.25,4 \r\n"
         "Line 2.25,4 2.25,3.03125 \r\nLine 1.78905,3.03125 1.78905,4 \r\n"
         "Line 2.21095,3.03125 2.21095,4 \r\nLine 2.25,4 2,4.150215 \r\n"
         "Line 1.75,4 2,4.150215 \r\nLayer set WALLS \r\n"},
    };
    for (const ScriptCase& c : cases) {
        EXPECT_EQ(TappedHoleScript(c.in, c.context), c.script)
            << "direction " << c.in.direction << " hidden " << c.in.hidden;
    }
}

TEST(TappedHoleChecks, MessagesInTheOrderOfTheOk) {
    struct Case {
        const char* what;
        TappedHoleInput input;
        std::optional<std::string> message;
    };
    TappedHoleInput noSize;
    noSize.depth = 1.0f;
    TappedHoleInput nothing;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"no size", noSize, "You Must Select Tap Size"},
        {"no size and no depth", nothing, "You Must Select Tap Size"},
        {"side without depth", Input(.25f, .201f, std::nullopt, View::Side, true),
         "You Must Select Depth"},
        {"face without depth", Input(.25f, .201f, std::nullopt, View::Face, true), std::nullopt},
        {"side with depth", Input(.25f, .201f, .5f, View::Side, true), std::nullopt},
        {"zero major", Input(0.0f, .201f, .5f, View::Side, true),
         "Tap Diameter Must Be Greater Than Zero"},
        {"negative drill", Input(.25f, -.2f, .5f, View::Face, true),
         "Tap Diameter Must Be Greater Than Zero"},
        {"major not a number", Input(nan, .201f, .5f, View::Side, true),
         "Tap Diameter Must Be Greater Than Zero"},
        {"side without depth before a zero major",
         Input(0.0f, .201f, std::nullopt, View::Side, true), "You Must Select Depth"},
        {"zero depth", Input(.25f, .201f, 0.0f, View::Side, true),
         "Depth Must Be Greater Than Zero"},
        {"face ignores a zero depth", Input(.25f, .201f, 0.0f, View::Face, true), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckTappedHole(c.input), c.message) << c.what;
    }
}

}  // namespace
}  // namespace bw
