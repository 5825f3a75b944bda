#include "features/profiles/center_drill.h"

#include <cmath>
#include <initializer_list>

#include "exchange/files.h"
#include "tables/record_reader.h"

namespace bw {

namespace {

// Reads every whole record of a record file; `store` takes one record's bytes.
template <typename Drill, typename Store>
std::vector<Drill> ReadRecords(const std::string& bytes, size_t recordLength, Store store) {
    const RecordReader reader(bytes, recordLength);
    std::vector<Drill> drills;
    drills.reserve(reader.Count());
    for (size_t number = 1; number <= reader.Count(); ++number) {
        std::string_view record;
        if (!reader.Record(static_cast<long long>(number), record)) break;
        drills.push_back(store(record));
    }
    return drills;
}

bool Usable(float value) { return IsUsableSize(value); }

// A point of the section: `along` the axis (terms added one by one onto the base coordinate
// in double, as the profile is measured from the surface) and `across` it, turned to the
// direction and rounded once to single.
PointXY ProfilePoint(PointXY base, int direction, std::initializer_list<float> along,
                     float across) {
    auto sum = [&](double start, double sign) {
        double value = start;
        for (float term : along) value += sign * static_cast<double>(term);
        return static_cast<float>(value);
    };
    const double x = base.X, y = base.Y, b = across;
    switch (direction) {
        case 90:
            return {static_cast<float>(x - b), sum(y, 1.0)};
        case 180:
            return {sum(x, -1.0), static_cast<float>(y - b)};
        case 270:
            return {static_cast<float>(x + b), sum(y, -1.0)};
        default:
            return {sum(x, 1.0), static_cast<float>(y + b)};
    }
}

std::string FaceCircle(PointXY centre, float diameter) {
    // The face circles carry the diameter in the plain form with a zero before the point
    // (0.1875), unlike the other script numbers.
    return "Circle " + FormatPoint(centre) + " D " + PlainNumberText(diameter) + kLineEnd;
}

// Single-precision depth of a cone between two diameters for a given half angle's cotangent.
float ConeDepth(float outer, float inner, float cotangentDegrees) {
    const float halfDifference = (outer - inner) / 2.0f;
    return halfDifference * Cotangent(cotangentDegrees);
}

// The 118° drill point: its height over half the pilot diameter.
float PointHeight(float drill) { return (drill / 2.0f) * Cotangent(59.0f); }

std::string PlainSide(const PlainCenterDrill& d, const CenterDrillInput& input, PointXY base) {
    const float h1 = ConeDepth(d.countersinkDiameter, d.drillDiameter, 30.0f);
    const float h2 = PointHeight(d.drillDiameter);
    const float r1 = d.countersinkDiameter / 2.0f;
    const float r2 = d.drillDiameter / 2.0f;
    const float L = d.pilotLength;
    const int dir = input.direction;
    const PointXY pa = ProfilePoint(base, dir, {}, r1);
    const PointXY pb = ProfilePoint(base, dir, {}, -r1);
    const PointXY pc = ProfilePoint(base, dir, {h1}, r2);
    const PointXY pd = ProfilePoint(base, dir, {h1}, -r2);
    const PointXY pe = ProfilePoint(base, dir, {h1, L}, r2);
    const PointXY pf = ProfilePoint(base, dir, {h1, L}, -r2);
    const PointXY pg = ProfilePoint(base, dir, {h1, L, h2}, 0.0f);
    // The outline from one surface edge round the tip to the other, then the cross lines
    // where the cone meets the pilot and the pilot meets the point.
    return LineLine(pa, pc) + LineLine(pc, pe) + LineLine(pe, pg) + LineLine(pg, pf) +
           LineLine(pf, pd) + LineLine(pd, pb) + LineLine(pc, pd) + LineLine(pe, pf);
}

std::string BellSide(const BellCenterDrill& d, const CenterDrillInput& input, PointXY base) {
    const float h1 = ConeDepth(d.countersinkDiameter, d.drillDiameter, 30.0f);
    const float h0 = ConeDepth(d.chamferDiameter, d.countersinkDiameter, 60.0f);
    const float h2 = PointHeight(d.drillDiameter);
    const float r1 = d.chamferDiameter / 2.0f;
    const float r3 = d.countersinkDiameter / 2.0f;
    const float r2 = d.drillDiameter / 2.0f;
    const float B2 = d.drillDiameter;  // the pilot is as long as it is wide
    const int dir = input.direction;
    const PointXY pa = ProfilePoint(base, dir, {}, r1);
    const PointXY pb = ProfilePoint(base, dir, {}, -r1);
    const PointXY pc = ProfilePoint(base, dir, {h0}, r3);
    const PointXY pd = ProfilePoint(base, dir, {h0}, -r3);
    const PointXY pe = ProfilePoint(base, dir, {h0, h1}, r2);
    const PointXY pf = ProfilePoint(base, dir, {h0, h1}, -r2);
    const PointXY pg = ProfilePoint(base, dir, {h0, h1, B2}, r2);
    const PointXY ph = ProfilePoint(base, dir, {h0, h1, B2}, -r2);
    const PointXY pi = ProfilePoint(base, dir, {h0, h1, B2, h2}, 0.0f);
    return LineLine(pa, pc) + LineLine(pc, pe) + LineLine(pe, pg) + LineLine(pg, pi) +
           LineLine(pi, ph) + LineLine(ph, pf) + LineLine(pf, pd) + LineLine(pd, pb) +
           LineLine(pc, pd) + LineLine(pe, pf) + LineLine(pg, ph);
}

}  // namespace

PlainCenterDrillLoad LoadPlainCenterDrills(const std::string& programFolder) {
    PlainCenterDrillLoad load;
    const TableFileBytes file = ReadTableFile(programFolder, "001");
    if (!file.Loaded()) {
        load.diagnostic = file.diagnostic;
        return load;
    }
    load.drills = ReadRecords<PlainCenterDrill>(
        file.bytes, kPlainCenterDrillRecordLength, [](std::string_view r) {
            return PlainCenterDrill{TextAt(r, 0, 10), SingleAt(r, 10), SingleAt(r, 14),
                                    SingleAt(r, 18)};
        });
    return load;
}

BellCenterDrillLoad LoadBellCenterDrills(const std::string& programFolder) {
    BellCenterDrillLoad load;
    const TableFileBytes file = ReadTableFile(programFolder, "002");
    if (!file.Loaded()) {
        load.diagnostic = file.diagnostic;
        return load;
    }
    load.drills = ReadRecords<
        BellCenterDrill>(file.bytes, kBellCenterDrillRecordLength, [](std::string_view r) {
        return BellCenterDrill{TextAt(r, 0, 11), SingleAt(r, 11), SingleAt(r, 15), SingleAt(r, 19)};
    });
    return load;
}

bool IsDrawable(const PlainCenterDrill& d) {
    return Usable(d.countersinkDiameter) && Usable(d.drillDiameter) && Usable(d.pilotLength) &&
           d.drillDiameter < d.countersinkDiameter;
}

bool IsDrawable(const BellCenterDrill& d) {
    return Usable(d.chamferDiameter) && Usable(d.drillDiameter) && Usable(d.countersinkDiameter) &&
           d.drillDiameter < d.countersinkDiameter && d.countersinkDiameter < d.chamferDiameter;
}

std::optional<std::string> CheckCenterDrill(const CenterDrillInput& input) {
    if (!input.plain && !input.bell) return "You Must Select Drill Size";
    // A record with a value that is not a size, or a pilot not narrower than the cone,
    // would draw lines of no length or a hole turned inside out.
    const bool drawable = input.plain ? IsDrawable(*input.plain) : IsDrawable(*input.bell);
    if (!drawable) return "Drill Size Data Is Invalid";
    return std::nullopt;
}

std::string CenterDrillScript(const CenterDrillInput& input, const DrawContext& context) {
    std::string script = LayerSetLine(input.hidden ? context.HiddenLayer : context.CurrentLayer);
    const PointXY base = context.BasePoint;
    if (input.view == View::Face) {
        if (input.plain) {
            script += FaceCircle(base, input.plain->countersinkDiameter) +
                      FaceCircle(base, input.plain->drillDiameter);
        } else if (input.bell) {
            // Outermost first.
            script += FaceCircle(base, input.bell->chamferDiameter) +
                      FaceCircle(base, input.bell->countersinkDiameter) +
                      FaceCircle(base, input.bell->drillDiameter);
        }
    } else {
        if (input.plain) {
            script += PlainSide(*input.plain, input, base);
        } else if (input.bell) {
            script += BellSide(*input.bell, input, base);
        }
    }
    if (input.hidden) script += LayerSetLine(context.CurrentLayer);
    return script;
}

}  // namespace bw
