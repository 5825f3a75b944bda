#include "features/pins/pin_views.h"

#include "exchange/script_writer.h"

namespace bw {

std::string TwoCircleFace(float innerDiameter, float outerDiameter, bool hidden,
                          const DrawContext& context) {
    std::string s;
    ScriptWriter w(s);
    w.LayerSet(context.CurrentLayer);
    w.Circle(context.BasePoint, innerDiameter);
    w.OnLayer(
        hidden, context.layers(), [&] { w.Circle(context.BasePoint, outerDiameter); }, false);
    return s;
}

std::string SeatAndBoreSide(const SeatAndBore& shape, const Placement& placement,
                            const DrawContext& context) {
    const PointXY b = context.BasePoint;
    const Direction direction = placement.direction;
    const double seat = static_cast<double>(shape.seatDiameter) / 2.0;
    const double bore = static_cast<double>(shape.boreDiameter) / 2.0;
    const PointXY p1 = Turned(b, direction, {0.0}, {seat});
    const PointXY p2 = Turned(b, direction, {shape.seatLength}, {seat});
    const PointXY p3 = Turned(b, direction, {shape.seatLength}, {-seat});
    const PointXY p4 = Turned(b, direction, {0.0}, {-seat});
    const PointXY p5 = Turned(b, direction, {shape.seatLength}, {bore});
    const PointXY p6 = Turned(b, direction, {shape.boreEnd}, {bore});
    const PointXY p7 = Turned(b, direction, {shape.seatLength}, {-bore});
    const PointXY p8 = Turned(b, direction, {shape.boreEnd}, {-bore});

    // With Hidden the whole section is hidden, so the layer is chosen once at the top.
    std::string s;
    ScriptWriter w(s);
    w.OnLayer(placement.hidden, context.layers(), [&] {
        w.Line({p1, p2});
        w.Line({p2, p3});
        w.Line({p3, p4});
        w.Line({p5, p6});
        w.Line({p7, p8});
    });
    return s;
}

}  // namespace bw
