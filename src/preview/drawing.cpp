#include "preview/drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bw::preview {

void Extent::Add(Point p) {
    if (empty) {
        min = max = p;
        empty = false;
        return;
    }
    min.x = std::min(min.x, p.x);
    min.y = std::min(min.y, p.y);
    max.x = std::max(max.x, p.x);
    max.y = std::max(max.y, p.y);
}

int Drawing::LayerIndex(const std::string& name) {
    const int found = FindLayer(name);
    if (found >= 0) return found;
    layers.push_back(name);
    return static_cast<int>(layers.size()) - 1;
}

int Drawing::FindLayer(const std::string& name) const {
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i] == name) return static_cast<int>(i);
    }
    return -1;
}

bool ArcContainsAngle(const Arc& arc, double a) {
    constexpr double kTurn = 2.0 * std::numbers::pi;
    double t = std::fmod(a - arc.startAngle, kTurn);
    if (t < 0) t += kTurn;
    return t <= arc.endAngle - arc.startAngle;
}

Extent Drawing::Bounds() const {
    Extent e;
    for (const Segment& s : segments) {
        e.Add(s.start);
        e.Add(s.end);
    }
    for (const Circle& c : circles) {
        e.Add({c.centre.x - c.radius, c.centre.y - c.radius});
        e.Add({c.centre.x + c.radius, c.centre.y + c.radius});
    }
    for (const Arc& a : arcs) {
        e.Add(a.start);
        e.Add(a.end);
        // The arc reaches further than its ends where it passes a quadrant point.
        for (int q = 0; q < 4; ++q) {
            const double angle = q * std::numbers::pi / 2.0;
            if (ArcContainsAngle(a, angle)) {
                e.Add({a.centre.x + a.radius * std::cos(angle),
                       a.centre.y + a.radius * std::sin(angle)});
            }
        }
    }
    for (const Insert& i : inserts) e.Add(i.point);
    return e;
}

}  // namespace bw::preview
