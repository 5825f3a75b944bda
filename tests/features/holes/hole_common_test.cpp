#include "features/holes/hole_common.h"

#include <gtest/gtest.h>

namespace bw::holes {
namespace {

TEST(ScriptNumber15, FifteenSignificantDigitsWithoutLeadingOrTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {static_cast<double>(.19f) + .0625, ".252499997615814"},
        {static_cast<double>(.25f) + .0625, ".3125"},
        {1.0625, "1.0625"},
        {0.0, "0"},
        {-0.0, "0"},
        {-0.5, "-.5"},
        {2.0, "2"},
        {1.0 / 3.0, ".333333333333333"},
        {2.0 / 3.0, ".666666666666667"},
        {-2.0 / 3.0, "-.666666666666667"},
        {9.9999999999999999, "10"},
        {0.00001, ".00001"},
        {0.000001, "1E-06"},
        {-0.0000012345, "-1.2345E-06"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {12.5, "12.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(ScriptNumber15(c.value), c.text) << c.text;
}

TEST(SideViewPoint, TheFourDirectionsExchangeAndNegate) {
    const PointXY b{10.0f, 20.0f};
    // u = 1 along the axis, v = .5 across it.
    EXPECT_EQ(SideViewPoint(b, 0, {1.0}, {.5}), (PointXY{11.0f, 20.5f}));
    EXPECT_EQ(SideViewPoint(b, 90, {1.0}, {.5}), (PointXY{9.5f, 21.0f}));
    EXPECT_EQ(SideViewPoint(b, 180, {1.0}, {.5}), (PointXY{9.0f, 19.5f}));
    EXPECT_EQ(SideViewPoint(b, 270, {1.0}, {.5}), (PointXY{10.5f, 19.0f}));
}

TEST(SideViewPoint, TermsAreSummedInDoubleAndRoundedOnce) {
    // 1 + 2^-24 + 2^-24 is 1 + 2^-23 exactly, a single; adding each term to a single would
    // round 1 + 2^-24 back to 1 twice and stay at 1.
    const double tiny = 1.0 / 16777216.0;
    EXPECT_EQ(SideViewPoint({1.0f, 0.0f}, 0, {tiny, tiny}, {0.0}).X, 1.0f + 1.0f / 8388608.0f);
    EXPECT_EQ(SideViewPoint({0.0f, 1.0f}, 90, {tiny, tiny}, {0.0}).Y, 1.0f + 1.0f / 8388608.0f);
}

}  // namespace
}  // namespace bw::holes
