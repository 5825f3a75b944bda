#include "features/holes/tapped_hole.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace bw {
namespace {

// Distinct layer names, so a line on the wrong layer cannot pass unnoticed.
DrawContext Context(float x, float y) {
    DrawContext c;
    c.BasePoint = {x, y};
    c.CurrentLayer = "WALLS";
    c.HiddenLayer = "HID";
    return c;
}

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

TEST(TappedHoleFace, NotHiddenPutsOnlyTheMajorDiameterOnTheHiddenLayer) {
    const auto in = Input(.25f, .201f, std::nullopt, View::Face, false);
    EXPECT_EQ(TappedHoleScript(in, Context(1, 1)),
              "Layer set WALLS \r\n"
              "Circle 1,1 D .3125\r\n"
              "Circle 1,1 D .201\r\n"
              "Layer set HID \r\n"
              "Circle 1,1 D .25\r\n"
              "Layer set WALLS \r\n");
}

TEST(TappedHoleFace, HiddenPutsAllThreeCirclesOnTheHiddenLayerMajorFirst) {
    // The single .19 widened to double is .18999999761581..., so the chamfer circle is
    // .252499997615814 in fifteen digits, not .2525.
    const auto in = Input(.19f, .1495f, std::nullopt, View::Face, true);
    EXPECT_EQ(TappedHoleScript(in, Context(1, 1)),
              "Layer set HID \r\n"
              "Circle 1,1 D .19\r\n"
              "Circle 1,1 D .252499997615814\r\n"
              "Circle 1,1 D .1495\r\n"
              "Layer set WALLS \r\n");
}

TEST(TappedHoleFace, ChamferCircleOfAWholeSizeHasNoTrailingZeros) {
    const auto in = Input(1.0f, .875f, std::nullopt, View::Face, false);
    const std::string script = TappedHoleScript(in, Context(2, 3));
    EXPECT_NE(script.find("Circle 2,3 D 1.0625\r\n"), std::string::npos) << script;
}

TEST(TappedHoleFace, DirectionPlaysNoPart) {
    const auto zero = Input(.25f, .201f, std::nullopt, View::Face, true, 0);
    const auto turned = Input(.25f, .201f, std::nullopt, View::Face, true, 270);
    EXPECT_EQ(TappedHoleScript(zero, Context(1, 1)), TappedHoleScript(turned, Context(1, 1)));
}

TEST(TappedHoleSide, DirectionZeroAtTheOrigin) {
    // R = .25, chamfer 1/32, tap drill half .21095, point length .25 × .6008606 = .1502151.
    const auto in = Input(.5f, .4219f, 1.0f, View::Side, false);
    EXPECT_EQ(TappedHoleScript(in, Context(0, 0)),
              "Layer set WALLS \r\n"
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

TEST(TappedHoleSide, DirectionOneEightyIsAHalfTurnAboutTheBase) {
    const auto in = Input(.5f, .4219f, 1.0f, View::Side, false, 180);
    EXPECT_EQ(TappedHoleScript(in, Context(0, 0)),
              "Layer set WALLS \r\n"
              "Line 0,-.28125 -.03125,-.25 \r\n"
              "Line -.03125,-.25 -.03125,.25 \r\n"
              "Line -.03125,.25 0,.28125 \r\n"
              "Line -.03125,-.25 -1,-.25 \r\n"
              "Line -1,-.25 -1,.25 \r\n"
              "Line -1,.25 -.03125,.25 \r\n"
              "Line -.03125,-.21095 -1,-.21095 \r\n"
              "Line -.03125,.21095 -1,.21095 \r\n"
              "Line -1,.25 -1.150215,0 \r\n"
              "Line -1,-.25 -1.150215,0 \r\n");
}

TEST(TappedHoleSide, DirectionNinetyHiddenRunsTowardsPlusYOnTheHiddenLayer) {
    // At 90 a point (u, v) lands at B + (-v, u): the hole runs up from (2,3).
    const auto in = Input(.5f, .4219f, 1.0f, View::Side, true, 90);
    EXPECT_EQ(TappedHoleScript(in, Context(2, 3)),
              "Layer set HID \r\n"
              "Line 1.71875,3 1.75,3.03125 \r\n"
              "Line 1.75,3.03125 2.25,3.03125 \r\n"
              "Line 2.25,3.03125 2.28125,3 \r\n"
              "Line 1.75,3.03125 1.75,4 \r\n"
              "Line 1.75,4 2.25,4 \r\n"
              "Line 2.25,4 2.25,3.03125 \r\n"
              "Line 1.78905,3.03125 1.78905,4 \r\n"
              "Line 2.21095,3.03125 2.21095,4 \r\n"
              "Line 2.25,4 2,4.150215 \r\n"
              "Line 1.75,4 2,4.150215 \r\n"
              "Layer set WALLS \r\n");
}

TEST(TappedHoleSide, DirectionTwoSeventyRunsTowardsMinusY) {
    const auto in = Input(.5f, .4219f, 1.0f, View::Side, false, 270);
    const std::string script = TappedHoleScript(in, Context(0, 0));
    // Q1 = (R + 1/32, 0), Q2 = (R, -1/32), tip at (0, -(1 + H)).
    EXPECT_EQ(script.substr(0, script.find("\r\n", 20) + 2),
              "Layer set WALLS \r\nLine .28125,0 .25,-.03125 \r\n");
    EXPECT_NE(script.find("Line -.25,-1 0,-1.150215 \r\n"), std::string::npos) << script;
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
