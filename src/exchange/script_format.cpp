#include "exchange/script_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace bw {

const float Pi = static_cast<float>(4.0 * std::atan(1.0));

namespace {

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, trailing zeros removed, never empty
    int exponent = 0;    // value = 0.d1d2d3... × 10^(exponent + 1), i.e. d1 is at 10^exponent
};

// Rounds to seven significant digits, the precision a single carries.
Decimal SevenDigits(float value) {
    Decimal d;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(value));
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.') d.digits.push_back(*p);
    }
    d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string FixedText(const Decimal& d, bool zeroBeforePoint) {
    std::string out;
    if (d.exponent < 0) {
        if (zeroBeforePoint) out += '0';
        out += '.';
        out.append(static_cast<size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const size_t whole = static_cast<size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) {
        out = d.digits;
        out.append(whole - d.digits.size(), '0');
    } else {
        out = d.digits.substr(0, whole) + "." + d.digits.substr(whole);
    }
    return out;
}

std::string ExponentText(const Decimal& d) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return out + exp;
}

std::string NumberText(float value, bool zeroBeforePoint) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0f) return "0";
    const Decimal d = SevenDigits(value);
    // Fixed form from 1E-05 up to seven whole digits; outside it a fixed form would need
    // more digits than a single holds, so the exponent form takes over.
    std::string body =
        (d.exponent >= -5 && d.exponent <= 6) ? FixedText(d, zeroBeforePoint) : ExponentText(d);
    return d.negative ? "-" + body : body;
}

}  // namespace

std::string ScriptNumber(float value) { return NumberText(value, false); }

std::string FormatPoint(PointXY point) {
    return ScriptNumber(point.X) + "," + ScriptNumber(point.Y);
}

void PolarPoint(PointXY base, PointXY& result, float angle, float distance) {
    // The cosine and sine are taken in double of the single angle: std::cos(float) would
    // round them to single first and change the last written digit of some points.
    const double a = angle;
    const float dx = static_cast<float>(static_cast<double>(distance) * std::cos(a));
    const float dy = static_cast<float>(static_cast<double>(distance) * std::sin(a));
    result.X = base.X + dx;
    result.Y = base.Y + dy;
}

PointXY PolarPoint(PointXY base, float angle, float distance) {
    PointXY result;
    PolarPoint(base, result, angle, distance);
    return result;
}

float DegToRad(float degrees) {
    return static_cast<float>(static_cast<double>(degrees) * static_cast<double>(Pi) / 180.0);
}

float Cotangent(float degrees) {
    return static_cast<float>(1.0 / std::tan(static_cast<double>(DegToRad(degrees))));
}

std::string PlainNumberText(float value) { return NumberText(value, true); }

std::string StrNumberText(float value) {
    std::string text = NumberText(value, false);
    return (std::signbit(value) && value != 0.0f) ? text : " " + text;
}

std::string DisplayFormatNumber(double value) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.6f", value);
    std::string text = buf;
    if (text == "-0.000000") text = "0.000000";
    const size_t point = text.find('.');
    size_t keep = text.size();
    while (keep > point + 4 && text[keep - 1] == '0') --keep;
    return text.substr(0, keep);
}

double LeadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool point = false;
    bool digit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digit = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digit) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

bool IsPlainDecimal(const std::string& text) {
    bool point = false;
    bool digit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace bw
