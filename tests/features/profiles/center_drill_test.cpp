// Center drill holes: face circles and the section along the axis.
#include <gtest/gtest.h>

#include <limits>

#include "features/feature_test_util.h"
#include "features/profiles/center_drill.h"

namespace bw {
namespace {

using test::At;

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

struct ScriptCase {
    CenterDrillInput in;
    DrawContext context;
    const char* script;
};

TEST(CenterDrill, PlainAndBellFaceAndSideViews) {
    const ScriptCase cases[] = {
        // h1 = .09375 x cot 30 = .1623798, h2 = .03125 x cot 59 = .0187769.
        {Plain(0.25f, 0.0625f, 0.0625f, View::Side, 0, false), At(1, 1),
         "Layer set 0 \r\nLine 1,1.125 1.16238,1.03125 \r\nLine 1.16238,1.03125 1.22488,1.03125 "
         "\r\nLine 1.22488,1.03125 1.243657,1 \r\nLine 1.243657,1 1.22488,.96875 \r\n"
         "Line 1.22488,.96875 1.16238,.96875 \r\nLine 1.16238,.96875 1,.875 \r\n"
         "Line 1.16238,1.03125 1.16238,.96875 \r\nLine 1.22488,1.03125 1.22488,.96875 \r\n"},
        {Plain(0.25f, 0.0625f, 0.0625f, View::Side, 270, true), At(1, 1, "0", "HID"),
         "Layer set HID \r\nLine 1.125,1 1.03125,.8376203 \r\n"
         "Line 1.03125,.8376203 1.03125,.7751203 \r\nLine 1.03125,.7751203 1,.7563434 \r\n"
         "Line 1,.7563434 .96875,.7751203 \r\nLine .96875,.7751203 .96875,.8376203 \r\n"
         "Line .96875,.8376203 .875,1 \r\nLine 1.03125,.8376203 .96875,.8376203 \r\n"
         "Line 1.03125,.7751203 .96875,.7751203 \r\nLayer set 0 \r\n"},
        // The face circles take the plain number form.
        {Plain(0.25f, 0.0625f, 0.0625f, View::Face, 90, true), At(1, 1, "0", "HID"),
         "Layer set HID \r\nCircle 1,1 D 0.25\r\nCircle 1,1 D 0.0625\r\nLayer set 0 \r\n"},
        {Plain(0.4375f, 0.1875f, 0.1875f, View::Face, 0, false), At(2, 0),
         "Layer set 0 \r\nCircle 2,0 D 0.4375\r\nCircle 2,0 D 0.1875\r\n"},
        // A bell's circles outermost first.
        {Bell(0.5f, 0.125f, 0.3125f, View::Face, 0, false), At(1, 1),
         "Layer set 0 \r\nCircle 1,1 D 0.5\r\nCircle 1,1 D 0.3125\r\nCircle 1,1 D 0.125\r\n"},
        // h0 = .09375 x cot 60 = .0541266, h1 = .1623798; the pilot, as long as it is wide,
        // runs from .2165064 to .3415064.
        {Bell(0.5f, 0.125f, 0.3125f, View::Side, 0, false), At(1, 1),
         "Layer set 0 \r\nLine 1,1.25 1.054127,1.15625 \r\nLine 1.054127,1.15625 1.216506,1.0625 "
         "\r\nLine 1.216506,1.0625 1.341506,1.0625 \r\nLine 1.341506,1.0625 1.37906,1 \r\n"
         "Line 1.37906,1 1.341506,.9375 \r\nLine 1.341506,.9375 1.216506,.9375 \r\n"
         "Line 1.216506,.9375 1.054127,.84375 \r\nLine 1.054127,.84375 1,.75 \r\n"
         "Line 1.054127,1.15625 1.054127,.84375 \r\nLine 1.216506,1.0625 1.216506,.9375 \r\n"
         "Line 1.341506,1.0625 1.341506,.9375 \r\n"},
    };
    for (const ScriptCase& c : cases) {
        EXPECT_EQ(CenterDrillScript(c.in, c.context), c.script)
            << "direction " << c.in.direction << " hidden " << c.in.hidden;
    }
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
