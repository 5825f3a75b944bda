// Properties of the features' drawings, read back through the interpreter over many random
// inputs: outlines that must close do, slot and cam lines touch their arcs tangentially,
// thread teeth stay between the crest lines.
#include <gtest/gtest.h>

#include <numbers>

#include "preview/feature_cases.h"

namespace bw::preview::test {
namespace {

constexpr int kRuns = 150;

using Ends = std::vector<std::pair<Point, Point>>;

Ends EndsOf(const Drawing& d) {
    Ends ends;
    for (const Segment& s : d.segments) ends.push_back({s.start, s.end});
    for (const Arc& a : d.arcs) ends.push_back({a.start, a.end});
    return ends;
}

// Every end meets exactly one end of another piece: the pieces form closed loops.
void ExpectClosed(const Ends& ends, double tol, const std::string& what) {
    ASSERT_GE(ends.size(), 2u) << what;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        for (const Point p : {ends[i].first, ends[i].second}) {
            int meets = 0;
            for (std::size_t j = 0; j < ends.size(); ++j) {
                if (j == i) continue;
                meets += Distance(p, ends[j].first) <= tol;
                meets += Distance(p, ends[j].second) <= tol;
            }
            EXPECT_EQ(meets, 1) << what << ": the end " << p.x << "," << p.y << " of piece " << i;
        }
    }
}

const FeatureCase& CaseNamed(const std::vector<FeatureCase>& cases, const std::string& name) {
    for (const FeatureCase& c : cases) {
        if (name == c.name) return c;
    }
    throw std::runtime_error("no case " + name);
}

TEST(PreviewProperties, SlotCamAndTaperPinOutlinesAreClosed) {
    const auto cases = SideViewCases();
    for (const char* name : {"slot", "cam", "taper"}) {
        Rng rng(11);
        for (int run = 0; run < kRuns; ++run) {
            const DrawContext c = RandomContext(rng);
            const int dir = 90 * Whole(rng, 0, 3);
            const Drawing d =
                Draw(CaseNamed(cases, name).make(rng, c, View::Side, dir, Coin(rng)), c);
            ASSERT_EQ(d.arcs.size(), 2u);
            if (name != std::string("taper")) {
                EXPECT_EQ(d.segments.size(), 2u);
                ExpectClosed(EndsOf(d), Tolerance(d), name);
                continue;
            }
            // The pin: a closed four-sided outline whose end chords the two crowns span.
            ASSERT_EQ(d.segments.size(), 4u);
            Ends sides;
            for (const Segment& s : d.segments) sides.push_back({s.start, s.end});
            ExpectClosed(sides, Tolerance(d), name);
            ExpectClosed({sides[0], {d.arcs[0].start, d.arcs[0].end}}, Tolerance(d), "large end");
            ExpectClosed({sides[2], {d.arcs[1].start, d.arcs[1].end}}, Tolerance(d), "small end");
        }
    }
}

TEST(PreviewProperties, KeywayIsClosedAndHidesOnlyAShaftsKeyseat) {
    Rng rng(13);
    for (int run = 0; run < kRuns; ++run) {
        const DrawContext c = RandomContext(rng);
        const double diameter = Uniform(rng, .2, 4);
        KeywayInput in;
        in.diameterText = BoxText(diameter);
        in.keyWidthText = BoxText(diameter * Uniform(rng, .05, .3));
        in.kind = Coin(rng) ? KeywayKind::Hub : KeywayKind::Shaft;
        in.hidden = Coin(rng);
        ASSERT_FALSE(CheckKeyway(in));
        const std::string script = KeywayScript(in, c);
        const Drawing d = Draw(script, c);
        ASSERT_EQ(d.segments.size(), 3u);
        const bool keyseatHidden = in.hidden && in.kind == KeywayKind::Shaft;
        ExpectLayers(
            d, {All(3, keyseatHidden), All(d.circles.size(), false), All(d.arcs.size(), false)},
            "keyway");
        EXPECT_EQ(LayerLeftCurrent(script, c), "CUR");
        const double tol = Tolerance(d);
        if (in.kind == KeywayKind::Hub) {
            ASSERT_EQ(d.arcs.size(), 1u);
            EXPECT_TRUE(d.circles.empty());
            ExpectClosed(EndsOf(d), tol, "hub keyway");
        } else {
            ASSERT_EQ(d.circles.size(), 1u);
            EXPECT_TRUE(d.arcs.empty());
            // The keyseat's open ends sit on the shaft circle.
            const Circle& circle = d.circles[0];
            EXPECT_NEAR(Distance(d.segments.front().start, circle.centre), circle.radius, tol);
            EXPECT_NEAR(Distance(d.segments.back().end, circle.centre), circle.radius, tol);
            ExpectClosed({{d.segments[0].start, d.segments[0].end},
                          {d.segments[1].start, d.segments[1].end},
                          {d.segments[2].start, d.segments[2].end},
                          {d.segments[2].end, d.segments[0].start}},
                         tol, "shaft keyseat with its chord");
        }
    }
}

double DistanceToLine(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::abs(dx * (p.y - a.y) - dy * (p.x - a.x)) / std::hypot(dx, dy);
}

TEST(PreviewProperties, SlotAndCamLinesAreTangentToTheirArcs) {
    const auto cases = SideViewCases();
    for (const char* name : {"slot", "cam"}) {
        Rng rng(14);
        for (int run = 0; run < kRuns; ++run) {
            const DrawContext c = RandomContext(rng, 5.0);
            const int dir = 90 * Whole(rng, 0, 3);
            const Drawing d = Draw(CaseNamed(cases, name).make(rng, c, View::Side, dir, false), c);
            ASSERT_EQ(d.arcs.size(), 2u);
            const double tol = Tolerance(d);
            for (const Segment& s : d.segments) {
                for (const Point end : {s.start, s.end}) {
                    // The line touches the arc it ends on and stays outside its circle.
                    int touching = 0;
                    for (const Arc& a : d.arcs) {
                        if (Distance(end, a.start) > tol && Distance(end, a.end) > tol) continue;
                        ++touching;
                        EXPECT_NEAR(DistanceToLine(a.centre, s.start, s.end), a.radius, tol)
                            << name;
                    }
                    EXPECT_EQ(touching, 1) << name;
                }
            }
            // The first arc faces away from the second centre, the second away from the first.
            const double a = dir * std::numbers::pi / 180.0;
            EXPECT_LE(Distance(d.arcs[0].centre, Base(c)), tol);
            EXPECT_TRUE(ArcContainsAngle(d.arcs[0], a + std::numbers::pi)) << name;
            EXPECT_FALSE(ArcContainsAngle(d.arcs[0], a)) << name;
            EXPECT_TRUE(ArcContainsAngle(d.arcs[1], a)) << name;
            EXPECT_FALSE(ArcContainsAngle(d.arcs[1], a + std::numbers::pi)) << name;
        }
    }
}

TEST(PreviewProperties, ThreadTeethLieBetweenTheCrestLinesForBothHands) {
    Rng rng(15);
    for (int run = 0; run < kRuns; ++run) {
        const DrawContext c = RandomContext(rng);
        const int tpi = Whole(rng, 4, 80);
        ThreadInput in{ThreadSize{Uniform(rng, .1, 2), tpi}, Uniform(rng, 1.5 / tpi, 40.0 / tpi),
                       run % 2 == 1, Coin(rng), 90 * Whole(rng, 0, 3)};
        ASSERT_FALSE(CheckThread(in));
        const Drawing d = Draw(ThreadScript(in, c), c);
        const int turns = ThreadTurns(in);
        // Four lines of 2, 1, 2 and 1 segments per turn, and the closing line.
        ASSERT_EQ(d.segments.size(), 6u * turns + 1);
        const double r = in.size->diameter / 2.0;
        const double pitch = 1.0 / tpi;
        const double h = pitch * std::sin(std::numbers::pi / 3);
        const double a = in.direction * std::numbers::pi / 180.0;
        const Point axis{std::cos(a), std::sin(a)};
        const Point b = Base(c);
        const double tol = Tolerance(d) + 1e-6 * turns;
        int onUpperCrest = 0, onLowerCrest = 0;
        for (const Segment& s : d.segments) {
            for (const Point p : {s.start, s.end}) {
                const double u = (p.x - b.x) * axis.x + (p.y - b.y) * axis.y;
                const double v = axis.x * (p.y - b.y) - axis.y * (p.x - b.x);
                // On a crest line (v = ±r) or on a root line a tooth's depth inside it
                // (v = ±(r - h)): never outside the crests.
                const bool crest = std::abs(std::abs(v) - r) <= tol;
                const bool root = std::abs(v - (r - h)) <= tol || std::abs(v - (h - r)) <= tol;
                EXPECT_TRUE(crest || root) << "v=" << v << " r=" << r << " h=" << h;
                EXPECT_LE(std::abs(v), r + tol);
                EXPECT_GE(u, -tol);
                EXPECT_LE(u, turns * pitch * (1 + 1e-5) + tol);
                onUpperCrest += crest && v > 0;
                onLowerCrest += crest && v < 0;
            }
        }
        EXPECT_GT(onUpperCrest, 0);
        EXPECT_GT(onLowerCrest, 0);
        // The first crest point (C1) is on the left of the axis for a right hand, on the
        // right for a left hand.
        const Point c1 = d.segments.front().start;
        const double v1 = axis.x * (c1.y - b.y) - axis.y * (c1.x - b.x);
        EXPECT_NEAR(v1, in.leftHand ? -r : r, tol);
    }
}

}  // namespace
}  // namespace bw::preview::test
