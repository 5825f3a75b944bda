// Every feature, fed values from the whole range of a single (tiny, huge, negative, NaN,
// infinities, denormals) for every input: each case either fails a check with a message or
// writes a script whose every number is finite and within reach of the drawing limit.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "support/feature_inputs.h"

namespace bw::test {
namespace {

// An eighth of the singles are any bit pattern, an eighth the awkward ones, and the rest lie
// where drawings are made (and a little beyond), so that many cases get past the checks and
// write a script.
class RandomSource {
  public:
    explicit RandomSource(uint64_t seed) : rng_(seed) {}

    static constexpr std::array<float, 16> kAwkward = {
        0.0f, -0.0f,      1e-45f,  -1e-45f,  1.17e-38f, 1e-5f,     9.9e-5f, 1e-4f,
        1e6f, 1000000.1f, 3.4e38f, -3.4e38f, INFINITY,  -INFINITY, NAN,     -1.0f};

    float Single() {
        if (Int(0, 3) == 0) return Wild();
        const float magnitude =
            std::pow(10.0f, std::uniform_real_distribution<float>(-6.0f, 7.0f)(rng_));
        return Int(0, 15) == 0 ? -magnitude : magnitude;
    }

    float Wild() {
        if (Bool()) return std::bit_cast<float>(static_cast<uint32_t>(rng_()));
        return kAwkward[static_cast<size_t>(Int(0, kAwkward.size() - 1))];
    }

    // What a box can hold: digits and points, from nothing to a run of fifty digits.
    std::string BoxText() {
        if (Int(0, 3) == 0) {
            std::string text;
            const int n = Int(0, 50);
            for (int i = 0; i < n; ++i) text += "0123456789."[Int(0, 10)];
            return text;
        }
        char buf[64];
        const double magnitude =
            std::pow(10.0, std::uniform_real_distribution<double>(-6.0, 7.0)(rng_));
        std::snprintf(buf, sizeof buf, "%.*f", Int(0, 8), magnitude);
        return buf;
    }

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Bool() { return (rng_() & 1) != 0; }

  private:
    std::mt19937_64 rng_;
};

// BW_PROPERTY_CASES scales the count down for slow (sanitizer) builds.
int CaseCount() {
    const char* given = std::getenv("BW_PROPERTY_CASES");
    return given ? std::atoi(given) : 100000;
}

class LimitsProperty : public ::testing::TestWithParam<int> {};

TEST_P(LimitsProperty, EveryCaseIsRefusedOrWritesOnlyDrawableNumbers) {
    const int feature = GetParam();
    RandomSource source(0x5eed0000u + static_cast<uint64_t>(feature));
    const int cases = CaseCount();
    int written = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < cases; ++i) {
        const Outcome outcome = RunFeature(feature, source);
        if (outcome.message) {
            ASSERT_FALSE(outcome.message->empty()) << "case " << i;
            continue;
        }
        ++written;
        if (const auto bad = BadScriptNumber(outcome.script)) {
            FAIL() << "case " << i << " wrote " << *bad << " into:\n"
                   << outcome.script.substr(0, 2000);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("cases", cases);
    RecordProperty("written", written);
    std::printf("feature %d: %d cases, %d scripts written, %.2f s\n", feature, cases, written,
                seconds);
    // A property that no case gets past would prove nothing about the scripts.
    EXPECT_GT(written, cases / 50);
}

INSTANTIATE_TEST_SUITE_P(AllFeatures, LimitsProperty, ::testing::Range(0, kFeatureCount));

}  // namespace
}  // namespace bw::test
