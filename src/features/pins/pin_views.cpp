#include "features/pins/pin_views.h"

namespace bw {

std::string TwoCircleFace(float innerDiameter, float outerDiameter, bool hidden,
                          const DrawContext& context) {
    std::string s = LayerSetLine(context.CurrentLayer);
    s += CircleLine(context.BasePoint, innerDiameter);
    if (hidden) s += LayerSetLine(context.HiddenLayer);
    s += CircleLine(context.BasePoint, outerDiameter);
    if (hidden) s += LayerSetLine(context.CurrentLayer);
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
    std::string s = LayerSetLine(hidden ? context.HiddenLayer : context.CurrentLayer);
    s += LineLine(p1, p2);
    s += LineLine(p2, p3);
    s += LineLine(p3, p4);
    s += LineLine(p5, p6);
    s += LineLine(p7, p8);
    if (hidden) s += LayerSetLine(context.CurrentLayer);
    return s;
}

}  // namespace bw
