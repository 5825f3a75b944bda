#include "features/holes/counterbore.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

DrawContext Context(float x, float y) {
    DrawContext c;
    c.BasePoint = {x, y};
    c.CurrentLayer = "WALLS";
    c.HiddenLayer = "HID";
    return c;
}

CounterboreInput Input(float screw, float cbore, View view, bool hidden, int direction = 0) {
    CounterboreInput in;
    in.size = CboreSize{screw, cbore};
    in.view = view;
    in.hidden = hidden;
    in.direction = direction;
    return in;
}

TEST(CounterboreFace, NotHiddenDrawsBothCirclesOnTheCurrentLayer) {
    EXPECT_EQ(CounterboreScript(Input(.25f, .4375f, View::Face, false), Context(1, 1)),
              "Layer set WALLS \r\n"
              "Circle 1,1 D .25\r\n"
              "Circle 1,1 D .4375\r\n");
}

TEST(CounterboreFace, HiddenPutsOnlyTheCounterboreOnTheHiddenLayer) {
    EXPECT_EQ(CounterboreScript(Input(.25f, .4375f, View::Face, true), Context(1, 1)),
              "Layer set WALLS \r\n"
              "Circle 1,1 D .25\r\n"
              "Layer set HID \r\n"
              "Circle 1,1 D .4375\r\n"
              "Layer set WALLS \r\n");
}

TEST(CounterboreSide, DirectionZeroAtTheOrigin) {
    // Counterbore half .21875 down to the screw's diameter .25, the hole to four diameters.
    EXPECT_EQ(CounterboreScript(Input(.25f, .4375f, View::Side, false), Context(0, 0)),
              "Layer set WALLS \r\n"
              "Line 0,.21875 .25,.21875 \r\n"
              "Line .25,.21875 .25,-.21875 \r\n"
              "Line .25,-.21875 0,-.21875 \r\n"
              "Line .25,.125 1,.125 \r\n"
              "Line .25,-.125 1,-.125 \r\n");
}

TEST(CounterboreSide, DirectionTwoSeventyHiddenIsAQuarterTurnClockwise) {
    // At 270 a point (u, v) lands at B + (v, -u): the hole runs down from (1,1).
    EXPECT_EQ(CounterboreScript(Input(.25f, .4375f, View::Side, true, 270), Context(1, 1)),
              "Layer set HID \r\n"
              "Line 1.21875,1 1.21875,.75 \r\n"
              "Line 1.21875,.75 .78125,.75 \r\n"
              "Line .78125,.75 .78125,1 \r\n"
              "Line 1.125,.75 1.125,0 \r\n"
              "Line .875,.75 .875,0 \r\n"
              "Layer set WALLS \r\n");
}

TEST(CounterboreSide, DirectionNinetyRunsTowardsPlusY) {
    // At 90 a point lands at B + (-v, u).
    EXPECT_EQ(CounterboreScript(Input(.5f, .8125f, View::Side, false, 90), Context(0, 0)),
              "Layer set WALLS \r\n"
              "Line -.40625,0 -.40625,.5 \r\n"
              "Line -.40625,.5 .40625,.5 \r\n"
              "Line .40625,.5 .40625,0 \r\n"
              "Line -.25,.5 -.25,2 \r\n"
              "Line .25,.5 .25,2 \r\n");
}

TEST(CounterboreSide, DirectionOneEightyRunsTowardsMinusX) {
    EXPECT_EQ(CounterboreScript(Input(.25f, .4375f, View::Side, false, 180), Context(2, 2)),
              "Layer set WALLS \r\n"
              "Line 2,1.78125 1.75,1.78125 \r\n"
              "Line 1.75,1.78125 1.75,2.21875 \r\n"
              "Line 1.75,2.21875 2,2.21875 \r\n"
              "Line 1.75,1.875 1,1.875 \r\n"
              "Line 1.75,2.125 1,2.125 \r\n");
}

TEST(CounterboreChecks, MessagesInOrder) {
    CounterboreInput none;
    EXPECT_EQ(CheckCounterbore(none), "You Must Select Screw Size");
    EXPECT_EQ(CheckCounterbore(Input(.25f, .4375f, View::Side, true)), std::nullopt);
    EXPECT_EQ(CheckCounterbore(Input(0.0f, .4375f, View::Side, true)),
              "Screw Diameter Must Be Greater Than Zero");
    EXPECT_EQ(CheckCounterbore(Input(.25f, -1.0f, View::Face, true)),
              "Counterbore Diameter Must Be Greater Than Zero");
    EXPECT_EQ(CheckCounterbore(Input(0.0f, 0.0f, View::Face, true)),
              "Screw Diameter Must Be Greater Than Zero");
}

}  // namespace
}  // namespace bw
