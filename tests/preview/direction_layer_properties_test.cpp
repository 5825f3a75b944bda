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
struct Expected {
    std::vector<bool> segments, circles, arcs;  // true: on the hidden-line layer
};

std::vector<bool> All(std::size_t n, bool value) { return std::vector<bool>(n, value); }

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

void ExpectLayers(const Drawing& d, const Expected& e, const std::string& what) {
    const int hid = d.FindLayer("HID");
    ASSERT_EQ(e.segments.size(), d.segments.size()) << what;
    ASSERT_EQ(e.circles.size(), d.circles.size()) << what;
    ASSERT_EQ(e.arcs.size(), d.arcs.size()) << what;
    for (std::size_t i = 0; i < d.segments.size(); ++i) {
        EXPECT_EQ(d.segments[i].layer == hid, e.segments[i]) << what << " segment " << i;
        EXPECT_TRUE(d.LayerName(d.segments[i].layer) == "HID" ||
                    d.LayerName(d.segments[i].layer) == "CUR");
    }
    for (std::size_t i = 0; i < d.circles.size(); ++i) {
        EXPECT_EQ(d.circles[i].layer == hid, e.circles[i]) << what << " circle " << i;
    }
    for (std::size_t i = 0; i < d.arcs.size(); ++i) {
        EXPECT_EQ(d.arcs[i].layer == hid, e.arcs[i]) << what << " arc " << i;
    }
}

// A probe line after the script shows the layer the script leaves current.
std::string LayerLeftCurrent(const std::string& script, const DrawContext& c) {
    const Drawing d = Draw(script + "Line 0,0 1,1 \r\n", c);
    return d.segments.empty() ? "" : d.LayerName(d.segments.back().layer);
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

TEST(PreviewProperties, KeywayHidesOnlyAShaftsKeyseat) {
    Rng rng(23);
    for (int run = 0; run < kRuns; ++run) {
        const DrawContext c = RandomContext(rng);
        KeywayInput in;
        const double diameter = Uniform(rng, .2, 4);
        in.diameterText = BoxText(diameter);
        in.keyWidthText = BoxText(diameter * Uniform(rng, .05, .3));
        in.kind = Coin(rng) ? KeywayKind::Hub : KeywayKind::Shaft;
        in.hidden = Coin(rng);
        const std::string script = KeywayScript(in, c);
        const Drawing d = Draw(script, c);
        const bool keyseatHidden = in.hidden && in.kind == KeywayKind::Shaft;
        ExpectLayers(
            d, {All(3, keyseatHidden), All(d.circles.size(), false), All(d.arcs.size(), false)},
            "keyway");
        EXPECT_EQ(LayerLeftCurrent(script, c), "CUR");
    }
}

TEST(PreviewProperties, CoreNoteInsertsItsBlockOnTheCurrentLayer) {
    Rng rng(24);
    for (int run = 0; run < kRuns; ++run) {
        const DrawContext c = RandomContext(rng);
        const CoreNoteInput in{Whole(rng, -32768, 32767), Coin(rng)};
        ASSERT_FALSE(CheckCoreNote(in));
        const Drawing d = Draw(CoreNoteScript(in, c), c);
        ASSERT_EQ(d.inserts.size(), 1u);
        const Insert& note = d.inserts[0];
        EXPECT_EQ(d.LayerName(note.layer), "CUR");
        EXPECT_EQ(note.block, in.cxPin ? "Dmehnote" : "Dmesnote");
        EXPECT_EQ(note.value, std::to_string(*in.coreNumber));
        EXPECT_LE(Distance(note.point, Base(c)), 1e-6 * 40);
        EXPECT_NEAR(note.scaleX, c.InsertScale, 1e-6 * c.InsertScale);
        EXPECT_EQ(note.scaleY, note.scaleX);
        EXPECT_EQ(note.rotation, 0);
    }
}

}  // namespace
}  // namespace bw::preview::test
