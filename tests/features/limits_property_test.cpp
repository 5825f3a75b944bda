// Every feature, fed values from the whole range of a single (tiny, huge, negative, NaN,
// infinities, denormals) for every input: each case either fails a check with a message or
// writes a script whose every number is finite and within reach of the drawing limit.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>

#include "support/feature_inputs.h"

namespace bw::test {
namespace {

// An eighth of the singles are any bit pattern, an eighth the awkward ones, and the rest lie
// where drawings are made (and a little beyond), so that many cases get past the checks.
class RandomSource {
  public:
    explicit RandomSource(uint64_t seed) : rng_(seed) {}

    float Single() {
        if (Int(0, 3) == 0) return Wild();
        const float magnitude = std::pow(10.0f, Uniform(-6.0, 7.0));
        return Int(0, 15) == 0 ? -magnitude : magnitude;
    }
    float Wild() {
        static constexpr std::array<float, 16> kAwkward = {
            0.0f, -0.0f,      1e-45f,  -1e-45f,  1.17e-38f, 1e-5f,     9.9e-5f, 1e-4f,
            1e6f, 1000000.1f, 3.4e38f, -3.4e38f, INFINITY,  -INFINITY, NAN,     -1.0f};
        if (Bool()) return std::bit_cast<float>(static_cast<uint32_t>(rng_()));
        return kAwkward[static_cast<size_t>(Int(0, kAwkward.size() - 1))];
    }
    // What a box can hold: digits and points, from nothing to a run of fifty digits.
    std::string BoxText() {
        std::string text;
        if (Int(0, 3) == 0) {
            for (int n = Int(0, 50); n > 0; --n) text += "0123456789."[Int(0, 10)];
            return text;
        }
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", Int(0, 8), std::pow(10.0, Uniform(-6.0, 7.0)));
        return buf;
    }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Bool() { return (rng_() & 1) != 0; }

  private:
    float Uniform(double lo, double hi) {
        return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng_));
    }
    std::mt19937_64 rng_;
};

class LimitsProperty : public ::testing::TestWithParam<int> {};

TEST_P(LimitsProperty, EveryCaseIsRefusedOrWritesOnlyDrawableNumbers) {
    RandomSource source(0x5eed0000u + static_cast<uint64_t>(GetParam()));
    // BW_PROPERTY_CASES scales the count down for slow (sanitizer) builds.
    const char* given = std::getenv("BW_PROPERTY_CASES");
    const int cases = given ? std::atoi(given) : 100000;
    int written = 0;
    for (int i = 0; i < cases; ++i) {
        const Outcome outcome = RunFeature(GetParam(), source);
        if (outcome.message) {
            ASSERT_FALSE(outcome.message->empty()) << "case " << i;
            continue;
        }
        ++written;
        const std::optional<std::string> bad = BadScriptNumber(outcome.script);
        ASSERT_FALSE(bad) << "case " << i << " wrote " << *bad << " into:\n"
                          << outcome.script.substr(0, 2000);
    }
    RecordProperty("written", written);
    // A property that no case gets past would prove nothing about the scripts.
    EXPECT_GT(written, cases / 50);
}

INSTANTIATE_TEST_SUITE_P(AllFeatures, LimitsProperty, ::testing::Range(0, kFeatureCount));

// A new feature is its own files plus one registry row; a row that lacks a part fails here
// (its page fails the start-up test, its drawing the drawing-property and DXF tests).
TEST(Registry, EveryRowHasItsPartsAndEveryOrderTakesEachRowOnce) {
    std::set<std::string> captions, commands;
    std::set<int> loadRanks, listRanks;
    for (const FeatureRow& row : Registry()) {
        EXPECT_TRUE(captions.insert(row.caption).second) << row.caption;
        EXPECT_TRUE(loadRanks.insert(row.loadRank).second) << row.caption;
        if (row.command.empty()) {
            EXPECT_FALSE(row.run || !row.names.empty() || row.listRank != -1) << row.caption;
            continue;
        }
        EXPECT_TRUE(commands.insert(row.command).second) << row.command;
        EXPECT_TRUE(listRanks.insert(row.listRank).second) << row.command;
        EXPECT_EQ(FindFeature(row.command), &row);
        for (const std::string& name : row.names) {
            EXPECT_NE(row.usage.find(name + "="), std::string::npos) << row.command << " " << name;
        }
        ASSERT_TRUE(row.run) << row.command << " has no generator";
        const StepOutcome startUp = row.run({}, {}, DrawContext{});
        EXPECT_NE(startUp.script.empty(), startUp.message.empty()) << row.command;
        RandomSource source(1);
        EXPECT_TRUE(RunFeatureNamed(row.command, source)) << row.command << ": no property case";
    }
    EXPECT_EQ(*loadRanks.rbegin() + 1, static_cast<int>(Registry().size()));
    EXPECT_EQ(*listRanks.rbegin() + 1, kFeatureCount);
}

}  // namespace
}  // namespace bw::test
