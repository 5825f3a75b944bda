// Random but reproducible inputs for every feature, and the geometry helpers the property
// tests measure the interpreted drawings with.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "features/feature.h"
#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "features/profiles/cam.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"
#include "preview/script_interpreter.h"

namespace bw::preview::test {

using Rng = std::mt19937;

inline float Uniform(Rng& rng, double lo, double hi) {
    return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng));
}
inline int Whole(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}
inline bool Coin(Rng& rng) { return Whole(rng, 0, 1) == 1; }

// A box text as a user would type it: digits and a point, four decimals.
inline std::string BoxText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

// A random insertion point and two distinct layer names.
inline DrawContext RandomContext(Rng& rng, double reach = 20.0) {
    DrawContext c;
    c.BasePoint = {Uniform(rng, -reach, reach), Uniform(rng, -reach, reach)};
    c.CurrentLayer = "CUR";
    c.HiddenLayer = "HID";
    c.EjectorClearance = Uniform(rng, 0.0, 0.05);
    c.InsertScale = Uniform(rng, 0.25, 4.0);
    return c;
}

// One feature, drawn from random inputs: `make` reads its inputs from the generator, so two
// generators seeded alike give the same inputs in two directions or views. It checks that
// the inputs pass the feature's checks, and returns the script.
struct FeatureCase {
    const char* name;
    bool hasFaceView;
    std::function<std::string(Rng&, const DrawContext&, View, int direction, bool hidden)> make;
};

inline std::vector<FeatureCase> SideViewCases() {
    return {
        {"ejector", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             EjectorInput in{Uniform(r, .05, 1), Uniform(r, .1, 3), v, dir, hidden};
             EXPECT_FALSE(CheckEjector(in));
             return EjectorScript(in, c);
         }},
        {"corepin", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             const float d1 = Uniform(r, .05, 1);
             CorePinInput in{CorePinSize{d1, d1 + Uniform(r, .01, .5), Uniform(r, .05, 1)}, v, dir,
                             hidden};
             EXPECT_FALSE(CheckCorePin(in));
             return CorePinScript(in, c);
         }},
        {"tap", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             const float dm = Uniform(r, .1, 1.5);
             TappedHoleInput in{TapSize{dm, dm * Uniform(r, .6, .9)}, Uniform(r, .2, 3), v, hidden,
                                dir};
             EXPECT_FALSE(CheckTappedHole(in));
             return TappedHoleScript(in, c);
         }},
        {"cbore", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             const float s = Uniform(r, .1, 1);
             CounterboreInput in{CboreSize{s, s * Uniform(r, 1.3, 2)}, v, hidden, dir};
             EXPECT_FALSE(CheckCounterbore(in));
             return CounterboreScript(in, c);
         }},
        {"drill", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             const double dd = Uniform(r, .1, 1);
             DrilledHoleInput in;
             in.drillText = BoxText(dd);
             in.depthText = BoxText(Uniform(r, .2, 3));
             in.countersinkText = BoxText(dd * Uniform(r, 1.05, 2.5));
             in.countersunk = Coin(r);
             in.angle = Coin(r) ? 82 : 100;
             in.view = v;
             in.hidden = hidden;
             in.direction = dir;
             EXPECT_FALSE(CheckDrilledHole(in));
             return DrilledHoleScript(in, c);
         }},
        {"centerdrill", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             CenterDrillInput in;
             if (Coin(r)) {
                 const float d2 = Uniform(r, .02, .3);
                 in.plain =
                     PlainCenterDrill{"PLAIN", d2 * Uniform(r, 1.5, 4), d2, Uniform(r, .02, .5)};
             } else {
                 const float b2 = Uniform(r, .02, .3);
                 const float b3 = b2 * Uniform(r, 1.5, 3);
                 in.bell = BellCenterDrill{"BELL", b3 * Uniform(r, 1.1, 1.6), b2, b3};
             }
             in.view = v;
             in.direction = dir;
             in.hidden = hidden;
             EXPECT_FALSE(CheckCenterDrill(in));
             return CenterDrillScript(in, c);
         }},
        {"shaft", true,
         [](Rng& r, const DrawContext& c, View v, int dir, bool hidden) {
             ShaftInput in;
             in.segments.clear();
             const int n = Whole(r, 1, 6);
             for (int i = 0; i < n; ++i) {
                 in.segments.push_back({BoxText(Uniform(r, .1, 3)), BoxText(Uniform(r, .1, 3))});
             }
             in.view = v;
             in.direction = dir;
             in.hidden = hidden;
             EXPECT_FALSE(CheckShaft(in));
             return ShaftScript(in, c);
         }},
        {"taper", false,
         [](Rng& r, const DrawContext& c, View, int dir, bool hidden) {
             const float d = Uniform(r, .05, 1);
             // Short enough for the small end to stay well above zero.
             TaperPinInput in{d, Uniform(r, .2, 0.8 * d / 0.02083), dir, hidden};
             EXPECT_FALSE(CheckTaperPin(in));
             return TaperPinScript(in, c);
         }},
        {"slot", false,
         [](Rng& r, const DrawContext& c, View, int dir, bool hidden) {
             SlotInput in{BoxText(Uniform(r, .05, 1)), BoxText(Uniform(r, .1, 3)), dir, hidden};
             EXPECT_FALSE(CheckSlot(in));
             return SlotScript(in, c);
         }},
        {"cam", false,
         [](Rng& r, const DrawContext& c, View, int dir, bool hidden) {
             const double r1 = std::round(Uniform(r, .05, 1) * 1e4) / 1e4;
             const double r2 = std::round(Uniform(r, .05, 1) * 1e4) / 1e4;
             CamInput in{BoxText(r1), BoxText(r2), BoxText(r1 + r2 + Uniform(r, .01, 2)), dir,
                         hidden};
             EXPECT_FALSE(CheckCam(in));
             return CamScript(in, c);
         }},
        {"thread", false,
         [](Rng& r, const DrawContext& c, View, int dir, bool hidden) {
             const int tpi = Whole(r, 4, 80);
             ThreadInput in{ThreadSize{Uniform(r, .1, 2), tpi}, Uniform(r, 1.5 / tpi, 60.0 / tpi),
                            Coin(r), hidden, dir};
             EXPECT_FALSE(CheckThread(in));
             return ThreadScript(in, c);
         }},
    };
}

