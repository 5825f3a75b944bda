#include "features/holes/drilled_hole.h"

#include <cmath>

#include "features/holes/hole_common.h"
#include "tables/field_reader.h"

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
    return {static_cast<float>(LeadingNumber(input.countersinkText)),
            static_cast<float>(LeadingNumber(input.drillText)),
            static_cast<float>(LeadingNumber(input.depthText))};
}

}  // namespace

DrillTableLoad ParseDrillTable(std::string_view bytes) {
    DrillTableLoad load;
    FieldReader reader(bytes);
    if (!holes::ReadLabelledSection(reader, load.table.labels, {&load.table.dimension})) {
        load.diagnostic = CorruptAt(reader);
    }
    return load;
}

DrillTableLoad LoadDrillTable(const std::string& programFolder) {
    const TableFileBytes file = ReadTableFile(programFolder, "Drill.dat");
    if (!file.Loaded()) return {{}, file.diagnostic};
    return ParseDrillTable(file.bytes);
}

CsinkTableLoad ParseCsinkTable(std::string_view bytes) {
    CsinkTableLoad load;
    CsinkTable& t = load.table;
    FieldReader reader(bytes);
    if (!holes::ReadLabelledSection(reader, t.labels, {&t.drillDiameter, &t.csinkDiameter})) {
        load.diagnostic = CorruptAt(reader);
    }
    return load;
}

CsinkTableLoad LoadCsinkTable(const std::string& programFolder) {
    const TableFileBytes file = ReadTableFile(programFolder, "Csink.dat");
    if (!file.Loaded()) return {{}, file.diagnostic};
    return ParseCsinkTable(file.bytes);
}

std::string DrillTableCounts(const DrillTable& table) {
    return holes::CountOf(table.labels.size(), "dimension", "dimensions");
}

std::string CsinkTableCounts(const CsinkTable& table) {
    return holes::CountOf(table.labels.size(), "screw size", "screw sizes");
}

std::optional<std::string> CheckDrilledHole(const DrilledHoleInput& input) {
    const double countersink = LeadingNumber(input.countersinkText);
    const double drill = LeadingNumber(input.drillText);
    const double depth = LeadingNumber(input.depthText);
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

std::string DrilledHoleScript(const DrilledHoleInput& input, const DrawContext& c) {
    const PointXY b = c.BasePoint;
    const DrawnValues v = ValuesToDraw(input);
    std::string s = LayerSetLine(input.hidden ? c.HiddenLayer : c.CurrentLayer);

    if (input.view == View::Face) {
        if (input.countersunk) s += CircleLine(b, v.countersink);
        s += CircleLine(b, v.drill);
        if (input.hidden) s += LayerSetLine(c.CurrentLayer);
        return s;
    }

    const int a = input.direction;
    const double halfDrill = static_cast<double>(v.drill) / 2.0;
    const double depth = v.depth;
    // The 118° drill point is cot 59° times the drill's radius long.
    const double pointLength =
        static_cast<float>(halfDrill * static_cast<double>(Cotangent(59.0f)));
    using holes::SideViewPoint;

    if (input.countersunk) {
        const float halfAngle = input.angle == 100 ? 50.0f : 41.0f;
        // The cone's axial length: the radial step from countersink to drill times cot of
        // the half angle.
        const double coneLength =
            static_cast<float>((static_cast<double>(v.countersink) - static_cast<double>(v.drill)) /
                               2.0 * static_cast<double>(Cotangent(halfAngle)));
        const double halfCsink = static_cast<double>(v.countersink) / 2.0;
        const PointXY k1 = SideViewPoint(b, a, {0.0}, {halfCsink});
        const PointXY k2 = SideViewPoint(b, a, {0.0}, {-halfCsink});
        const PointXY k3 = SideViewPoint(b, a, {coneLength}, {halfDrill});
        const PointXY k4 = SideViewPoint(b, a, {coneLength}, {-halfDrill});
        const PointXY k5 = SideViewPoint(b, a, {coneLength, depth}, {halfDrill});
        const PointXY k6 = SideViewPoint(b, a, {coneLength, depth}, {-halfDrill});
        const PointXY k7 = SideViewPoint(b, a, {coneLength, depth, pointLength}, {0.0});
        s += LineLine(k1, k3);
        s += LineLine(k3, k5);
        s += LineLine(k5, k7);
        s += LineLine(k7, k6);
        s += LineLine(k6, k4);
        s += LineLine(k4, k2);
        s += LineLine(k3, k4);
        s += LineLine(k5, k6);
    } else {
        const PointXY r1 = SideViewPoint(b, a, {0.0}, {halfDrill});
        const PointXY r2 = SideViewPoint(b, a, {0.0}, {-halfDrill});
        const PointXY r3 = SideViewPoint(b, a, {depth}, {halfDrill});
        const PointXY r4 = SideViewPoint(b, a, {depth}, {-halfDrill});
        const PointXY r5 = SideViewPoint(b, a, {depth, pointLength}, {0.0});
        s += LineLine(r1, r3);
        s += LineLine(r3, r5);
        s += LineLine(r5, r4);
        s += LineLine(r4, r2);
        s += LineLine(r3, r4);
    }
    if (input.hidden) s += LayerSetLine(c.CurrentLayer);
    return s;
}

}  // namespace bw
