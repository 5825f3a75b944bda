#include "exchange/script_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace bw {
namespace {

struct NumberCase {
    float value;
    const char* text;
};

TEST(ScriptNumber, WritesTheShortestSevenDigitForm) {
    const NumberCase cases[] = {
        {0.5f, ".5"},
        {-0.25f, "-.25"},
        {2.0f, "2"},
        {12.5f, "12.5"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.015f, ".015"},
        {0.265f, ".265"},
        {10.125f, "10.125"},
        {1.0f / 3.0f, ".3333333"},
        {2.0f / 3.0f, ".6666667"},
        {1234567.0f, "1234567"},
        {9999999.0f, "9999999"},
        {12345678.0f, "1.234568E+07"},
        {-100.0f, "-100"},
        {0.00001f, ".00001"},
        {0.000001f, "1E-06"},
        {-4.371139e-08f, "-4.371139E-08"},
        {1.0e-10f, "1E-10"},
        {0.22917f, ".22917"},
        {0.114585f, ".114585"},
        {1.027806f, "1.027806"},
        {100.5f, "100.5"},
        {0.1f, ".1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScriptNumber(c.value), c.text) << "value " << c.value;
    }
}

TEST(ScriptNumber, RoundingCanCarryIntoANewDigit) {
    // 9.9999999 rounds to 10 in seven digits; the carry must not leave "9.999999" or "10.".
    EXPECT_EQ(ScriptNumber(9.99999999f), "10");
    EXPECT_EQ(ScriptNumber(0.99999999f), "1");
}

// The script form worked out the slow way: every digit of the single's exact value (printf
// gives them all at 120 decimals in the exponent form, more than a single ever has), rounded
// by hand to seven digits, half to even, then laid out as digits or as an exponent.
std::string SlowScriptNumber(float value) {
    if (value == 0.0f) return "0";
    char text[256];
    std::snprintf(text, sizeof text, "%.120E", static_cast<double>(value));
    std::string s = text;
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const size_t e = s.find('E');
    int exponent = std::atoi(s.c_str() + e + 1);
    const std::string exact = s.substr(0, 1) + s.substr(2, e - 2);
    std::string kept = exact.substr(0, 7);
    const std::string rest = exact.substr(7);
    bool up = rest[0] > '5';
    if (rest[0] == '5') {
        const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string::npos;
        up = beyondHalf || (kept.back() - '0') % 2 == 1;
    }
    if (up) {
        int i = 6;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
        if (i < 0) {
            kept = "1000000";
            ++exponent;
        } else {
            ++kept[static_cast<size_t>(i)];
        }
    }
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
    return (negative ? "-" : "") + body;
}

float FromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(ScriptNumber, AgreesWithTheSlowFormOverEveryExponentBothSignsAndTheCarries) {
    std::vector<float> sample;
    // Every binary exponent, subnormals included, with the smallest, largest and middle
    // mantissas and a spread of others from a fixed pseudo-random sequence.
    uint32_t state = 12345;
    for (uint32_t exponent = 0; exponent < 255; ++exponent) {
        for (uint32_t mantissa : {0u, 1u, 0x400000u, 0x7FFFFFu}) {
            sample.push_back(FromBits(exponent << 23 | mantissa));
        }
        for (int i = 0; i < 400; ++i) {
            state = state * 1664525u + 1013904223u;
            sample.push_back(FromBits(exponent << 23 | (state >> 9)));
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

TEST(PolarPoint, QuarterTurnFromTheOriginLeavesTheSingleRoundingOfCosine) {
    const PointXY p = PolarPoint({0.0f, 0.0f}, DegToRad(90.0f), 1.0f);
    EXPECT_EQ(FormatPoint(p), "-4.371139E-08,1");
    const PointXY q = PolarPoint({0.0f, 0.0f}, DegToRad(270.0f), 1.0f);
    EXPECT_EQ(FormatPoint(q), "1.192488E-08,-1");
}

TEST(PolarPoint, AddsEachOffsetAsASingle) {
    PointXY result;
    PolarPoint({1.0f, 1.0f}, result, 0.0f, 0.5f);
    EXPECT_EQ(result, (PointXY{1.5f, 1.0f}));
    PolarPoint({2.0f, 3.0f}, result, DegToRad(180.0f), 2.0f);
    EXPECT_EQ(FormatPoint(result), "0,3");
}

TEST(Angles, DegToRadAndCotangentKeepSinglePrecision) {
    EXPECT_EQ(DegToRad(180.0f), Pi);
    EXPECT_EQ(Pi, 3.14159274f);
    // 1/tan of the single nearest pi/4 lies one unit in the last place below 1.
    EXPECT_EQ(Cotangent(45.0f), 0.99999994f);
    EXPECT_NEAR(Cotangent(59.0f), 0.6008606f, 1e-7f);
    EXPECT_EQ(ScriptNumber(Cotangent(59.0f)), ".6008606");
}

TEST(NumberTexts, PlainAndStrForms) {
    EXPECT_EQ(PlainNumberText(0.015f), "0.015");
    EXPECT_EQ(PlainNumberText(0.02f), "0.02");
    EXPECT_EQ(PlainNumberText(1.5f), "1.5");
    EXPECT_EQ(StrNumberText(0.015f), " .015");
    EXPECT_EQ(StrNumberText(0.0f), " 0");
    EXPECT_EQ(StrNumberText(-0.5f), "-.5");
}

TEST(DisplayFormat, ThreeToSixDecimals) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1, "1.000"},           {.5, "0.500"},      {2.25, "2.250"},    {1.23456789, "1.234568"},
        {1234.5, "1234.500"},   {0.0625, "0.0625"}, {0.5625, "0.5625"}, {0, "0.000"},
        {0.1234564, "0.123456"}};
    for (const auto& c : cases) EXPECT_EQ(DisplayFormatNumber(c.value), c.text) << c.value;
}

TEST(LeadingNumber, TakesTheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber(".015"), 0.015);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("  2.5xyz"), 2.5);
}

TEST(IsPlainDecimal, AcceptsOnlyDigitsWithOnePoint) {
    EXPECT_TRUE(IsPlainDecimal(".75"));
    EXPECT_TRUE(IsPlainDecimal("12"));
    EXPECT_TRUE(IsPlainDecimal("3."));
    EXPECT_FALSE(IsPlainDecimal(""));
    EXPECT_FALSE(IsPlainDecimal("."));
    EXPECT_FALSE(IsPlainDecimal("1.2.3"));
    EXPECT_FALSE(IsPlainDecimal("-1"));
}

}  // namespace
}  // namespace bw