// The drawing a script makes, the drawing's layer before the script being CurrentLayer.
inline Drawing Draw(const std::string& script, const DrawContext& c) {
    const Interpretation r = InterpretScript(script, c.CurrentLayer);
    EXPECT_TRUE(r.Clean()) << r.problem->Describe() << "\n" << script.substr(0, 400);
    return r.drawing;
}

// Which entities ought to be on the hidden-line layer "HID"; all others on "CUR".
struct Expected {
    std::vector<bool> segments, circles, arcs;
};

inline std::vector<bool> All(std::size_t n, bool value) { return std::vector<bool>(n, value); }

inline void ExpectLayers(const Drawing& d, const Expected& e, const std::string& what) {
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

// The layer a script leaves current, shown by a probe line drawn after it.
inline std::string LayerLeftCurrent(const std::string& script, const DrawContext& c) {
    const Drawing d = Draw(script + "Line 0,0 1,1 \r\n", c);
    return d.segments.empty() ? "" : d.LayerName(d.segments.back().layer);
}

inline Point Base(const DrawContext& c) { return {c.BasePoint.X, c.BasePoint.Y}; }

inline double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// How far apart two points may lie and still be the same point of the drawing: the script
// carries seven significant digits, so a few units in the seventh digit of the largest
// coordinate.
inline double Tolerance(const Drawing& d) {
    const Extent e = d.Bounds();
    const double reach =
        std::max({1.0, std::abs(e.min.x), std::abs(e.min.y), std::abs(e.max.x), std::abs(e.max.y)});
    return 1e-6 * reach;
}

// The point turned counter-clockwise about `centre` by a multiple of 90 degrees.
inline Point Turned(Point p, Point centre, int degrees) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    switch (degrees) {
        case 90:
            return {centre.x - dy, centre.y + dx};
        case 180:
            return {centre.x - dx, centre.y - dy};
        case 270:
            return {centre.x + dy, centre.y - dx};
        default:
            return p;
    }
}

}  // namespace bw::preview::test
