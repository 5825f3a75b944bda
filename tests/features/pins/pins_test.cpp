// The four pin features: whole scripts worked out by hand and the checks' messages in the
// order OK runs them. Turning by direction and the hidden layer over many inputs are the
// preview property tests' part.
#include <gtest/gtest.h>

#include <limits>

#include "features/feature_test_util.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"

namespace bw {
namespace {

using test::At;
using test::Expected;

EjectorInput Ejector(View view, int direction, bool hidden, std::optional<float> depth = 1.0f) {
    return {.25f, depth, view, direction, hidden};
}

DrawContext Clearance(float clearance, const std::string& current = "0") {
    DrawContext c = At(1, 1, current);
    c.EjectorClearance = clearance;
    return c;
}

CorePinInput CorePin(View view, bool hidden) {
    return {CorePinSize{.25f, .375f, .25f}, view, 0, hidden};
}

std::string Note(bool cx, int number, float x, float y, float scale) {
    DrawContext c = At(x, y, "IGNORED", "ALSO");
    c.InsertScale = scale;
    return CoreNoteScript({number, cx}, c);
}

TEST(PinScripts, WholeScripts) {
    const struct {
        const char* what;
        std::string script;
        const char* expected;
    } cases[] = {
        // Dh = .25 + 2 x .0075 = .265; the face view needs no depth and has no direction.
        {"ejector face, no depth",
         EjectorScript(Ejector(View::Face, 270, false, {}), Clearance(.015f)),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .265\r\n"},
        {"ejector face, hidden",
         EjectorScript(Ejector(View::Face, 0, true), Clearance(.015f, "WALLS")),
         "Layer set WALLS \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .265\r\n"
         "Layer set WALLS \r\n"},
        {"ejector face, no clearance", EjectorScript(Ejector(View::Face, 0, false), Clearance(0)),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .25\r\n"},
        // The clearance bore's sides lie .1325 either side of the axis; the pin bore (.125
        // either side) runs a depth further on. Hidden puts the whole side view on HID.
        {"ejector side, hidden",
         EjectorScript(Ejector(View::Side, 0, true), Clearance(.015f, "WALLS")),
         "Layer set HID \r\nLine 1,1.1325 2,1.1325 \r\nLine 2,1.1325 2,.8675 \r\n"
         "Line 2,.8675 1,.8675 \r\nLine 2,1.125 3,1.125 \r\nLine 2,.875 3,.875 \r\n"
         "Layer set WALLS \r\n"},
        {"ejector side, no clearance",
         EjectorScript(Ejector(View::Side, 0, false, .5f), Clearance(0)),
         "Layer set 0 \r\nLine 1,1.125 1.5,1.125 \r\nLine 1.5,1.125 1.5,.875 \r\n"
         "Line 1.5,.875 1,.875 \r\nLine 1.5,1.125 2,1.125 \r\nLine 1.5,.875 2,.875 \r\n"},
        {"core pin face", CorePinScript(CorePin(View::Face, false), At(1, 1, "PART")),
         "Layer set PART \r\nCircle 1,1 D .25\r\nCircle 1,1 D .375\r\n"},
        // Head .375 from x = 1 to 1.25; pin .25 from 1.25 to 2.
        {"core pin side", CorePinScript(CorePin(View::Side, false), At(1, 1, "PART")),
         "Layer set PART \r\nLine 1,1.1875 1.25,1.1875 \r\nLine 1.25,1.1875 1.25,.8125 \r\n"
         "Line 1.25,.8125 1,.8125 \r\nLine 1.25,1.125 2,1.125 \r\nLine 1.25,.875 2,.875 \r\n"},
        {"C pin note", Note(false, 12, 2, 3, 1), "insert Dmesnote 2,3 1 1 0 12\r\n"},
        {"CX pin note, scale .5", Note(true, 12, 2, 3, .5f), "insert Dmehnote 2,3 .5 .5 0 12\r\n"},
        {"CX pin note at the defaults", CoreNoteScript({7, true}, DrawContext{}),
         "insert Dmehnote 1,1 1 1 0 7\r\n"},
        {"note at a negative point", Note(false, -5, -.25f, 10.125f, 2),
         "insert Dmesnote -.25,10.125 2 2 0 -5\r\n"},
        // s1 = .25 - sqrt(.0625 - .015625) = .03349365; d/2 = .114585;
        // s2 = .25 - sqrt(.0625 - .114585^2) = .02780576, so P6 lies at 1.027806. Without
        // hidden the file ends without a line end.
        {"taper pin", TaperPinScript({.25f, 1.0f, 0, false}, At(0, 0)),
         "Layer set 0 \r\nLine 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
         "ARC 0,.125 -.03349365,0 0,-.125 ARC 1,-.114585 1.027806,0 1,.114585 "},
        // With hidden the current layer follows on the same line.
        {"taper pin, hidden", TaperPinScript({.25f, 1.0f, 0, true}, At(2, 3, "WALLS")),
         "Layer set HID \r\nLine 2,3.125 2,2.875 3,2.885415 3,3.114585 2,3.125  "
         "ARC 2,3.125 1.966506,3 2,2.875 ARC 3,2.885415 3.027806,3 3,3.114585 "
         "Layer set WALLS \r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.script, c.expected) << c.what;
    // The small end takes .02083 per unit of length, not a forty-eighth (.2291667).
    EXPECT_EQ(TaperPinSmallEnd(.25f, 1.0f), .22917f);
}

TEST(PinChecks, MessagesInTheOrderOkRunsThem) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* what;
        std::optional<std::string> got;
        const char* expected;  // nullptr: accepted
    } cases[] = {
        {"ejector: pin before depth", CheckEjector({}), "You Must Select Pin Size"},
        {"ejector: side without depth", CheckEjector({.25f, {}, View::Side}),
         "You Must Select Depth"},
        {"ejector: face without depth", CheckEjector({.25f, {}, View::Face}), nullptr},
        {"ejector: pin not a number", CheckEjector({nan, 1.0f}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"ejector: pin before missing depth", CheckEjector({0.0f, {}}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"ejector: zero depth", CheckEjector({.25f, 0.0f}), "Depth Must Be Greater Than Zero"},
        {"ejector: face ignores a zero depth", CheckEjector({.25f, 0.0f, View::Face}), nullptr},
        {"core pin: nothing selected", CheckCorePin({}), "You Must Select Pin Size"},
        {"core pin: pin first", CheckCorePin({CorePinSize{0, 0, 0}}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"core pin: head diameter", CheckCorePin({CorePinSize{.25f, 0, .25f}, View::Face}),
         "Head Diameter Must Be Greater Than Zero"},
        {"core pin: head length", CheckCorePin({CorePinSize{.25f, .375f, -.1f}}),
         "Head Length Must Be Greater Than Zero"},
        // The face view draws no length, so a missing head length does not stop it.
        {"core pin: face without head length",
         CheckCorePin({CorePinSize{.25f, .375f, 0}, View::Face}), nullptr},
        {"core note: nothing selected", CheckCoreNote({}), "You Must Select Pin Size"},
        {"core note: number 0 is a number", CheckCoreNote({0}), nullptr},
        {"taper: size first", CheckTaperPin({}), "You Must Select Pin Size"},
        {"taper: no length", CheckTaperPin({.25f, {}}), "You Must Select Pin Length"},
        {"taper: zero diameter", CheckTaperPin({0.0f, 1.0f}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"taper: zero length", CheckTaperPin({.25f, 0.0f}), "Pin Length Must Be Greater Than Zero"},
        // .25 - 12 x .02083 = .00004: still a (thin) pin; at 12.01 the small end is gone, and
        // at 40 the crown's square root has no real value.
        {"taper: 12 long", CheckTaperPin({.25f, 12.0f}), nullptr},
        {"taper: 12.01 long", CheckTaperPin({.25f, 12.01f}),
         "Pin Length Is Too Long For This Pin Size"},
        {"taper: 40 long", CheckTaperPin({.25f, 40.0f}),
         "Pin Length Is Too Long For This Pin Size"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, Expected(c.expected)) << c.what;
}

}  // namespace
}  // namespace bw
