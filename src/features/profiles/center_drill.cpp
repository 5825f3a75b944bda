#include "features/profiles/center_drill.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "exchange/files.h"
#include "exchange/script_writer.h"
#include "tables/record_reader.h"

namespace bw {

namespace {

// Every whole record, up to the first holding a value that is not a usable size.
template <typename Drill, typename Store>
TableLoad<std::vector<Drill>> ReadRecords(std::string_view bytes, const char* file,
                                          size_t recordLength, Store store) {
    const RecordReader reader(bytes, recordLength);
    TableLoad<std::vector<Drill>> load;
    load.table.reserve(reader.Count());
    for (size_t number = 1; number <= reader.Count(); ++number) {
        std::string_view record;
        reader.Record(static_cast<long long>(number), record);
        Drill drill;
        bool usable = true;
        for (const auto& [field, value] : store(record, drill)) {
            usable = usable && CheckTableSize(value, file, RowName("record", number, drill.name),
                                              field, load.diagnostic);
        }
        if (!usable) break;
        load.table.push_back(drill);
    }
    return load;
}

template <typename Drills>
std::string DrillCounts(const Drills& drills, const std::string& what) {
    std::string text = CountOf(drills.size(), what, what + "s");
    std::string undrawable;
    for (size_t i = 0; i < drills.size(); ++i) {
        if (!IsDrawable(drills[i])) {
            undrawable += (undrawable.empty() ? "" : ", ") + std::to_string(i + 1);
        }
    }
    if (!undrawable.empty()) text += " (records that cannot be drawn: " + undrawable + ")";
    return text;
}

bool Usable(float value) { return IsUsableSize(value); }

// The face circles carry the diameter in the plain form with a zero before the point
// (0.1875), unlike the other script numbers.
void FaceCircle(ScriptWriter& w, PointXY centre, float diameter) {
    w.Circle(centre, diameter, NumberForm::Plain);
}

// Single-precision depth of a cone between two diameters for a given half angle's cotangent.
float ConeDepth(float outer, float inner, float cotangentDegrees) {
    const float halfDifference = (outer - inner) / 2.0f;
    return halfDifference * Cotangent(cotangentDegrees);
}

// The 118° drill point: its height over half the pilot diameter.
float PointHeight(float drill) { return (drill / 2.0f) * Cotangent(59.0f); }

void PlainSide(ScriptWriter& w, const PlainCenterDrill& d, const CenterDrillInput& input,
               PointXY base) {
    const float h1 = ConeDepth(d.countersinkDiameter, d.drillDiameter, 30.0f);
    const float h2 = PointHeight(d.drillDiameter);
    const float r1 = d.countersinkDiameter / 2.0f;
    const float r2 = d.drillDiameter / 2.0f;
    const float L = d.pilotLength;
    const Direction dir = input.placement.direction;
    const PointXY pa = Turned(base, dir, {}, {r1});
    const PointXY pb = Turned(base, dir, {}, {-r1});
    const PointXY pc = Turned(base, dir, {h1}, {r2});
    const PointXY pd = Turned(base, dir, {h1}, {-r2});
    const PointXY pe = Turned(base, dir, {h1, L}, {r2});
    const PointXY pf = Turned(base, dir, {h1, L}, {-r2});
    const PointXY pg = Turned(base, dir, {h1, L, h2}, {0.0f});
    // The outline from one surface edge round the tip to the other, then the cross lines
    // where the cone meets the pilot and the pilot meets the point.
    for (auto [from, to] : {std::pair{pa, pc},
                            {pc, pe},
                            {pe, pg},
                            {pg, pf},
                            {pf, pd},
                            {pd, pb},
                            {pc, pd},
                            {pe, pf}}) {
        w.Line({from, to});
    }
}

void BellSide(ScriptWriter& w, const BellCenterDrill& d, const CenterDrillInput& input,
              PointXY base) {
    const float h1 = ConeDepth(d.countersinkDiameter, d.drillDiameter, 30.0f);
    const float h0 = ConeDepth(d.chamferDiameter, d.countersinkDiameter, 60.0f);
    const float h2 = PointHeight(d.drillDiameter);
    const float r1 = d.chamferDiameter / 2.0f;
    const float r3 = d.countersinkDiameter / 2.0f;
    const float r2 = d.drillDiameter / 2.0f;
    const float B2 = d.drillDiameter;  // the pilot is as long as it is wide
    const Direction dir = input.placement.direction;
    const PointXY pa = Turned(base, dir, {}, {r1});
    const PointXY pb = Turned(base, dir, {}, {-r1});
    const PointXY pc = Turned(base, dir, {h0}, {r3});
    const PointXY pd = Turned(base, dir, {h0}, {-r3});
    const PointXY pe = Turned(base, dir, {h0, h1}, {r2});
    const PointXY pf = Turned(base, dir, {h0, h1}, {-r2});
    const PointXY pg = Turned(base, dir, {h0, h1, B2}, {r2});
    const PointXY ph = Turned(base, dir, {h0, h1, B2}, {-r2});
    const PointXY pi = Turned(base, dir, {h0, h1, B2, h2}, {0.0f});
    for (auto [from, to] : {std::pair{pa, pc},
                            {pc, pe},
                            {pe, pg},
                            {pg, pi},
                            {pi, ph},
                            {ph, pf},
                            {pf, pd},
                            {pd, pb},
                            {pc, pd},
                            {pe, pf},
                            {pg, ph}}) {
        w.Line({from, to});
    }
}

}  // namespace

PlainCenterDrillLoad ParsePlainCenterDrills(std::string_view bytes) {
    using Field = std::pair<const char*, float>;
    return ReadRecords<PlainCenterDrill>(
        bytes, "001", kPlainCenterDrillRecordLength, [](std::string_view r, PlainCenterDrill& d) {
            d = {TextAt(r, 0, 10), SingleAt(r, 10), SingleAt(r, 14), SingleAt(r, 18)};
            return std::array<Field, 3>{Field{"countersink diameter", d.countersinkDiameter},
                                        Field{"drill diameter", d.drillDiameter},
                                        Field{"pilot length", d.pilotLength}};
        });
}

BellCenterDrillLoad ParseBellCenterDrills(std::string_view bytes) {
    using Field = std::pair<const char*, float>;
    return ReadRecords<BellCenterDrill>(
        bytes, "002", kBellCenterDrillRecordLength, [](std::string_view r, BellCenterDrill& d) {
            d = {TextAt(r, 0, 11), SingleAt(r, 11), SingleAt(r, 15), SingleAt(r, 19)};
            return std::array<Field, 3>{Field{"chamfer diameter", d.chamferDiameter},
                                        Field{"drill diameter", d.drillDiameter},
                                        Field{"countersink diameter", d.countersinkDiameter}};
        });
}

PlainCenterDrillLoad LoadPlainCenterDrills(const std::string& programFolder) {
    return LoadTableFile<PlainCenterDrills>(programFolder, "001", ParsePlainCenterDrills);
}

BellCenterDrillLoad LoadBellCenterDrills(const std::string& programFolder) {
    return LoadTableFile<BellCenterDrills>(programFolder, "002", ParseBellCenterDrills);
}

std::string PlainCenterDrillCounts(const PlainCenterDrills& drills) {
    return DrillCounts(drills, "plain center drill");
}

std::string BellCenterDrillCounts(const BellCenterDrills& drills) {
    return DrillCounts(drills, "bell center drill");
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
    std::string script;
    ScriptWriter w(script);
    const PointXY base = context.BasePoint;
    w.OnLayer(input.placement.hidden, context.layers(), [&] {
        if (input.placement.view == View::Face) {
            if (input.plain) {
                FaceCircle(w, base, input.plain->countersinkDiameter);
                FaceCircle(w, base, input.plain->drillDiameter);
            } else if (input.bell) {
                // Outermost first.
                FaceCircle(w, base, input.bell->chamferDiameter);
                FaceCircle(w, base, input.bell->countersinkDiameter);
                FaceCircle(w, base, input.bell->drillDiameter);
            }
        } else if (input.plain) {
            PlainSide(w, *input.plain, input, base);
        } else if (input.bell) {
            BellSide(w, *input.bell, input, base);
        }
    });
    return script;
}

}  // namespace bw
