// Whole scripts of the three features that build their points with PolarPoint, at inputs
// where a cosine or sine rounded to single before the multiplication changes a written last
// digit. The expected bytes were worked out apart from this code: the double cosine of the
// single angle, times the distance, rounded to single, added to the base as a single.
#include <gtest/gtest.h>

#include <functional>

#include "features/holes/thread.h"
#include "features/profiles/cam.h"
#include "features/profiles/slot.h"

namespace bw {
namespace {

DrawContext AtOneOne() {
    DrawContext c;
    c.HiddenLayer = "HIDDEN";
    return c;
}

ThreadInput Thread(float diameter, int tpi, float length, bool leftHand, int direction) {
    ThreadInput in;
    in.size = ThreadSize{diameter, tpi};
    in.length = length;
    in.leftHand = leftHand;
    in.direction = direction;
    return in;
}

TEST(PolarPointDigits, WholeScriptsCarryTheDoubleCosineOfTheSingleAngle) {
    struct Case {
        const char* what;
        std::function<std::string()> script;
        const char* expected;
    };
    const Case cases[] = {
        // Single cosine: -.046875 and -.04687494 where the double one gives -.04687506 and
        // -.046875.
        {"cam at its start-up values, 270, Hidden",
         [] {
             return CamScript({"0.500", "0.375", "1.000", 270, true}, AtOneOne());
         },
         "Layer set HIDDEN \r\n"
         "ARC C 1,1 1.496078,.9375 .5039216,.9374999 ARC C 1,0 .6279415,-.04687506 "
         "1.372059,-.046875 Line .5039216,.9374999 .6279415,-.04687506  "
         "Line 1.496078,.9375 1.372059,-.046875 \r\n"
         "Layer set 0 \r\n"},
        // Single cosine: -6.556708E-08.
        {"slot 1 wide, 1.5 apart, 90",
         [] {
             return SlotScript({"1.000", "1.500", 90, false}, AtOneOne());
         },
         "Layer set 0 \r\n"
         "ARC C 1,1 0,.9999999 2,1 ARC C .9999999,2.5 2,2.5 -6.556709E-08,2.5 "
         "Line 2,1 2,2.5  Line 0,.9999999 -6.556709E-08,2.5 \r\n"},
        // Single cosine: 1.063141,1 for the first tooth's root.
        {"thread .25 14 tpi, one turn, 90",
         [] { return ThreadScript(Thread(.25f, 14, .1f, false, 90), AtOneOne()); },
         "Layer set 0 \r\n"
         "line .875,1 1.125,1.035714 1.063141,.9999999 \r\n"
         "line 1.125,1.035714 1.063141,1.071429 \r\n"
         "line .875,1 .936859,1.035714 .875,1.071429 \r\n"
         "line .936859,1.035714 1.063141,1.071429 \r\n"
         "line .936859,1.035714 1.063141,1.071429 \r\n"
         "Layer set 0 \r\n"},
        // Single cosine: .9586174.
        {"left-hand thread .216 13 tpi, one turn, 0",
         [] { return ThreadScript(Thread(.216f, 13, .1f, true, 0), AtOneOne()); },
         "Layer set 0 \r\n"
         "line 1,.892 1.038462,1.108 1,1.041383 \r\n"
         "line 1.038462,1.108 1.076923,1.041383 \r\n"
         "line 1,.892 1.038462,.9586173 1.076923,.892 \r\n"
         "line 1.038462,.9586173 1.076923,1.041383 \r\n"
         "line 1.038462,.9586173 1.076923,1.041383 \r\n"
         "Layer set 0 \r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.script(), c.expected) << c.what;
}

}  // namespace
}  // namespace bw
