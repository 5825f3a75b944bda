// Whole scripts of the three features that build their points with PolarPoint, at inputs
// where a cosine or sine rounded to single before the multiplication changes a written last
// digit. The expected bytes were worked out apart from this code: the double cosine of the
// single angle, times the distance, rounded to single, added to the base as a single.
#include <gtest/gtest.h>

#include "features/holes/thread.h"
#include "features/profiles/cam.h"
#include "features/profiles/slot.h"

namespace bw {
namespace {

TEST(PolarPointDigits, WholeScriptsCarryTheDoubleCosineOfTheSingleAngle) {
    DrawContext at;
    at.HiddenLayer = "HIDDEN";
    const std::pair<std::string, const char*> cases[] = {
        // The cam at its start-up values, 270, Hidden. Single cosine: -.046875 and -.04687494
        // where the double one gives -.04687506 and -.046875.
        {CamScript({"0.500", "0.375", "1.000", 270, true}, at),
         "Layer set HIDDEN \r\n"
         "ARC C 1,1 1.496078,.9375 .5039216,.9374999 ARC C 1,0 .6279415,-.04687506 "
         "1.372059,-.046875 Line .5039216,.9374999 .6279415,-.04687506  "
         "Line 1.496078,.9375 1.372059,-.046875 \r\nLayer set 0 \r\n"},
        // A slot 1 wide, 1.5 apart, 90. Single cosine: -6.556708E-08.
        {SlotScript({"1.000", "1.500", 90, false}, at),
         "Layer set 0 \r\nARC C 1,1 0,.9999999 2,1 ARC C .9999999,2.5 2,2.5 -6.556709E-08,2.5 "
         "Line 2,1 2,2.5  Line 0,.9999999 -6.556709E-08,2.5 \r\n"},
        // One turn (.1 long) of a .25 thread of 14 per inch, 90. Single cosine: 1.063141,1 for
        // the first root.
        {ThreadScript({ThreadSize{.25f, 14}, .1f, false, false, 90}, at),
         "Layer set 0 \r\nline .875,1 1.125,1.035714 1.063141,.9999999 \r\n"
         "line 1.125,1.035714 1.063141,1.071429 \r\nline .875,1 .936859,1.035714 .875,1.071429 "
         "\r\nline .936859,1.035714 1.063141,1.071429 \r\n"
         "line .936859,1.035714 1.063141,1.071429 \r\nLayer set 0 \r\n"},
        // A left-hand .216 thread of 13 per inch, 0. Single cosine: .9586174.
        {ThreadScript({ThreadSize{.216f, 13}, .1f, true, false, 0}, at),
         "Layer set 0 \r\nline 1,.892 1.038462,1.108 1,1.041383 \r\n"
         "line 1.038462,1.108 1.076923,1.041383 \r\nline 1,.892 1.038462,.9586173 1.076923,.892 "
         "\r\nline 1.038462,.9586173 1.076923,1.041383 \r\n"
         "line 1.038462,.9586173 1.076923,1.041383 \r\nLayer set 0 \r\n"},
    };
    for (const auto& [script, expected] : cases) EXPECT_EQ(script, expected);
}

}  // namespace
}  // namespace bw
