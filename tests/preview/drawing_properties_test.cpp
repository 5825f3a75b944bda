// Every feature's drawing over many random inputs, made by brasswick-script and read back
// through the interpreter: a view drawn at 90, 180 or 270 is the view at 0 turned about the
// insertion point, and the hidden-line layer holds exactly the hidden edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <regex>
#include <sstream>

#include "cli/cli.h"
#include "preview/script_interpreter.h"

namespace bw::preview {
namespace {

using Rng = std::mt19937;
constexpr int kRuns = 60;

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
    "ejector pin=.05~1 depth=.1~3 view=side|face",
    "corepin pin=.05~.5 head=.52~1 headlen=.05~1 view=side|face",
    "corepin pin=.05~.1 head=.11~.3 headlen=.05~1 view=side|face",
    "tap major=.8~1.5 drill=.1~.75 depth=.2~3 view=side|face",
    "tap major=.1~.3 drill=.05~.09 depth=.2~3 view=side|face",
    "cbore screw=.1~.5 cbore=.55~1 view=side|face",
    "drill drill=.1~.5 depth=.2~3 csink=.55~1.2 countersunk=0|1 angle=82|100 view=side|face",
    "centerdrill d1=.31~.6 d2=.02~.15 l=.02~.5 view=side|face",
    "centerdrill type=bell b1=.5~.8 b2=.02~.15 b3=.16~.45 view=side|face",
    "shaft segments=.1~3:.1~3 view=side|face",
    "shaft segments=.1~3:.1~3,.1~3:.1~3,.1~3:.1~3,.1~3:.1~3 view=side|face",
    "taper diameter=.5~1 length=.2~3",
    "taper diameter=.05~.1 length=.2~1.5",
    "slot width=.05~1 distance=.1~3",
    "cam r1=.05~1 r2=.05~1 distance=2.01~4",
    "thread diameter=.1~2 tpi=4|7|13|20|32|56|80 length=.4~.75 left=0|1",
    "keyway diameter=1.5~4 key=.1~.45 kind=hub|shaft",
};
// The common names, on the layers "CUR" and "HID".
const std::string kCommon =
    " base=-20~20,-20~20 scale=.25~4 clearance=0~.05 hidden=0|1 layer=CUR hidden-layer=HID";

// One random drawing of a feature.
struct Case {
    std::vector<std::string> args;
    Point base;

