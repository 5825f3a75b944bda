#include "features/holes/hole_common.h"

#include "exchange/files.h"

namespace bw::holes {

namespace {

double SumTerms(double start, double sign, std::initializer_list<double> terms) {
    double sum = start;
    for (double t : terms) sum += sign * t;
    return sum;
}

}  // namespace

PointXY SideViewPoint(PointXY base, int directionDegrees, std::initializer_list<double> u,
                      std::initializer_list<double> v) {
    const double bx = base.X;
    const double by = base.Y;
    double x = 0.0;
    double y = 0.0;
    switch (directionDegrees) {
        case 90:
            x = SumTerms(bx, -1.0, v);
            y = SumTerms(by, 1.0, u);
            break;
        case 180:
            x = SumTerms(bx, -1.0, u);
            y = SumTerms(by, -1.0, v);
            break;
        case 270:
            x = SumTerms(bx, 1.0, v);
            y = SumTerms(by, -1.0, u);
            break;
        default:
            x = SumTerms(bx, 1.0, u);
            y = SumTerms(by, 1.0, v);
            break;
    }
    return {static_cast<float>(x), static_cast<float>(y)};
}

std::string ScriptNumber15(double value) {
    std::string text;
    AppendNumber(text, value, NumberForm::Fifteen);
    return text;
}

}  // namespace bw::holes
