// Slotted holes and simple cams: both draw two circles joined by their outer tangents.
#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include "features/profiles/cam.h"
#include "features/profiles/slot.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::At;
using test::Expected;

SlotInput Slot(const std::string& width, const std::string& distance, int direction = 0,
               bool hidden = false) {
    return SlotInput{width, distance, direction, hidden};
}

struct ScriptCase {
    const char* what;
    std::string script;
    const char* expected;
};

TEST(Slot, WholeScripts) {
    // Cosine and sine of a right angle in single precision leave last-digit deviations.
    const ScriptCase cases[] = {
        {"start-up values", SlotScript(Slot("0.250", "1.000"), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 1,1.25 1,.75 ARC C 2,1 2,.75 2,1.25 Line 1,.75 2,.75  "
         "Line 1,1.25 2,1.25 \r\n"},
        {"hidden", SlotScript(Slot("0.250", "1.000", 0, true), At(1, 1, "0", "HID")),
         "Layer set HID \r\n"
         "ARC C 1,1 1,1.25 1,.75 ARC C 2,1 2,.75 2,1.25 Line 1,.75 2,.75  "
         "Line 1,1.25 2,1.25 \r\n"
         "Layer set 0 \r\n"},
        {"90", SlotScript(Slot("0.250", "1.000", 90), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 .75,1 1.25,1 ARC C .9999999,2 1.25,2 .7499999,2 Line 1.25,1 1.25,2  "
         "Line .75,1 .7499999,2 \r\n"},
        {"180", SlotScript(Slot("0.250", "1.000", 180), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 1,.75 1,1.25 ARC C 0,.9999999 0,1.25 0,.7499999 Line 1,1.25 0,1.25  "
         "Line 1,.75 0,.7499999 \r\n"},
        {"270", SlotScript(Slot("0.250", "1.000", 270), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 1.25,1 .75,1 ARC C 1,0 .75,0 1.25,0 Line .75,1 .75,0  "
         "Line 1.25,1 1.25,0 \r\n"},
        {"at the origin the tangent points take the exponent form",
         SlotScript(Slot("0.250", "1.000"), At(0, 0)),
         "Layer set 0 \r\n"
         "ARC C 0,0 -1.092785E-08,.25 -1.092785E-08,-.25 ARC C 1,0 1,-.25 1,.25 "
         "Line -1.092785E-08,-.25 1,-.25  Line -1.092785E-08,.25 1,.25 \r\n"},
    };
    for (const ScriptCase& c : cases) EXPECT_EQ(c.script, c.expected) << c.what;
}

TEST(Slot, AWidthTypedWithTwoPointsCountsUpToTheSecond) {
    EXPECT_EQ(CheckSlot(Slot("1.2.3", "2")), std::nullopt);
    EXPECT_EQ(SlotScript(Slot("1.2.3", "2"), At(1, 1)), SlotScript(Slot("1.2", "2"), At(1, 1)));
}

struct CheckCase {
    const char* first;
    const char* second;
    const char* message;  // nullptr: accepted
};

TEST(Slot, ChecksTheWidthThenTheDistance) {
    const CheckCase cases[] = {
        {"", "1.000", "You Must Enter Slot Width"},
        {".", "1.000", "You Must Enter Slot Width"},
        {"0.000", "1.000", "You Must Enter Slot Width"},
        {"", "", "You Must Enter Slot Width"},
        {"0.250", "", "You Must Enter Center Distance"},
        {"0.250", "0", "You Must Enter Center Distance"},
        // At or below the stand-in radius difference there are no tangents.
        {"0.250", "0.00000001", "You Must Enter Center Distance"},
        {"0.250", "0.000000005", "You Must Enter Center Distance"},
        // Above it, a distance too small to move a point is still refused.
        {"0.250", "0.00000002", "Center Distance Must Be At Least .0001"},
        {"0.0625", "0.001", nullptr},
    };
    for (const auto& c : cases) {
        const auto message = CheckSlot(Slot(c.first, c.second));
        EXPECT_EQ(message, Expected(c.message)) << c.first << " / " << c.second;
    }
}

CamInput Cam(const std::string& r1, const std::string& r2, const std::string& c, int direction = 0,
             bool hidden = false) {
    return CamInput{r1, r2, c, direction, hidden};
}

TEST(Cam, WholeScripts) {
    const ScriptCase cases[] = {
        {"start-up values", CamScript(Cam("0.500", "0.375", "1.000"), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 1.0625,1.496078 1.0625,.5039216 ARC C 2,1 2.046875,.6279412 "
         "2.046875,1.372059 Line 1.0625,.5039216 2.046875,.6279412  "
         "Line 1.0625,1.496078 2.046875,1.372059 \r\n"},
        {"hidden", CamScript(Cam("0.500", "0.375", "1.000", 0, true), At(1, 1, "W", "H")),
         "Layer set H \r\n"
         "ARC C 1,1 1.0625,1.496078 1.0625,.5039216 ARC C 2,1 2.046875,.6279412 "
         "2.046875,1.372059 Line 1.0625,.5039216 2.046875,.6279412  "
         "Line 1.0625,1.496078 2.046875,1.372059 \r\n"
         "Layer set W \r\n"},
        // A larger second circle turns the tangent points behind the centre.
        {"larger second radius", CamScript(Cam("0.375", "0.500", "1.000"), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 .953125,1.372059 .953125,.6279413 ARC C 2,1 1.9375,.5039217 "
         "1.9375,1.496078 Line .953125,.6279413 1.9375,.5039217  "
         "Line .953125,1.372059 1.9375,1.496078 \r\n"},
        {"180 mirrors through the insertion point",
         CamScript(Cam("0.500", "0.375", "1.000", 180), At(1, 1)),
         "Layer set 0 \r\n"
         "ARC C 1,1 .9375001,.5039216 .9375,1.496078 ARC C 0,.9999999 -.046875,1.372059 "
         "-.04687488,.6279411 Line .9375,1.496078 -.046875,1.372059  "
         "Line .9375001,.5039216 -.04687488,.6279411 \r\n"},
        {"90 at the origin writes the second centre in exponent form",
         CamScript(Cam("0.500", "0.375", "1.000", 90), At(0, 0)),
         "Layer set 0 \r\n"
         "ARC C 0,0 -.4960784,.06249996 .4960784,.0625 ARC C -4.371139E-08,1 "
         ".3720587,1.046875 -.3720588,1.046875 Line .4960784,.0625 .3720587,1.046875  "
         "Line -.4960784,.06249996 -.3720588,1.046875 \r\n"},
    };
    for (const ScriptCase& c : cases) EXPECT_EQ(c.script, c.expected) << c.what;
}

TEST(Cam, EqualRadiiDrawTheSlotOfThatWidth) {
    EXPECT_EQ(CamScript(Cam("0.250", "0.250", "1.000"), At(1, 1)),
              SlotScript(Slot("0.250", "1.000"), At(1, 1)));
}

TEST(Cam, ChecksTheRadiiThenTheDistanceAgainstTheirSum) {
    struct {
        const char *r1, *r2, *c, *message;
    } cases[] = {
        {"0", "0.375", "1.000", "You Must Enter Radius"},
        {"", "0.375", "", "You Must Enter Radius"},
        {"0.500", "", "1.000", "You Must Enter Radius"},
        {"0.500", "0.500", "1.000", "Center Distance Must Be Greater Than Sum Of Radi"},
        {"0.500", "0.375", "0.875", "Center Distance Must Be Greater Than Sum Of Radi"},
        {"0.500", "0.375", "", "Center Distance Must Be Greater Than Sum Of Radi"},
        {"0.500", "0.375", "0.876", nullptr},
        {"0.500", "0.500", "1.001", nullptr},
    };
    for (const auto& c : cases) {
        const auto message = CheckCam(Cam(c.r1, c.r2, c.c));
        EXPECT_EQ(message, Expected(c.message)) << c.r1 << " " << c.r2 << " " << c.c;
    }
}

}  // namespace
}  // namespace bw
