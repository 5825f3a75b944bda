#include "features/holes/hole_common.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0) return "0";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const char* p = buf;
    const bool negative = *p == '-';
    if (negative) ++p;
    std::string digits;
    for (; *p != 'e'; ++p) {
        if (*p != '.') digits.push_back(*p);
    }
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    // Built by appending: the result has the sign, the digits and at most one point.
    std::string body;
    if (negative) body += '-';
    if (exponent >= -5 && exponent <= 14) {
        if (exponent < 0) {
            body += '.';
            body.append(static_cast<size_t>(-exponent - 1), '0');
            body += digits;
        } else {
            const size_t whole = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                body += digits;
                body.append(whole - digits.size(), '0');
            } else {
                body.append(digits, 0, whole);
                body += '.';
                body.append(digits, whole, std::string::npos);
            }
        }
    } else {
        body += digits[0];
        if (digits.size() > 1) {
            body += '.';
            body.append(digits, 1, std::string::npos);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += exp;
    }
    return body;
}

}  // namespace bw::holes
