// Pieces the four hole features share: side-view points summed term by term, the fifteen
// digit number form.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/script_format.h"

namespace bw::holes {

// A side-view point: `u` runs along the hole's axis, `v` across it, each given as the terms
// that are added to the base coordinate one after another in double precision. The sum is
// rounded to single once. The four directions exchange and negate u and v, so a direction
// of 90 puts the point at B + (-v, u).
PointXY SideViewPoint(PointXY base, int directionDegrees, std::initializer_list<double> u,
                      std::initializer_list<double> v);

// A double in the script's number form, but with up to 15 significant digits instead of 7:
// no blank, no zero before the point below 1, no trailing zeros (.252499997615814).
std::string ScriptNumber15(double value);

}  // namespace bw::holes
