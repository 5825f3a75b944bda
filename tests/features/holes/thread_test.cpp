#include "features/holes/thread.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include <vector>

namespace bw {
namespace {

DrawContext Context(float x, float y) { return test::At(x, y, "WALLS", "HID"); }

ThreadInput Input(float diameter, int tpi, float length, bool left = false, int direction = 0,
                  bool hidden = false) {
    ThreadInput in;
    in.size = ThreadSize{diameter, tpi};
    in.length = length;
    in.leftHand = left;
    in.direction = direction;
    in.hidden = hidden;
    return in;
}

std::vector<std::string> Lines(const std::string& script) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < script.size()) {
        const size_t end = script.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(script.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(script.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(Thread, TwoTurnsRightHandWholeScript) {
    // Crest radius .125, pitch .05, tooth depth .05 × sin 60° = .0433013.
    EXPECT_EQ(ThreadScript(Input(.25f, 20, .1f), Context(1, 1)),
              "Layer set WALLS \r\n"
              "line 1,1.125 1.025,.875 1,.9183013 \r\n"
              "line 1.025,.875 1.05,.9183013 \r\n"
              "line 1,1.125 1.025,1.081699 1.05,1.125 \r\n"
              "line 1.025,1.081699 1.05,.9183013 \r\n"
              "line 1.05,1.125 1.075,.875 1.05,.9183013 \r\n"
              "line 1.075,.875 1.1,.9183013 \r\n"
              "line 1.05,1.125 1.075,1.081699 1.1,1.125 \r\n"
              "line 1.075,1.081699 1.1,.9183013 \r\n"
              "line 1.075,1.081699 1.1,.9183013 \r\n"
              "Layer set WALLS \r\n");
}

TEST(Thread, TenTurnsGiveFortyThreeLinesAndTheTenthStartsAtOnePointFortyFive) {
    const auto lines = Lines(ThreadScript(Input(.25f, 20, .5f), Context(1, 1)));
    ASSERT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines[37], "line 1.45,1.125 1.475,.875 1.45,.9183013 ");
    EXPECT_EQ(lines[41], "line 1.475,1.081699 1.5,.9183013 ");
    EXPECT_EQ(lines[40], lines[41]);
    EXPECT_EQ(lines[42], "Layer set WALLS ");
}

TEST(Thread, LengthIsTruncatedToWholeTurns) {
    struct Case {
        float length;
        size_t lines;
    };
    const Case cases[] = {
        {.51f, 43},  // 10.2 turns draw 10
        {.5f, 43},
        {.05f, 7},  // exactly one turn
        // .35 as a single is a little below .35, but 20 × it rounds to 7 as a single:
        // 7 turns, not 6.
        {.35f, 31},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Lines(ThreadScript(Input(.25f, 20, c.length), Context(1, 1))).size(), c.lines)
            << "length " << c.length;
    }
}

TEST(Thread, AtTheOriginRightAnglesLeaveTinyCosinesInExponentForm) {
    const auto lines = Lines(ThreadScript(Input(.25f, 20, .5f), Context(0, 0)));
    ASSERT_EQ(lines.size(), 43u);
    // C5's x is what is left of C3's .025 after half a pitch back along the single 120°:
    // -7.450581E-09 with the double cosine, -9.313226E-09 with a single one.
    EXPECT_EQ(lines[1], "line -5.463924E-09,.125 .02499999,-.125 -7.450581E-09,-.08169873 ");
}

TEST(Thread, StartPointCarriesItsRoundingFromTurnToTurn) {
    // 99 pitches of the single .05 (.0500000007) added one at a time, each sum rounded to
    // single, put the hundredth turn at 5.950005, not at 1 + 99 × .05 = 5.95.
    const auto lines = Lines(ThreadScript(Input(.25f, 20, 5.0f), Context(1, 1)));
    ASSERT_EQ(lines.size(), 403u);
    EXPECT_EQ(lines[1 + 99 * 4].substr(0, 20), "line 5.950005,1.125 ");
}

TEST(Thread, LeftHandIsTheMirrorImageAboutTheAxis) {
    const auto lines = Lines(ThreadScript(Input(.25f, 20, .05f, true), Context(1, 1)));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "line 1,.875 1.025,1.125 1,1.081699 ");
    EXPECT_EQ(lines[2], "line 1.025,1.125 1.05,1.081699 ");
    EXPECT_EQ(lines[3], "line 1,.875 1.025,.9183013 1.05,.875 ");
    EXPECT_EQ(lines[4], "line 1.025,.9183013 1.05,1.081699 ");
    EXPECT_EQ(lines[5], lines[4]);
}

TEST(Thread, DirectionNinetyPutsTheFirstCrestOnTheMinusXSide) {
    const auto lines = Lines(ThreadScript(Input(.25f, 20, .05f, false, 90), Context(1, 1)));
    ASSERT_EQ(lines.size(), 7u);
    // The axis runs up; v is a quarter turn counter-clockwise from it, towards -x. The tooth
    // direction 210° as a single is a little past 7π/6, so its sine is -.50000019: C5 lands
    // at 1.025 - .02500001 = .9999999, not at 1.
    EXPECT_EQ(lines[1], "line .875,1 1.125,1.025 1.081699,.9999999 ");
    EXPECT_EQ(lines[2], "line 1.125,1.025 1.081699,1.05 ");
    EXPECT_EQ(lines[3], "line .875,1 .9183013,1.025 .875,1.05 ");
}

TEST(Thread, HiddenStartsOnTheHiddenLayerAndAlwaysEndsOnTheCurrentOne) {
    const auto hidden = Lines(ThreadScript(Input(.25f, 20, .05f, false, 0, true), Context(1, 1)));
    ASSERT_EQ(hidden.size(), 7u);
    EXPECT_EQ(hidden.front(), "Layer set HID ");
    EXPECT_EQ(hidden.back(), "Layer set WALLS ");
    const auto plain = Lines(ThreadScript(Input(.25f, 20, .05f), Context(1, 1)));
    EXPECT_EQ(plain.front(), "Layer set WALLS ");
    EXPECT_EQ(plain.back(), "Layer set WALLS ");
}

TEST(Thread, ProgressIsReportedOncePerTurnInOrder) {
    std::vector<int> reported;
    ThreadScript(Input(.25f, 20, .5f), Context(1, 1), [&](int k) { reported.push_back(k); });
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(ThreadChecks, MessagesInOrder) {
    ThreadInput none;
    ThreadInput noDepth = Input(.25f, 20, .5f);
    noDepth.length.reset();
    ThreadInput noSize = Input(.25f, 20, .5f);
    noSize.size.reset();
    struct Case {
        const char* what;
        ThreadInput input;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {"nothing selected", none, "You Must Select Thread Size"},
        {"no size", noSize, "You Must Select Thread Size"},
        {"no depth", noDepth, "You Must Select Depth"},
        {"fine", Input(.25f, 20, .5f), std::nullopt},
        {"zero diameter", Input(0.0f, 20, .5f), "Thread Diameter Must Be Greater Than Zero"},
        {"zero threads per unit", Input(.25f, 0, .5f),
         "Threads Per Unit Must Be Greater Than Zero"},
        {"negative threads per unit", Input(.25f, -20, .5f),
         "Threads Per Unit Must Be Greater Than Zero"},
        {"zero length", Input(.25f, 20, 0.0f), "Depth Must Be Greater Than Zero"},
        {"less than a turn", Input(.25f, 20, .04f), "Depth Is Shorter Than One Thread"},
        {"exactly one turn", Input(.25f, 20, .05f), std::nullopt},
        {"32767 turns", Input(.25f, 1, 32767.9f), std::nullopt},
        {"32768 turns", Input(.25f, 1, 32768.0f), "Thread Has More Than 32767 Turns"},
        {"far too many turns", Input(.25f, 32767, 1000.0f), "Thread Has More Than 32767 Turns"},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckThread(c.input), c.message) << c.what;
}

}  // namespace
}  // namespace bw
