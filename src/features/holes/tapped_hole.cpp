#include "features/holes/tapped_hole.h"

#include "exchange/script_writer.h"
#include "tables/labelled_section.h"

namespace bw {

namespace {

// The mouth chamfer is 1/32 wide at 45°, so its circle is 1/16 larger than the thread.
constexpr double kChamfer = 0.03125;
constexpr double kChamferDiameterAllowance = 0.0625;

std::string FaceView(const TapSize& size, bool hidden, const DrawContext& c) {
    const PointXY b = c.BasePoint;
    // Widened to double before the allowance is added and never rounded back to single,
    // so a .19 tap gives a chamfer of .252499997615814, not .2525.
    const double chamferDiameter =
        static_cast<double>(size.majorDiameter) + kChamferDiameterAllowance;
    std::string s;
    ScriptWriter w(s);
    w.OnLayer(hidden, c.layers(), [&] {
        if (hidden) w.Circle(b, size.majorDiameter);
        w.Circle(b, chamferDiameter, NumberForm::Fifteen);
        w.Circle(b, size.drillDiameter);
    });
    // The thread's major diameter is never visible from the face, so it always goes on the
    // hidden layer.
    if (!hidden) w.OnLayer(true, c.layers(), [&] { w.Circle(b, size.majorDiameter); });
    return s;
}

std::string SideView(const TapSize& size, float depth, bool hidden, Direction direction,
                     const DrawContext& c) {
    const PointXY b = c.BasePoint;
    const Direction a = direction;
    const float r = size.majorDiameter / 2.0f;
    const double rr = r;
    const double d = depth;
    // The 118° drill point is cot 59° times the radius long.
    const float pointLength =
        static_cast<float>(static_cast<double>(Cotangent(59.0f)) * static_cast<double>(r));
    const double h = pointLength;
    const double dt = size.drillDiameter;

    const PointXY q1 = Turned(b, a, {0.0}, {kChamfer, rr});
    const PointXY q2 = Turned(b, a, {kChamfer}, {rr});
    const PointXY q3 = Turned(b, a, {kChamfer}, {-rr});
    const PointXY q4 = Turned(b, a, {0.0}, {-kChamfer, -rr});
    const PointXY q5 = Turned(b, a, {d}, {rr});
    const PointXY q6 = Turned(b, a, {d}, {-rr});
    const PointXY q7 = Turned(b, a, {kChamfer}, {-dt / 2.0});
    const PointXY q8 = Turned(b, a, {kChamfer}, {dt / 2.0});
    const PointXY q9 = Turned(b, a, {d}, {dt / 2.0});
    const PointXY q10 = Turned(b, a, {d}, {-dt / 2.0});
    const PointXY q11 = Turned(b, a, {d, h}, {0.0});

    std::string s;
    ScriptWriter w(s);
    w.OnLayer(hidden, c.layers(), [&] {
        w.Line({q1, q2});
        w.Line({q2, q3});
        w.Line({q3, q4});
        w.Line({q2, q5});
        w.Line({q5, q6});
        w.Line({q6, q3});
        w.Line({q8, q9});
        w.Line({q7, q10});
        w.Line({q6, q11});
        w.Line({q5, q11});
    });
    return s;
}

}  // namespace

TapTableLoad ParseTapTable(std::string_view bytes) {
    TapTableLoad load;
    TapTable& t = load.table;
    ReadSections(bytes,
                 {{{"Tap.dat", "tap size"},
                   t.sizeLabels,
                   {{"major diameter", t.majorDiameter}, {"drill diameter", t.drillDiameter}}},
                  {{"Tap.dat", "depth"}, t.depthLabels, {{"depth", t.depth}}}},
                 load.diagnostic);
    return load;
}

TapTableLoad LoadTapTable(const std::string& programFolder) {
    return LoadTableFile<TapTable>(programFolder, "Tap.dat", ParseTapTable);
}

std::string TapTableCounts(const TapTable& table) {
    return SectionCounts(
        {{table.sizeLabels.size(), "tap size"}, {table.depthLabels.size(), "depth"}});
}

std::optional<std::string> CheckTappedHole(const TappedHoleInput& input) {
    if (!input.size) return kSelectTapSizeMessage;
    const bool side = input.placement.view == View::Side;
    if (side && !input.depth) return kSelectTapDepthMessage;
    // A row whose numbers are missing or unusable would draw a hole of no size.
    if (auto m = SizeMessage(input.size->majorDiameter, "Tap Diameter", kTapDiameterMessage)) {
        return m;
    }
    if (auto m =
            SizeMessage(input.size->drillDiameter, "Tap Drill Diameter", kTapDiameterMessage)) {
        return m;
    }
    if (!side) return std::nullopt;
    return SizeMessage(*input.depth, "Depth", kTapDepthMessage);
}

std::string TappedHoleScript(const TappedHoleInput& input, const DrawContext& context) {
    if (input.placement.view == View::Face)
        return FaceView(*input.size, input.placement.hidden, context);
    return SideView(*input.size, *input.depth, input.placement.hidden, input.placement.direction,
                    context);
}

}  // namespace bw
