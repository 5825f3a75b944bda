#include "features/holes/drilled_hole.h"

#include <cmath>

#include "exchange/script_writer.h"
#include "tables/labelled_section.h"

namespace bw {

namespace {

// A typed value is drawn as a single, so it is held to the size rule once rounded; a run of
// forty digits becomes infinity, which counts as too large.
std::optional<std::string> TypedSize(double value, const std::string& field,
                                     const std::string& missing) {
    return SizeMessage(static_cast<float>(value), field, missing);
}

struct DrawnValues {
    float countersink;
    float drill;
    float depth;
};

DrawnValues ValuesToDraw(const DrilledHoleInput& input) {
    return {static_cast<float>(BoxNumber(input.countersinkText)),
            static_cast<float>(BoxNumber(input.drillText)),
            static_cast<float>(BoxNumber(input.depthText))};
}

}  // namespace

DrillTableLoad ParseDrillTable(std::string_view bytes) {
    DrillTableLoad load;
    FieldReader reader(bytes);
    ReadLabelledSection(reader, {"Drill.dat", "dimension"}, load.table.labels,
                        {{"dimension", load.table.dimension}}, load.diagnostic);
    return load;
}

DrillTableLoad LoadDrillTable(const std::string& programFolder) {
    return LoadTableFile<DrillTable>(programFolder, "Drill.dat", ParseDrillTable);
}

CsinkTableLoad ParseCsinkTable(std::string_view bytes) {
    CsinkTableLoad load;
    CsinkTable& t = load.table;
    FieldReader reader(bytes);
    ReadLabelledSection(
        reader, {"Csink.dat", "screw size"}, t.labels,
        {{"drill diameter", t.drillDiameter}, {"countersink diameter", t.csinkDiameter}},
        load.diagnostic);
    return load;
}

CsinkTableLoad LoadCsinkTable(const std::string& programFolder) {
    return LoadTableFile<CsinkTable>(programFolder, "Csink.dat", ParseCsinkTable);
}

std::string DrillTableCounts(const DrillTable& table) {
    return CountOf(table.labels.size(), "dimension", "dimensions");
}

std::string CsinkTableCounts(const CsinkTable& table) {
    return CountOf(table.labels.size(), "screw size", "screw sizes");
}

std::optional<std::string> CheckDrilledHole(const DrilledHoleInput& input) {
    const double countersink = BoxNumber(input.countersinkText);
    const double drill = BoxNumber(input.drillText);
    const double depth = BoxNumber(input.depthText);
    if (input.countersunk) {
        if (auto m = TypedSize(countersink, "Countersink Diameter", kSupplyCountersinkMessage)) {
            return m;
        }
    }
    if (auto m = TypedSize(drill, "Drill Diameter", kSupplyDrillMessage)) return m;
    // The depth is checked even for the face view, which does not draw it.
    if (auto m = TypedSize(depth, "Drill Depth", kSupplyDepthMessage)) return m;
    // Equal diameters pass: the countersink then has no length.
    if (input.countersunk && countersink < drill) return kDrillLargerMessage;
    return std::nullopt;
}

namespace {

// The section along the hole, from the surface to the drill point.
void SideView(ScriptWriter& w, const DrilledHoleInput& input, const DrawnValues& v, PointXY b) {
    const Direction a = input.placement.direction;
    const double halfDrill = static_cast<double>(v.drill) / 2.0;
    const double depth = v.depth;
    // The 118° drill point is cot 59° times the drill's radius long.
    const double pointLength =
        static_cast<float>(halfDrill * static_cast<double>(Cotangent(59.0f)));

    if (input.countersunk) {
        const float halfAngle = input.angle == 100 ? 50.0f : 41.0f;
        // The cone's axial length: the radial step from countersink to drill times cot of
        // the half angle.
        const double coneLength =
            static_cast<float>((static_cast<double>(v.countersink) - static_cast<double>(v.drill)) /
                               2.0 * static_cast<double>(Cotangent(halfAngle)));
        const double halfCsink = static_cast<double>(v.countersink) / 2.0;
        const PointXY k1 = Turned(b, a, {0.0}, {halfCsink});
        const PointXY k2 = Turned(b, a, {0.0}, {-halfCsink});
        const PointXY k3 = Turned(b, a, {coneLength}, {halfDrill});
        const PointXY k4 = Turned(b, a, {coneLength}, {-halfDrill});
        const PointXY k5 = Turned(b, a, {coneLength, depth}, {halfDrill});
        const PointXY k6 = Turned(b, a, {coneLength, depth}, {-halfDrill});
        const PointXY k7 = Turned(b, a, {coneLength, depth, pointLength}, {0.0});
        w.Line({k1, k3});
        w.Line({k3, k5});
        w.Line({k5, k7});
        w.Line({k7, k6});
        w.Line({k6, k4});
        w.Line({k4, k2});
        w.Line({k3, k4});
        w.Line({k5, k6});
    } else {
        const PointXY r1 = Turned(b, a, {0.0}, {halfDrill});
        const PointXY r2 = Turned(b, a, {0.0}, {-halfDrill});
        const PointXY r3 = Turned(b, a, {depth}, {halfDrill});
        const PointXY r4 = Turned(b, a, {depth}, {-halfDrill});
        const PointXY r5 = Turned(b, a, {depth, pointLength}, {0.0});
        w.Line({r1, r3});
        w.Line({r3, r5});
        w.Line({r5, r4});
        w.Line({r4, r2});
        w.Line({r3, r4});
    }
}

}  // namespace

std::string DrilledHoleScript(const DrilledHoleInput& input, const DrawContext& c) {
    const PointXY b = c.BasePoint;
    const DrawnValues v = ValuesToDraw(input);
    std::string s;
    ScriptWriter w(s);
    w.OnLayer(input.placement.hidden, c.layers(), [&] {
        if (input.placement.view == View::Face) {
            if (input.countersunk) w.Circle(b, v.countersink);
            w.Circle(b, v.drill);
        } else {
            SideView(w, input, v, b);
        }
    });
    return s;
}

}  // namespace bw
