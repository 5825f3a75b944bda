#include "exchange/script_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace bw {
namespace {

TEST(PointText, AKeptPointFormatsAgainEveryCoordinateThatChangedByEvenOneBit) {
    // One point set again and again, as a generator keeps it from turn to turn: each text must
    // be the new point's, whichever coordinate moved and however little.
    const float justAboveHalf = std::nextafter(0.5f, 1.0f);
    const struct {
        PointXY point;
        const char* text;
    } steps[] = {
        {{1.0f, 0.5f}, "1,.5"},
        {{1.0f, justAboveHalf}, "1,.5000001"},
        {{2.0f, justAboveHalf}, "2,.5000001"},
        {{0.5f, 0.5f}, ".5,.5"},
        {{justAboveHalf, 0.5f}, ".5000001,.5"},
        {{-0.0f, -12345678.0f}, "0,-1.234568E+07"},
    };
    PointText kept;
    for (const auto& step : steps) {
        kept.Set(step.point);
        char text[PointText::kRoom];
        EXPECT_EQ(std::string(text, kept.CopyTo(text)), step.text) << step.text;
    }
}

// The script form worked out the slow way: printf rounds the single's exact value to seven
// digits (half to even), and the digits are then laid out by hand as a fixed number or an
// exponent.
std::string SlowScriptNumber(float value) {
    if (value == 0.0f) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%.6E", std::fabs(static_cast<double>(value)));
    const std::string s = text;  // d.ddddddE+xx
    const int exponent = std::atoi(s.c_str() + 9);
    std::string kept = s.substr(0, 1) + s.substr(2, 6);
    while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
    std::string body;
    if (exponent < -5 || exponent > 6) {
        body = kept.substr(0, 1) + (kept.size() > 1 ? "." + kept.substr(1) : "") + "E" +
               (exponent < 0 ? "-" : "+") + (std::abs(exponent) < 10 ? "0" : "") +
               std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        body = "." + std::string(static_cast<size_t>(-exponent - 1), '0') + kept;
    } else {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        body = kept.size() <= whole ? kept + std::string(whole - kept.size(), '0')
                                    : kept.substr(0, whole) + "." + kept.substr(whole);
    }
    return (value < 0 ? "-" : "") + body;
}

TEST(ScriptNumber, AgreesWithTheSlowFormOverEveryExponentBothSignsAndTheCarries) {
    std::vector<float> sample;
    // Every binary exponent, subnormals included, with the smallest, largest and middle
    // mantissas and a spread of others from a fixed pseudo-random sequence.
    uint32_t state = 12345;
    for (uint32_t exponent = 0; exponent < 255; ++exponent) {
        for (uint32_t mantissa : {0u, 1u, 0x400000u, 0x7FFFFFu}) {
            sample.push_back(std::bit_cast<float>(exponent << 23 | mantissa));
        }
        for (int i = 0; i < 400; ++i) {
            state = state * 1664525u + 1013904223u;
            sample.push_back(std::bit_cast<float>(exponent << 23 | (state >> 9)));
        }
    }
    // The singles on either side of each decimal carry (9.9999995, .99999995, ...) and of
    // round halves, for every decimal exponent a single reaches.
    for (int tens = -45; tens <= 38; ++tens) {
        for (const char* digits : {"9.9999995", "9.999999", "1.0000005", "1.2345675", "5"}) {
            const std::string text = std::string(digits) + "E" + std::to_string(tens);
            float value = std::strtof(text.c_str(), nullptr);
            for (int step = 0; step < 3; ++step) value = std::nextafter(value, 0.0f);
            for (int step = 0; step < 7; ++step) {
                sample.push_back(value);
                value = std::nextafter(value, INFINITY);
            }
        }
    }
    int failures = 0;
    for (float magnitude : sample) {
        if (!std::isfinite(magnitude)) continue;
        for (float value : {magnitude, -magnitude}) {
            const std::string slow = SlowScriptNumber(value);
            if (ScriptNumber(value) != slow && ++failures <= 10) {
                ADD_FAILURE() << std::hexfloat << value << ": " << ScriptNumber(value)
                              << " instead of " << slow;
            }
        }
    }
    EXPECT_EQ(failures, 0) << "of " << 2 * sample.size();
}

TEST(Angles, CotangentKeepsSinglePrecision) {
    // 1/tan of the single nearest pi/4 lies one unit in the last place below 1; no feature's
    // script shows the single pi as surely.
    EXPECT_EQ(Cotangent(45.0f), 0.99999994f);
}

TEST(NumberTexts, StrDisplayLeadingNumberAndPlainDecimal) {
    // The settings and entry box tests show the commoner texts: .015, 0.500, 1.2.3, "." ...
    EXPECT_EQ(StrNumberText(0.0f), " 0");
    EXPECT_EQ(DisplayFormatNumber(-0.0), "0.000");
    EXPECT_EQ(DisplayFormatNumber(0.0625), "0.0625");
    const struct {
        const char* text;
        double leading;
        bool plain;
    } cases[] = {
        {".015", 0.015, true}, {"3.", 3.0, true}, {"  2.5xyz", 2.5, false}, {"-1", -1.0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.leading) << c.text;
        EXPECT_EQ(IsPlainDecimal(c.text), c.plain) << c.text;
    }
}

TEST(NumberTexts, ATypedDecimalReadsAsBeforeAFractionAsItsShownDecimalElseNothing) {
    const double none = -1;  // no number
    // Decimals read as before, fractions, texts that are no number.
    // clang-format off
    const struct { const char* text; double value; const char* tidied; } cases[] = {
        {"1.2.3", 1.2, "1.2.3"}, {".", 0, "."}, {"", 0, ""}, {" .015", .015, " .015"},
        {"1.5 ", 1.5, "1.5 "}, {"1/4", .25, "0.250"}, {"3/8", .375, "0.375"},
        {" 1  1/2 ", 1.5, "1.500"}, {"1/3", .333333, "0.333333"}, {"10/4", 2.5, "2.500"},
        {"1//4", none, "1//4"}, {"1/0", none, "1/0"}, {"/4", none, "/4"}, {"-1", none, "-1"},
        {"1.5 1/2", none, "1.5 1/2"}, {"1 5", none, "1 5"}, {"1/2/3", none, "1/2/3"},
        {"1/4 1", none, "1/4 1"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(TypedNumber(c.text).value_or(none), c.value) << c.text;
        EXPECT_EQ(TidiedBoxText(c.text), c.tidied) << c.text;
    }
}

}  // namespace
}  // namespace bw
