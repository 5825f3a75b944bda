#include "features/feature.h"

#include "exchange/insertion_info.h"
#include "exchange/settings.h"

namespace bw {

namespace {

double Sum(double start, double sign, std::initializer_list<double> terms) {
    for (double t : terms) start += sign * t;
    return start;
}

}  // namespace

Direction DirectionOf(int degrees) {
    switch (degrees) {
        case 90:
            return Direction::Up;
        case 180:
            return Direction::Left;
        case 270:
            return Direction::Down;
        default:
            return Direction::Right;
    }
}

PointXY Turned(PointXY base, Direction direction, std::initializer_list<double> u,
               std::initializer_list<double> v) {
    const double bx = base.X;
    const double by = base.Y;
    switch (direction) {
        case Direction::Up:
            return {static_cast<float>(Sum(bx, -1.0, v)), static_cast<float>(Sum(by, 1.0, u))};
        case Direction::Left:
            return {static_cast<float>(Sum(bx, -1.0, u)), static_cast<float>(Sum(by, -1.0, v))};
        case Direction::Down:
            return {static_cast<float>(Sum(bx, 1.0, v)), static_cast<float>(Sum(by, -1.0, u))};
        case Direction::Right:
            break;
    }
    return {static_cast<float>(Sum(bx, 1.0, u)), static_cast<float>(Sum(by, 1.0, v))};
}

std::optional<std::string> CheckDrawContext(const DrawContext& c) {
    if (!IsUsableCoordinate(c.BasePoint.X) || !IsUsableCoordinate(c.BasePoint.Y)) {
        return "Insertion Point Must Lie Within 1000000 Of The Origin";
    }
    if (auto m = SizeMessage(c.InsertScale, "Insertion Scale",
                             "Insertion Scale Must Be Greater Than Zero")) {
        return m;
    }
    if (auto m = ClearanceMessage(c.EjectorClearance)) return m;
    if (const std::string problem = LayerNameProblem(c.CurrentLayer); !problem.empty()) {
        return NotUsableMessage("Layer Name", c.CurrentLayer, problem);
    }
    return HiddenLayerMessage(c.HiddenLayer);
}

}  // namespace bw
