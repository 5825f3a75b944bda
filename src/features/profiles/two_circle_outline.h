// Two circles joined by their outer tangents: the outline of a slotted hole and of a simple
// cam.
#pragma once

#include <string>

#include "features/feature.h"

namespace bw {

struct TwoCircleOutlineResult {
    PointXY P1;      // centre of the first circle (the insertion point)
    PointXY P2;      // centre of the second circle
    PointXY T1;      // tangent point on circle 1, right of the centre line
    PointXY T2;      // the matching tangent point on circle 2
    PointXY T3;      // tangent point on circle 1, left of the centre line
    PointXY T4;      // the matching tangent point on circle 2
    float B = 0.0f;  // angle at either centre between the centre line and a tangent radius
    float L = 0.0f;  // length of each straight tangent
};

// The radius difference that stands in for equal radii, so that the angle's division is
// defined; it also makes a centre distance of 1E-08 or less unusable.
inline constexpr float kEqualRadiiDifference = 1e-08f;

// True when the centres lie far enough apart for the tangents to exist (C × C above d × d,
// with d the radius difference or its stand-in).
bool TangentsExist(float r1, float r2, float c);

// Circle 1 of radius r1 centred on `base`, circle 2 of radius r2 at distance c from it in
// direction a (radians). Values are kept as singles; each angle is rounded to single before
// it is used, and T2, T4 are reached by walking along the tangents from T1, T3.
TwoCircleOutlineResult TwoCircleOutline(PointXY base, float r1, float r2, float c, float a);

// The outline on its layer, the direction giving the angle a, as one script line and its
// line end: the arc about P1 from T3 to T1, the arc about P2 from T2 to T4, the line T1-T2
// closed by a second blank, then the line T3-T4.
std::string TwoCircleOutlineScript(float r1, float r2, float c, const Placement& placement,
                                   const DrawContext& context);

}  // namespace bw
