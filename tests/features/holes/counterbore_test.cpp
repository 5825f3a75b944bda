#include "features/holes/counterbore.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

namespace bw {
namespace {

DrawContext Context(float x, float y) { return test::At(x, y, "WALLS", "HID"); }

CounterboreInput Input(float screw, float cbore, View view, bool hidden, int direction = 0) {
    CounterboreInput in;
    in.size = CboreSize{screw, cbore};
    in.view = view;
    in.hidden = hidden;
    in.direction = direction;
    return in;
}

struct ScriptCase {
    CounterboreInput in;
    DrawContext context;
    const char* script;
};

TEST(CounterboreScript, FaceAndSideInEachDirectionWithAndWithoutHidden) {
    const ScriptCase cases[] = {
        {Input(.25f, .4375f, View::Face, false), Context(1, 1),
         "Layer set WALLS \r\nCircle 1,1 D .25\r\nCircle 1,1 D .4375\r\n"},
        // Hidden puts only the counterbore on the hidden layer.
        {Input(.25f, .4375f, View::Face, true), Context(1, 1),
         "Layer set WALLS \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .4375\r\n"
         "Layer set WALLS \r\n"},
        // Counterbore half .21875 down to the screw's diameter .25, the hole to four diameters.
        {Input(.25f, .4375f, View::Side, false), Context(0, 0),
         "Layer set WALLS \r\nLine 0,.21875 .25,.21875 \r\nLine .25,.21875 .25,-.21875 \r\n"
         "Line .25,-.21875 0,-.21875 \r\nLine .25,.125 1,.125 \r\nLine .25,-.125 1,-.125 \r\n"},
        // At 90 a point (u, v) lands at B + (-v, u); at 270 at B + (v, -u).
        {Input(.5f, .8125f, View::Side, false, 90), Context(0, 0),
         "Layer set WALLS \r\nLine -.40625,0 -.40625,.5 \r\nLine -.40625,.5 .40625,.5 \r\n"
         "Line .40625,.5 .40625,0 \r\nLine -.25,.5 -.25,2 \r\nLine .25,.5 .25,2 \r\n"},
        {Input(.25f, .4375f, View::Side, false, 180), Context(2, 2),
         "Layer set WALLS \r\nLine 2,1.78125 1.75,1.78125 \r\n"
         "Line 1.75,1.78125 1.75,2.21875 \r\nLine 1.75,2.21875 2,2.21875 \r\n"
         "Line 1.75,1.875 1,1.875 \r\nLine 1.75,2.125 1,2.125 \r\n"},
        {Input(.25f, .4375f, View::Side, true, 270), Context(1, 1),
         "Layer set HID \r\nLine 1.21875,1 1.21875,.75 \r\nLine 1.21875,.75 .78125,.75 \r\n"
         "Line .78125,.75 .78125,1 \r\nLine 1.125,.75 1.125,0 \r\nLine .875,.75 .875,0 \r\n"
         "Layer set WALLS \r\n"},
    };
    for (const ScriptCase& c : cases) {
        EXPECT_EQ(CounterboreScript(c.in, c.context), c.script)
            << "direction " << c.in.direction << " hidden " << c.in.hidden;
    }
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
