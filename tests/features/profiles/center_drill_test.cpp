// Center drill holes: face circles and the section along the axis.
#include <gtest/gtest.h>

#include <limits>

#include "features/profiles/center_drill.h"

namespace bw {
namespace {

DrawContext At(float x, float y, const std::string& current = "0",
               const std::string& hidden = "0") {
    DrawContext c;
    c.BasePoint = {x, y};
    c.CurrentLayer = current;
    c.HiddenLayer = hidden;
    return c;
}

CenterDrillInput Plain(float d1, float d2, float l, View view, int direction, bool hidden) {
    CenterDrillInput input;
    input.plain = PlainCenterDrill{"#1", d1, d2, l};
    input.view = view;
    input.direction = direction;
    input.hidden = hidden;
    return input;
}

CenterDrillInput Bell(float b1, float b2, float b3, View view, int direction, bool hidden) {
    CenterDrillInput input;
    input.bell = BellCenterDrill{"#11", b1, b2, b3};
    input.view = view;
    input.direction = direction;
    input.hidden = hidden;
    return input;
}

TEST(CenterDrill, PlainSideViewAtZero) {
    // h1 = .09375 × cot 30 ≈ .1623798, h2 = .03125 × cot 59 ≈ .0187769.
    EXPECT_EQ(CenterDrillScript(Plain(0.25f, 0.0625f, 0.0625f, View::Side, 0, false), At(1, 1)),
              "Layer set 0 \r\n"
              "Line 1,1.125 1.16238,1.03125 \r\n"
              "Line 1.16238,1.03125 1.22488,1.03125 \r\n"
              "Line 1.22488,1.03125 1.243657,1 \r\n"
              "Line 1.243657,1 1.22488,.96875 \r\n"
              "Line 1.22488,.96875 1.16238,.96875 \r\n"
              "Line 1.16238,.96875 1,.875 \r\n"
              "Line 1.16238,1.03125 1.16238,.96875 \r\n"
              "Line 1.22488,1.03125 1.22488,.96875 \r\n");
}

TEST(CenterDrill, PlainSideViewAt270RunsDownwards) {
    EXPECT_EQ(CenterDrillScript(Plain(0.25f, 0.0625f, 0.0625f, View::Side, 270, true),
                                At(1, 1, "0", "HID")),
              "Layer set HID \r\n"
              "Line 1.125,1 1.03125,.8376203 \r\n"
              "Line 1.03125,.8376203 1.03125,.7751203 \r\n"
              "Line 1.03125,.7751203 1,.7563434 \r\n"
              "Line 1,.7563434 .96875,.7751203 \r\n"
              "Line .96875,.7751203 .96875,.8376203 \r\n"
              "Line .96875,.8376203 .875,1 \r\n"
              "Line 1.03125,.8376203 .96875,.8376203 \r\n"
              "Line 1.03125,.7751203 .96875,.7751203 \r\n"
              "Layer set 0 \r\n");
}

TEST(CenterDrill, PlainSideViewAt90And180TurnsTheSameProfile) {
    const std::string at90 =
        CenterDrillScript(Plain(0.25f, 0.0625f, 0.0625f, View::Side, 90, false), At(0, 0));
    EXPECT_EQ(at90.substr(0, at90.find("\r\nLine", 20)),
              "Layer set 0 \r\nLine -.125,0 -.03125,.1623798 ");
    const std::string at180 =
        CenterDrillScript(Plain(0.25f, 0.0625f, 0.0625f, View::Side, 180, false), At(0, 0));
    EXPECT_EQ(at180.substr(0, at180.find("\r\nLine", 20)),
              "Layer set 0 \r\nLine 0,-.125 -.1623798,-.03125 ");
}

TEST(CenterDrill, FaceCirclesUseThePlainNumberForm) {
    EXPECT_EQ(CenterDrillScript(Plain(0.25f, 0.0625f, 0.0625f, View::Face, 90, true),
                                At(1, 1, "0", "HID")),
              "Layer set HID \r\nCircle 1,1 D 0.25\r\nCircle 1,1 D 0.0625\r\nLayer set 0 \r\n");
    EXPECT_EQ(CenterDrillScript(Plain(0.4375f, 0.1875f, 0.1875f, View::Face, 0, false), At(2, 0)),
              "Layer set 0 \r\nCircle 2,0 D 0.4375\r\nCircle 2,0 D 0.1875\r\n");
}

TEST(CenterDrill, BellFaceWritesTheCirclesOutermostFirst) {
    EXPECT_EQ(CenterDrillScript(Bell(0.5f, 0.125f, 0.3125f, View::Face, 0, false), At(1, 1)),
              "Layer set 0 \r\nCircle 1,1 D 0.5\r\nCircle 1,1 D 0.3125\r\n"
              "Circle 1,1 D 0.125\r\n");
}

TEST(CenterDrill, BellSideViewHasTheChamferAndAPilotAsLongAsItIsWide) {
    // h0 = .09375 × cot 60 ≈ .0541266, h1 ≈ .1623798; the pilot runs from .2165064 to
    // .3415064.
    EXPECT_EQ(CenterDrillScript(Bell(0.5f, 0.125f, 0.3125f, View::Side, 0, false), At(1, 1)),
              "Layer set 0 \r\n"
              "Line 1,1.25 1.054127,1.15625 \r\n"
              "Line 1.054127,1.15625 1.216506,1.0625 \r\n"
              "Line 1.216506,1.0625 1.341506,1.0625 \r\n"
              "Line 1.341506,1.0625 1.37906,1 \r\n"
              "Line 1.37906,1 1.341506,.9375 \r\n"
              "Line 1.341506,.9375 1.216506,.9375 \r\n"
              "Line 1.216506,.9375 1.054127,.84375 \r\n"
              "Line 1.054127,.84375 1,.75 \r\n"
              "Line 1.054127,1.15625 1.054127,.84375 \r\n"
              "Line 1.216506,1.0625 1.216506,.9375 \r\n"
              "Line 1.341506,1.0625 1.341506,.9375 \r\n");
}

TEST(CenterDrill, NothingSelectedIsRefused) {
    EXPECT_EQ(CheckCenterDrill(CenterDrillInput{}), std::string("You Must Select Drill Size"));
}

TEST(CenterDrill, ARecordThatCannotMakeAHoleIsRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct {
        float a, b, c;
        bool plainOk, bellOk;
    } cases[] = {
        {0.25f, 0.0625f, 0.0625f, true, false},  // bell: cone (.0625) narrower than pilot
        {0.5f, 0.125f, 0.3125f, true, true},    {0.0f, 0.0625f, 0.1f, false, false},  // zero
        {0.25f, -0.0625f, 0.1f, false, false},                                        // negative
        {nan, 0.0625f, 0.1f, false, false},   // not a number
        {0.25f, 0.0625f, inf, false, false},  // not a size
        {0.25f, 0.25f, 0.25f, false, false},  // pilot as wide as the cone
        {0.5f, 0.125f, 0.5f, true, false},    // bell: cone as wide as the chamfer
    };
    for (const auto& c : cases) {
        const auto plain = CheckCenterDrill(Plain(c.a, c.b, c.c, View::Side, 0, true));
        const auto bell = CheckCenterDrill(Bell(c.a, c.b, c.c, View::Side, 0, true));
        EXPECT_EQ(plain, c.plainOk ? std::nullopt
                                   : std::optional<std::string>("Drill Size Data Is Invalid"))
            << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(bell, c.bellOk ? std::nullopt
                                 : std::optional<std::string>("Drill Size Data Is Invalid"))
            << c.a << " " << c.b << " " << c.c;
    }
}

}  // namespace
}  // namespace bw
