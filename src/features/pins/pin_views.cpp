#include "features/pins/pin_views.h"

#include "exchange/script_writer.h"

namespace bw {

std::string TwoCircleFace(float innerDiameter, float outerDiameter, bool hidden,
                          const DrawContext& context) {
    std::string s;
    ScriptWriter w(s);
    w.LayerSet(context.CurrentLayer);
    w.Circle(context.BasePoint, innerDiameter);
    if (hidden) w.LayerSet(context.HiddenLayer);
    w.Circle(context.BasePoint, outerDiameter);
    if (hidden) w.LayerSet(context.CurrentLayer);
    return s;
}

std::string SeatAndBoreSide(const SeatAndBore& shape, int direction, bool hidden,
                            const DrawContext& context) {
    const PointXY b = context.BasePoint;
    const double seat = static_cast<double>(shape.seatDiameter) / 2.0;
    const double bore = static_cast<double>(shape.boreDiameter) / 2.0;
    const PointXY p1 = TurnedOffset(b, direction, 0.0, seat);
    const PointXY p2 = TurnedOffset(b, direction, shape.seatLength, seat);
    const PointXY p3 = TurnedOffset(b, direction, shape.seatLength, -seat);
    const PointXY p4 = TurnedOffset(b, direction, 0.0, -seat);
    const PointXY p5 = TurnedOffset(b, direction, shape.seatLength, bore);
    const PointXY p6 = TurnedOffset(b, direction, shape.boreEnd, bore);
    const PointXY p7 = TurnedOffset(b, direction, shape.seatLength, -bore);
    const PointXY p8 = TurnedOffset(b, direction, shape.boreEnd, -bore);

    // With Hidden the whole section is hidden, so the layer is chosen once at the top.
    std::string s;
    ScriptWriter w(s);
    w.LayerSet(hidden ? context.HiddenLayer : context.CurrentLayer);
    w.Line({p1, p2});
    w.Line({p2, p3});
    w.Line({p3, p4});
    w.Line({p5, p6});
    w.Line({p7, p8});
    if (hidden) w.LayerSet(context.CurrentLayer);
    return s;
}

}  // namespace bw