    const std::string& Name() const { return args[0]; }
    // The value given for `name`, "" when none is.
    std::string Value(const std::string& name) const {
        for (const std::string& arg : args) {
            if (arg.starts_with(name + "=")) return arg.substr(name.size() + 1);
        }
        return "";
    }
    bool Hidden() const { return Value("hidden") == "1"; }
    // The drawing of the script in that direction. A probe line after the script shows the
    // layer the script leaves current, which must be the current one again.
    Drawing Draw(int direction) const {
        auto all = args;
        all.push_back("dir=" + std::to_string(direction));
        const cli::Result made = cli::Run(all, BW_DATA_DIR);
        EXPECT_EQ(made.exitCode, 0) << made.err << Name();
        Interpretation r = InterpretScript(made.out + "Line 0,0 1,1 \r\n", "CUR");
        EXPECT_TRUE(r.Clean()) << r.problem->Describe() << "\n" << made.out.substr(0, 400);
        if (r.drawing.segments.empty()) return {};
        EXPECT_EQ(r.drawing.LayerName(r.drawing.segments.back().layer), "CUR") << Name();
        r.drawing.segments.pop_back();
        return r.drawing;
    }
};

Case Random(Rng& r, const std::string& feature) {
    static const std::regex pick(R"((-?[\d.]+)~(-?[\d.]+)|\w+(\|\w+)+)");
    std::string line = feature + kCommon, drawn;
    std::smatch m;
    for (; std::regex_search(line, m, pick); line = m.suffix()) {
        std::vector<std::string> words;
        std::istringstream alternatives(m[0].str());
        for (std::string w; std::getline(alternatives, w, '|');) words.push_back(w);
        drawn +=
            m.prefix().str() + (m[1].matched ? Text(Uniform(r, std::stod(m[1]), std::stod(m[2])))
                                             : words[Whole(r, 0, words.size() - 1)]);
    }
    Case c;
    std::istringstream args(drawn + line);
    for (std::string arg; args >> arg;) c.args.push_back(arg);
    const std::string base = c.Value("base");
    c.base = {static_cast<float>(std::stod(base)),
              static_cast<float>(std::stod(base.substr(base.find(',') + 1)))};
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

// Every point that places an entity, with its kind and layer: a segment's ends, an arc's ends
// and the middle of its sweep (a three-point arc's centre is far more sensitive to the
// script's seven digits than the arc itself), a circle's centre, then its radius as a point
// that no turn moves.
struct Mark {
    Point p;
    bool turns;
    std::string what;
};

std::vector<Mark> Marks(const Drawing& d) {
    std::vector<Mark> marks;
    for (const Segment& s : d.segments) {
        for (Point p : {s.start, s.end})
            marks.push_back({p, true, "segment " + d.LayerName(s.layer)});
    }
    for (const Arc& a : d.arcs) {
        for (Point p : {a.start, a.end, Middle(a)})
            marks.push_back({p, true, "arc " + d.LayerName(a.layer)});
    }
    for (const Circle& c : d.circles) {
        marks.push_back({c.centre, true, "circle " + d.LayerName(c.layer)});
        marks.push_back({{c.radius, c.radius}, false, "radius"});
    }
    return marks;
}

// Whether each circle, in the order drawn, ought to be on the hidden-line layer; every other
// entity is there exactly when the Hidden box is ticked.
std::vector<bool> HiddenCircles(const Case& c, const Drawing& d) {
    std::vector<bool> hidden(d.circles.size(), c.Hidden());
    const std::string& name = c.Name();
    if (c.Value("view") != "face") {
        return hidden;
    } else if (name == "ejector" || name == "corepin" || name == "cbore") {
        // The bore (or head, or counterbore) around the pin is behind the face.
        hidden = {false, c.Hidden()};
    } else if (name == "tap") {
        // The thread's major diameter, neither the chamfer nor the drill, is always hidden.
        EXPECT_EQ(d.circles.size(), 3u);
        for (std::size_t i = 0; i < d.circles.size(); ++i) {
            int larger = 0;
            for (const Circle& other : d.circles) larger += other.radius > d.circles[i].radius;
            hidden[i] = c.Hidden() || larger == 1;
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

// Every hidden edge, and only those, on the hidden-line layer.
void ExpectHiddenEdgesOnTheHiddenLayer(const Case& c, const Drawing& d, const std::string& what) {
    const int hid = d.FindLayer("HID");
    // Only a shaft's keyseat is behind a keyway's face; the shaft and a hub are not.
    const bool keyway = c.Name() == "keyway";
    const std::vector<bool> circles =
        keyway ? std::vector<bool>(d.circles.size()) : HiddenCircles(c, d);
    ASSERT_EQ(circles.size(), d.circles.size()) << what;
    for (std::size_t i = 0; i < d.circles.size(); ++i) {
        EXPECT_EQ(d.circles[i].layer == hid, circles[i]) << what << " circle " << i;
    }
    for (const Segment& s : d.segments) {
        EXPECT_EQ(s.layer == hid, keyway ? c.Hidden() && c.Value("kind") == "shaft" : c.Hidden())
            << what;
        EXPECT_TRUE(d.LayerName(s.layer) == "HID" || d.LayerName(s.layer) == "CUR");
    }
    for (const Arc& a : d.arcs) EXPECT_EQ(a.layer == hid, c.Hidden() && !keyway) << what;
}

TEST(DrawingProperties, HiddenEdgesOnTheHiddenLayerAndEachDirectionTheZeroViewTurned) {
    for (const char* feature : kFeatures) {
        Rng rng(21);
        for (int run = 0; run < kRuns; ++run) {
            const Case c = Random(rng, feature);
            const std::string what =
                std::string(feature) + " " + c.Value("view") + (c.Hidden() ? " hidden" : "");
            const Drawing zero = c.Draw(0);
            ExpectHiddenEdgesOnTheHiddenLayer(c, zero, what);
            if (c.Name() == "keyway") continue;  // drawn one way only
            const std::vector<Mark> expected = Marks(zero);
            EXPECT_GT(expected.size(), 0u) << what;
            double tol = Tolerance(zero) * 2;
            if (c.Name() == "thread") {
                // Each turn starts a pitch on from the last, rounded to single each time,
                // along X in one direction and along Y in the other.
                tol += 2 * (zero.segments.size() / 6.0) * std::ldexp(Tolerance(zero) / 1e-6, -23);
            }
            for (int dir : {90, 180, 270}) {
                const Drawing d = c.Draw(dir);
                ExpectHiddenEdgesOnTheHiddenLayer(c, d, what + " at " + std::to_string(dir));
                const std::vector<Mark> turned = Marks(d);
                ASSERT_EQ(turned.size(), expected.size()) << what << " at " << dir;
                for (std::size_t i = 0; i < turned.size(); ++i) {
                    const Mark &t = turned[i], &z = expected[i];
                    const Point p = z.turns ? Turned(z.p, c.base, dir) : z.p;
                    EXPECT_EQ(t.what, z.what) << what << " at " << dir;
                    EXPECT_LE(Distance(t.p, p), tol)
                        << what << " at " << dir << ": " << t.what << " " << t.p.x << "," << t.p.y
                        << " instead of " << p.x << "," << p.y;
                }
            }
        }
    }
}

// Every feature of the registry has its cases above; the core note alone draws no edges, only
// its note block.
TEST(DrawingProperties, EveryFeatureOfTheRegistryHasItsCases) {
    for (const FeatureRow* row : CommandLineFeatures()) {
        const std::string name = row->command + " ";
        const bool listed = std::any_of(
            std::begin(kFeatures), std::end(kFeatures),
            [&](const char* f) { return name == std::string(f).substr(0, name.size()); });
        EXPECT_EQ(listed, row->command != "corenote") << row->command;
    }
}

}  // namespace
}  // namespace bw::preview
