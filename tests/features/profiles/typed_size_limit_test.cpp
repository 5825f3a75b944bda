// Typed values too large to draw are refused instead of writing "Infinity" into a script.
#include <gtest/gtest.h>

#include "features/profiles/cam.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"

namespace bw {
namespace {

const std::string kForty(40, '9');  // overflows a single to infinity

std::optional<std::string> SlotCheck(const std::string& w, const std::string& c) {
    SlotInput in;
    in.widthText = w;
    in.distanceText = c;
    return CheckSlot(in);
}

TEST(TypedSizeLimit, SlotWidthAndDistance) {
    EXPECT_EQ(SlotCheck(kForty, "1"), "Slot Width Must Not Exceed 1000000");
    EXPECT_EQ(SlotCheck("1000001", "1"), "Slot Width Must Not Exceed 1000000");
    EXPECT_EQ(SlotCheck("1000000", "1"), std::nullopt);
    EXPECT_EQ(SlotCheck("1", kForty), "Center Distance Must Not Exceed 1000000");
    EXPECT_EQ(SlotCheck("", kForty), "You Must Enter Slot Width") << "the first check still leads";
}

TEST(TypedSizeLimit, CamRadiiAndDistance) {
    CamInput in;
    in.r2Text = kForty;
    EXPECT_EQ(CheckCam(in), "Radius Must Not Exceed 1000000");
    in = {};
    in.distanceText = "2000000";
    EXPECT_EQ(CheckCam(in), "Center Distance Must Not Exceed 1000000");
}

TEST(TypedSizeLimit, KeyWidthAndDiameter) {
    KeywayInput in;
    in.keyWidthText = kForty;
    EXPECT_EQ(CheckKeyway(in), "Key Width Must Not Exceed 1000000");
    in.keyWidthText = "0.250";
    in.diameterText = kForty;
    EXPECT_EQ(CheckKeyway(in), "Shaft Diameter Must Not Exceed 1000000");
}

TEST(TypedSizeLimit, ShaftCellsNameTheirSegment) {
    ShaftInput in;
    in.segments = {{"1", "1"}, {"2", kForty}};
    EXPECT_EQ(CheckShaft(in), "Value Must Not Exceed 1000000 In Segment2");
    in.segments = {{kForty, "1"}, {"", "1"}};
    EXPECT_EQ(CheckShaft(in), "Diameter Missing In Segment2") << "missing values are found first";
}

}  // namespace
}  // namespace bw
