#include "features/profiles/two_circle_outline.h"

#include <cmath>

#include "features/feature.h"

namespace bw {

namespace {

float RadiusDifference(float r1, float r2) {
    const float d = static_cast<float>(static_cast<double>(r1) - static_cast<double>(r2));
    return d == 0.0f ? kEqualRadiiDifference : d;
}

}  // namespace

bool TangentsExist(float r1, float r2, float c) {
    const double d = RadiusDifference(r1, r2);
    const double cd = c;
    return cd * cd > d * d;
}

TwoCircleOutlineResult TwoCircleOutline(PointXY base, float r1, float r2, float c, float a) {
    TwoCircleOutlineResult o;
    const double d = RadiusDifference(r1, r2);
    const double cd = c;
    o.L = static_cast<float>(std::sqrt(cd * cd - d * d));
    const double ratio = static_cast<double>(o.L) / d;
    o.B = d > 0 ? static_cast<float>(std::atan(ratio))
                : static_cast<float>(static_cast<double>(Pi) + std::atan(ratio));
    const double A = a, B = o.B, halfPi = static_cast<double>(Pi) / 2.0;
    o.P1 = base;
    o.P2 = PolarPoint(o.P1, a, c);
    o.T1 = PolarPoint(o.P1, static_cast<float>(A - B), r1);
    o.T2 = PolarPoint(o.T1, static_cast<float>(A - B + halfPi), o.L);
    o.T3 = PolarPoint(o.P1, static_cast<float>(A + B), r1);
    o.T4 = PolarPoint(o.T3, static_cast<float>(A + B - halfPi), o.L);
    return o;
}

std::string TwoCircleOutlineScript(float r1, float r2, float c, const Placement& placement,
                                   const DrawContext& context) {
    const TwoCircleOutlineResult o = TwoCircleOutline(
        context.BasePoint, r1, r2, c, DegToRad(static_cast<float>(Degrees(placement.direction))));
    std::string script;
    ScriptWriter w(script);
    w.OnLayer(placement.hidden, context.layers(), [&] {
        w.ArcAboutCentre(o.P1, o.T3, o.T1);
        w.ArcAboutCentre(o.P2, o.T2, o.T4);
        // The second blank after T2 closes the first Line command, which would otherwise
        // wait for a further point.
        w.Line({o.T1, o.T2}, ChainEnd::TwoBlanks);
        w.Line({o.T3, o.T4});
    });
    return script;
}

}  // namespace bw
