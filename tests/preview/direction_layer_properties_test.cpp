// Properties of the features' drawings over many random inputs, read back through the
// interpreter: a side view drawn at 90, 180 or 270 is the view at 0 turned about the
// insertion point, and the entities on the hidden-line layer are exactly the hidden edges.
#include <gtest/gtest.h>

#include "preview/feature_cases.h"

namespace bw::preview::test {
namespace {

constexpr int kRuns = 60;

void ExpectNear(Point actual, Point expected, double tol, const std::string& what) {
    EXPECT_LE(Distance(actual, expected), tol) << what << ": " << actual.x << "," << actual.y
                                               << " instead of " << expected.x << "," << expected.y;
}

Point Middle(const Arc& a) {
    const double m = (a.startAngle + a.endAngle) / 2;
    return {a.centre.x + a.radius * std::cos(m), a.centre.y + a.radius * std::sin(m)};
}

TEST(PreviewProperties, SideViewInEachDirectionIsTheZeroViewTurnedAboutTheInsertionPoint) {
    for (const FeatureCase& feature : SideViewCases()) {
        Rng rng(21);
        for (int run = 0; run < kRuns; ++run) {
            const DrawContext c = RandomContext(rng);
            const bool hidden = Coin(rng);
            const unsigned seed = rng();
            for (int dir : {90, 180, 270}) {
                Rng zeroInputs(seed), turnedInputs(seed);
                const Drawing zero = Draw(feature.make(zeroInputs, c, View::Side, 0, hidden), c);
                const Drawing turned =
                    Draw(feature.make(turnedInputs, c, View::Side, dir, hidden), c);
                const std::string what = std::string(feature.name) + " at " + std::to_string(dir);
                double tol = Tolerance(zero) * 2;
                if (feature.name == std::string("thread")) {
                    // Each turn starts a pitch on from the last, rounded to single each time,
                    // along X in one direction and along Y in the other.
                    const double turns = zero.segments.size() / 6.0;
                    tol += 2 * turns * std::ldexp(Tolerance(zero) / 1e-6, -23);
                }
                const Point b = Base(c);
                ASSERT_EQ(turned.segments.size(), zero.segments.size()) << what;
                ASSERT_EQ(turned.arcs.size(), zero.arcs.size()) << what;
                ASSERT_EQ(turned.circles.size(), zero.circles.size()) << what;
                EXPECT_GT(zero.EntityCount(), 0u) << what;
                for (std::size_t i = 0; i < zero.segments.size(); ++i) {
                    const Segment& s = zero.segments[i];
                    const Segment& t = turned.segments[i];
                    ExpectNear(t.start, Turned(s.start, b, dir), tol, what);
                    ExpectNear(t.end, Turned(s.end, b, dir), tol, what);
                    EXPECT_EQ(turned.LayerName(t.layer), zero.LayerName(s.layer)) << what;
                }
                for (std::size_t i = 0; i < zero.arcs.size(); ++i) {
                    const Arc& s = zero.arcs[i];
                    const Arc& t = turned.arcs[i];
                    // The ends and the middle of the sweep: a three-point arc's centre is far
                    // more sensitive to the script's seven digits than the arc itself.
                    ExpectNear(t.start, Turned(s.start, b, dir), tol, what);
                    ExpectNear(t.end, Turned(s.end, b, dir), tol, what);
                    ExpectNear(Middle(t), Turned(Middle(s), b, dir), tol, what);
                }
                for (std::size_t i = 0; i < zero.circles.size(); ++i) {
                    ExpectNear(turned.circles[i].centre, Turned(zero.circles[i].centre, b, dir),
                               tol, what);
                    EXPECT_NEAR(turned.circles[i].radius, zero.circles[i].radius, tol) << what;
                }
            }
        }
    }
}

// The layer every entity ought to be on, from what the feature shows as hidden.
Expected HiddenEdges(const std::string& name, const Drawing& d, View view, bool hidden) {
    Expected e{All(d.segments.size(), hidden), All(d.circles.size(), hidden),
               All(d.arcs.size(), hidden)};
    if (view == View::Side) return e;
    if (name == "ejector" || name == "corepin" || name == "cbore") {
        // The bore (or head, or counterbore) around the pin is behind the face.
        e.circles = {false, hidden};
    } else if (name == "tap") {
        // The thread's major diameter, neither the chamfer nor the drill, is always hidden.
        EXPECT_EQ(d.circles.size(), 3u);
        for (std::size_t i = 0; i < d.circles.size(); ++i) {
            int larger = 0;
            for (const Circle& other : d.circles) larger += other.radius > d.circles[i].radius;
            e.circles[i] = hidden || larger == 1;
        }
    } else if (name == "shaft") {
        // A segment smaller than one nearer the viewer is hidden, whatever the box says.
        double largest = 0;
        for (std::size_t i = 0; i < d.circles.size(); ++i) {
            e.circles[i] = d.circles[i].radius < largest;
            largest = std::max(largest, d.circles[i].radius);
        }
    }
    return e;
}

TEST(PreviewProperties, HiddenEntitiesAreExactlyThoseOnTheHiddenLayer) {
    for (const FeatureCase& feature : SideViewCases()) {
        Rng rng(22);
        for (int run = 0; run < kRuns; ++run) {
            const DrawContext c = RandomContext(rng);
            const bool hidden = Coin(rng);
            const View view = feature.hasFaceView && Coin(rng) ? View::Face : View::Side;
            const std::string script = feature.make(rng, c, view, 90 * Whole(rng, 0, 3), hidden);
            const std::string what = std::string(feature.name) +
                                     (view == View::Face ? " face" : " side") +
                                     (hidden ? " hidden" : "");
            const Drawing d = Draw(script, c);
            ExpectLayers(d, HiddenEdges(feature.name, d, view, hidden), what);
            EXPECT_EQ(LayerLeftCurrent(script, c), "CUR") << what;
        }
    }
}

}  // namespace
}  // namespace bw::preview::test
