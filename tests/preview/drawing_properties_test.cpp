// Properties of every feature's drawing over many random inputs, made by brasswick-script and
// read back through the interpreter: a view drawn at 90, 180 or 270 is the view at 0 turned
// about the insertion point, the hidden-line layer holds exactly the hidden edges, outlines
// close, slot and cam lines touch their arcs, thread teeth stay between the crest lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <regex>
#include <sstream>

#include "cli/cli.h"
#include "preview/script_interpreter.h"

namespace bw::preview {
namespace {

using Rng = std::mt19937;
constexpr int kRuns = 60;
constexpr double kPi = std::numbers::pi;

double Uniform(Rng& r, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(r);
}
int Whole(Rng& r, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(r); }

// A value as a user types it: digits, a point, four decimals.
std::string Text(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

// Each feature's arguments: "lo~hi" stands for a value drawn between the two, "a|b|c" for one
// of the words. The ranges keep every size within the ones around it.
const char* const kFeatures[] = {
    "ejector pin=.05~1 depth=.1~3",
    "corepin pin=.05~.5 head=.52~1 headlen=.05~1",
    "tap major=.8~1.5 drill=.1~.75 depth=.2~3",
    "cbore screw=.1~.5 cbore=.55~1",
    "drill drill=.1~.5 depth=.2~3 csink=.55~1.2 countersunk=0|1 angle=82|100",
    "centerdrill d1=.31~.6 d2=.02~.15 l=.02~.5",
    "centerdrill type=bell b1=.5~.8 b2=.02~.15 b3=.16~.45",
    "shaft segments=.1~3:.1~3",
    "shaft segments=.1~3:.1~3,.1~3:.1~3,.1~3:.1~3,.1~3:.1~3",
    "taper diameter=.5~1 length=.2~3",
    "taper diameter=.05~.1 length=.2~1.5",
    "slot width=.05~1 distance=.1~3",
    "cam r1=.05~1 r2=.05~1 distance=2.01~4",
    "thread diameter=.1~2 tpi=4|7|13|20|32|56|80 length=.4~.75 left=0|1",
    "keyway diameter=1.5~4 key=.1~.45 kind=hub|shaft",
};

bool HasFaceView(const std::string& name) {
    return name != "taper" && name != "slot" && name != "cam" && name != "thread" &&
           name != "keyway";
}

// One random drawing of a feature, on the layers "CUR" and "HID", with the other common names
// drawn at random too.
struct Case {
    std::vector<std::string> args;
    Point base;
    bool hidden = false;

    const std::string& Name() const { return args[0]; }
    // The value given for `name`, "" when none is.
    std::string Value(const std::string& name) const {
        for (const std::string& arg : args) {
            if (arg.starts_with(name + "=")) return arg.substr(name.size() + 1);
        }
        return "";
    }
    Drawing Draw(int direction, View view = View::Side, const std::string& after = "") const {
        auto all = args;
        all.push_back("dir=" + std::to_string(direction));
        all.push_back(view == View::Face ? "view=face" : "view=side");
        const cli::Result made = cli::Run(all, BW_DATA_DIR);
        EXPECT_EQ(made.exitCode, 0) << made.err << Name();
        const Interpretation r = InterpretScript(made.out + after, "CUR");
        EXPECT_TRUE(r.Clean()) << r.problem->Describe() << "\n" << made.out.substr(0, 400);
        return r.drawing;
    }
};

Case Random(Rng& r, const std::string& feature, double reach = 20.0) {
    static const std::regex pick(R"(([\d.]+)~([\d.]+)|\w+(\|\w+)+)");
    Case c;
    std::istringstream words(feature);
    for (std::string word; words >> word;) {
        std::string arg;
        std::smatch m;
        for (; std::regex_search(word, m, pick); word = m.suffix()) {
            std::vector<std::string> choices;
            std::istringstream alternatives(m[0].str());
            for (std::string a; std::getline(alternatives, a, '|');) choices.push_back(a);
            arg += m.prefix().str() + (m[1].matched
                                           ? Text(Uniform(r, std::stod(m[1]), std::stod(m[2])))
                                           : choices[Whole(r, 0, choices.size() - 1)]);
        }
        c.args.push_back(arg + word);
    }
    const std::string x = Text(Uniform(r, -reach, reach)), y = Text(Uniform(r, -reach, reach));
    c.base = {static_cast<float>(std::stod(x)), static_cast<float>(std::stod(y))};
    c.hidden = Whole(r, 0, 1) == 1;
    c.args.insert(c.args.end(),
                  {"base=" + x + "," + y, "scale=" + Text(Uniform(r, .25, 4)),
                   "clearance=" + Text(Uniform(r, 0, .05)), c.hidden ? "hidden=1" : "hidden=0",
                   "layer=CUR", "hidden-layer=HID"});
    return c;
}

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// How far apart two points may lie and still be the same point of the drawing: the script
// carries seven significant digits, so a few units in the seventh digit of the largest
// coordinate.
double Tolerance(const Drawing& d) {
    const Extent e = d.Bounds();
    return 1e-6 * std::max({1.0, std::abs(e.min.x), std::abs(e.min.y), std::abs(e.max.x),
                            std::abs(e.max.y)});
}

// The point turned counter-clockwise about `centre` by a multiple of 90 degrees.
Point Turned(Point p, Point centre, int degrees) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    if (degrees == 90) return {centre.x - dy, centre.y + dx};
    if (degrees == 180) return {centre.x - dx, centre.y - dy};
    return {centre.x + dy, centre.y - dx};
}

Point Middle(const Arc& a) {
    const double m = (a.startAngle + a.endAngle) / 2;
    return {a.centre.x + a.radius * std::cos(m), a.centre.y + a.radius * std::sin(m)};
}

void ExpectAt(Point actual, Point expected, double tol, const std::string& what) {
    EXPECT_LE(Distance(actual, expected), tol) << what << ": " << actual.x << "," << actual.y
                                               << " instead of " << expected.x << "," << expected.y;
}

TEST(DrawingProperties, EachDirectionIsTheZeroViewTurnedAboutTheInsertionPoint) {
    for (const char* feature : kFeatures) {
        Rng rng(21);
        for (int run = 0; run < kRuns; ++run) {
            const Case c = Random(rng, feature);
            if (c.Name() == "keyway") break;  // drawn one way only
            const View view = HasFaceView(c.Name()) && run % 2 ? View::Face : View::Side;
            const Drawing zero = c.Draw(0, view);
            EXPECT_GT(zero.EntityCount(), 0u) << feature;
            double tol = Tolerance(zero) * 2;
            if (c.Name() == "thread") {
                // Each turn starts a pitch on from the last, rounded to single each time,
                // along X in one direction and along Y in the other.
                tol += 2 * (zero.segments.size() / 6.0) * std::ldexp(Tolerance(zero) / 1e-6, -23);
            }
            for (int dir : {90, 180, 270}) {
                const Drawing turned = c.Draw(dir, view);
                const std::string what = std::string(feature) + " at " + std::to_string(dir);
                ASSERT_EQ(turned.segments.size(), zero.segments.size()) << what;
                ASSERT_EQ(turned.arcs.size(), zero.arcs.size()) << what;
                ASSERT_EQ(turned.circles.size(), zero.circles.size()) << what;
                for (std::size_t i = 0; i < zero.segments.size(); ++i) {
                    const Segment &s = zero.segments[i], &t = turned.segments[i];
                    ExpectAt(t.start, Turned(s.start, c.base, dir), tol, what);
                    ExpectAt(t.end, Turned(s.end, c.base, dir), tol, what);
                    EXPECT_EQ(turned.LayerName(t.layer), zero.LayerName(s.layer)) << what;
                }
                for (std::size_t i = 0; i < zero.arcs.size(); ++i) {
                    const Arc &s = zero.arcs[i], &t = turned.arcs[i];
                    // The ends and the middle of the sweep: a three-point arc's centre is far
                    // more sensitive to the script's seven digits than the arc itself.
                    ExpectAt(t.start, Turned(s.start, c.base, dir), tol, what);
                    ExpectAt(t.end, Turned(s.end, c.base, dir), tol, what);
                    ExpectAt(Middle(t), Turned(Middle(s), c.base, dir), tol, what);
                }
                for (std::size_t i = 0; i < zero.circles.size(); ++i) {
                    const Circle &s = zero.circles[i], &t = turned.circles[i];
                    ExpectAt(t.centre, Turned(s.centre, c.base, dir), tol, what);
                    EXPECT_NEAR(t.radius, s.radius, tol) << what;
                    EXPECT_EQ(turned.LayerName(t.layer), zero.LayerName(s.layer)) << what;
                }
            }
        }
    }
}

// Whether each circle, in the order drawn, ought to be on the hidden-line layer; every other
// entity is there exactly when the Hidden box is ticked.
std::vector<bool> HiddenCircles(const Case& c, const Drawing& d, View view) {
    std::vector<bool> hidden(d.circles.size(), c.hidden);
    const std::string& name = c.Name();
    if (view == View::Side) {
        return hidden;
    } else if (name == "ejector" || name == "corepin" || name == "cbore") {
        // The bore (or head, or counterbore) around the pin is behind the face.
        hidden = {false, c.hidden};
    } else if (name == "tap") {
        // The thread's major diameter, neither the chamfer nor the drill, is always hidden.
        EXPECT_EQ(d.circles.size(), 3u);
        for (std::size_t i = 0; i < d.circles.size(); ++i) {
            int larger = 0;
            for (const Circle& other : d.circles) larger += other.radius > d.circles[i].radius;
            hidden[i] = c.hidden || larger == 1;
        }
    } else if (name == "shaft") {
        // A segment smaller than one nearer the viewer is hidden, whatever the box says.
        double largest = 0;
        for (std::size_t i = 0; i < d.circles.size(); ++i) {
            hidden[i] = d.circles[i].radius < largest;
            largest = std::max(largest, d.circles[i].radius);
        }
    }
    return hidden;
}

TEST(DrawingProperties, HiddenEdgesAreExactlyThoseOnTheHiddenLayerWhichIsLeftForTheCurrent) {
    for (const char* feature : kFeatures) {
        Rng rng(22);
        for (int run = 0; run < kRuns; ++run) {
            const Case c = Random(rng, feature);
            const View view = HasFaceView(c.Name()) && run % 2 ? View::Face : View::Side;
            const std::string what = std::string(feature) + (view == View::Face ? " face" : "") +
                                     (c.hidden ? " hidden" : "");
            // A probe line after the script shows the layer the script leaves current.
            Drawing d = c.Draw(90 * Whole(rng, 0, 3), view, "Line 0,0 1,1 \r\n");
            ASSERT_FALSE(d.segments.empty()) << what;
            EXPECT_EQ(d.LayerName(d.segments.back().layer), "CUR") << what;
            d.segments.pop_back();
            const int hid = d.FindLayer("HID");
            // Only a shaft's keyseat is behind a keyway's face; the shaft and a hub are not.
            const bool keyway = c.Name() == "keyway";
            const std::vector<bool> circles =
                keyway ? std::vector<bool>(d.circles.size()) : HiddenCircles(c, d, view);
            ASSERT_EQ(circles.size(), d.circles.size()) << what;
            for (std::size_t i = 0; i < d.circles.size(); ++i) {
                EXPECT_EQ(d.circles[i].layer == hid, circles[i]) << what << " circle " << i;
            }
            for (const Segment& s : d.segments) {
                EXPECT_EQ(s.layer == hid,
                          keyway ? c.hidden && c.Value("kind") == "shaft" : c.hidden)
                    << what;
                EXPECT_TRUE(d.LayerName(s.layer) == "HID" || d.LayerName(s.layer) == "CUR");
            }
            for (const Arc& a : d.arcs) EXPECT_EQ(a.layer == hid, c.hidden && !keyway) << what;
        }
    }
}

using Ends = std::vector<std::pair<Point, Point>>;

// Every end meets exactly one end of another piece: the pieces form closed loops.
void ExpectClosed(const Ends& ends, double tol, const std::string& what) {
    ASSERT_GE(ends.size(), 2u) << what;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        for (const Point p : {ends[i].first, ends[i].second}) {
            int meets = 0;
            for (std::size_t j = 0; j < ends.size(); ++j) {
                meets += j != i && Distance(p, ends[j].first) <= tol;
                meets += j != i && Distance(p, ends[j].second) <= tol;
            }
            EXPECT_EQ(meets, 1) << what << ": the end " << p.x << "," << p.y << " of piece " << i;
        }
    }
}

double DistanceToLine(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::abs(dx * (p.y - a.y) - dy * (p.x - a.x)) / std::hypot(dx, dy);
}

TEST(DrawingProperties, SlotAndCamAreClosedAndTheirLinesTangentToTheirArcs) {
    for (const char* feature : {kFeatures[11], kFeatures[12]}) {
        Rng rng(14);
        for (int run = 0; run < kRuns; ++run) {
            const Case c = Random(rng, feature, 5.0);
            ASSERT_TRUE(c.Name() == "slot" || c.Name() == "cam") << feature;
            const int dir = 90 * Whole(rng, 0, 3);
            const Drawing d = c.Draw(dir);
            const double tol = Tolerance(d);
            Ends pieces;
            for (const Segment& s : d.segments) pieces.push_back({s.start, s.end});
            for (const Arc& a : d.arcs) pieces.push_back({a.start, a.end});
            ASSERT_EQ(d.segments.size(), 2u);
            ASSERT_EQ(d.arcs.size(), 2u);
            ExpectClosed(pieces, tol, feature);
            // Each line touches the arcs it ends on and stays outside their circles.
            for (const Segment& s : d.segments) {
                for (const Arc& a : d.arcs) {
                    const double gap =
                        std::min({Distance(s.start, a.start), Distance(s.start, a.end),
                                  Distance(s.end, a.start), Distance(s.end, a.end)});
                    if (gap > tol) continue;
                    EXPECT_NEAR(DistanceToLine(a.centre, s.start, s.end), a.radius, tol);
                }
            }
            // The first arc faces away from the second centre, the second from the first.
            const double a = dir * kPi / 180.0;
            EXPECT_LE(Distance(d.arcs[0].centre, c.base), tol);
            EXPECT_TRUE(ArcContainsAngle(d.arcs[0], a + kPi)) << feature;
            EXPECT_FALSE(ArcContainsAngle(d.arcs[0], a)) << feature;
            EXPECT_TRUE(ArcContainsAngle(d.arcs[1], a)) << feature;
            EXPECT_FALSE(ArcContainsAngle(d.arcs[1], a + kPi)) << feature;
        }
    }
}

}  // namespace
}  // namespace bw::preview
