#include "exchange/script_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace bw {

const float Pi = static_cast<float>(4.0 * std::atan(1.0));

namespace {

// A value rounded to a number of significant digits: digits[0] stands at 10^exponent.
struct Rounded {
    char digits[32] = {};
    int count = 0;  // trailing zeros removed, at least one digit
    int exponent = 0;
};

// The general way, for any double and any number of digits: to_chars rounds the exact
// binary value correctly.
void RoundWithToChars(double magnitude, int significant, Rounded& r) {
    char text[48];
    const char* const end = std::to_chars(text, text + sizeof text, magnitude,
                                          std::chars_format::scientific, significant - 1)
                                .ptr;
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.') r.digits[r.count++] = *p;
    }
    ++p;  // past the 'e'
    const bool negativeExponent = *p == '-';
    int exponent = 0;
    for (++p; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    r.exponent = negativeExponent ? -exponent : exponent;
}

// Seven digits packed into one 64-bit word, the first digit in the lowest byte, as ASCII.
// Kept in a register, they are copied out without first being stored byte by byte: a wide
// load of bytes that were just stored one or two at a time stalls the processor, and on the
// longest thread that stall was a fifth of all the time spent writing numbers.
struct SevenDigits {
    std::uint64_t ascii = 0;
    int count = 0;  // trailing zeros removed, at least one digit
    int exponent = 0;
    // Writes eight bytes at `p`: the digits from `from` on, then what follows them in the word.
    void Put(char* p, int from) const {
        const std::uint64_t rest = ascii >> (8 * from);
        std::memcpy(p, &rest, sizeof rest);
    }
};
static_assert(std::endian::native == std::endian::little,
              "SevenDigits writes its lowest byte first");

// Any number of digits in an array, for the general way.
struct DigitArray {
    const Rounded& r;
    // Writes sixteen bytes at `p`: the digits from `from` on, then what follows them.
    void Put(char* p, int from) const { std::memcpy(p, r.digits + from, 16); }
};

// The quick way for a normal single whose seven digits fall in the fixed form's range (1E-05
// up to seven whole digits), where nearly every script number lies. The single is m × 2^e
// with m below 2^24, so m × 5^s for s up to 11 fits in 64 bits and the value times 10^s is
// that product shifted by e + s: the seven digits and the rounding of the rest are exact
// integer work. False when the value lies outside that range.
bool RoundSingleToSeven(float magnitude, SevenDigits& r) {
    std::uint32_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 23);
    if (biased == 0 || biased == 255) return false;  // subnormal, infinite or NaN
    const std::uint64_t m = (bits & 0x7FFFFFu) | 0x800000u;
    const int e = biased - 150;
    static constexpr std::uint64_t kFivePowers[12] = {
        1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125, 9765625, 48828125};
    static constexpr std::uint64_t kLow = 1000000, kHigh = 10000000;
    // A first guess of the decimal exponent, then one step either way until the truncated
    // seven digits are seven digits long.
    // 1233 / 4096 is a little below log10 2, so this is log10 of 2^(biased - 127), rounded
    // down: the value's decimal exponent or one less.
    int k = ((biased - 127) * 1233) >> 12;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int s = 6 - k;
        if (s < 0 || s > 11) return false;
        const std::uint64_t n = m * kFivePowers[s];
        const int shift = e + s;
        std::uint64_t q = 0;
        std::uint64_t rest = 0;
        std::uint64_t half = 0;
        if (shift >= 0) {
            if (shift > 13) return false;  // far beyond seven whole digits
            q = n << shift;
        } else {
            const int right = -shift;
            if (right > 62) return false;
            q = n >> right;
            rest = n & ((std::uint64_t{1} << right) - 1);
            half = std::uint64_t{1} << (right - 1);
        }
        if (q >= kHigh) {
            ++k;
            continue;
        }
        if (q < kLow) {
            --k;
            continue;
        }
        // Round half to even, as the exact decimal value would be rounded.
        if (rest > half || (rest == half && half != 0 && (q & 1) != 0)) ++q;
        if (q == kHigh) {  // 9.9999995 carries into a new digit
            q = kLow;
            ++k;
        }
        // Two digits at a time from a table of the pairs 00 to 99.
        static constexpr char kPairs[] =
            "0001020304050607080910111213141516171819202122232425262728293031323334353637383940"
            "4142434445464748495051525354555657585960616263646566676869707172737475767778798081"
            "828384858687888990919293949596979899";
        auto pair = [](std::uint64_t n) {
            std::uint16_t two;
            std::memcpy(&two, kPairs + 2 * n, sizeof two);
            return std::uint64_t{two};
        };
        const std::uint64_t low = q % 1000000;
        r.ascii = (std::uint64_t{'0'} + q / 1000000) | pair(low / 10000) << 8 |
                  pair(low / 100 % 100) << 24 | pair(low % 100) << 40;
        // A '0' digit becomes a zero byte here and the top byte is zero: the zero bytes above
        // the last other digit are the trailing zeros and that top byte. The first digit is
        // never '0', so at least one digit counts.
        const std::uint64_t nonZero = r.ascii ^ 0x30303030303030u;
        r.count = 8 - std::countl_zero(nonZero) / 8;
        r.exponent = k;
        return true;
    }
    return false;
}

// Lays the digits out at `p` in the number's form: a sign, the fixed or the exponent form.
// `p` has room for 56 bytes; `Put` may write beyond the digits it is asked for, and what it
// writes beyond them is overwritten or lies past the returned end.
template <class Digits>
char* LayOut(char* p, const Digits& d, int count, int exponent, bool negative, int significant,
             NumberForm form) {
    char* const limit = p + 56;
    auto zeros = [&p](int n) {
        std::memset(p, '0', 16);
        p += n;
    };
    if (negative) *p++ = '-';
    // Fixed form from 1E-05 up to as many whole digits as the form carries; beyond that a
    // fixed form would show digits the value does not hold, so the exponent form takes over.
    if (exponent >= -5 && exponent < significant) {
        if (exponent < 0) {
            if (form == NumberForm::Plain) *p++ = '0';
            *p++ = '.';
            zeros(-exponent - 1);
            d.Put(p, 0);
            p += count;
        } else if (const int whole = exponent + 1; count <= whole) {
            d.Put(p, 0);
            p += count;
            zeros(whole - count);
        } else {
            d.Put(p, 0);
            p += whole;
            *p++ = '.';
            d.Put(p, whole);
            p += count - whole;
        }
    } else {
        d.Put(p, 0);
        ++p;
        if (count > 1) {
            *p++ = '.';
            d.Put(p, 1);
            p += count - 1;
        }
        *p++ = 'E';
        *p++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) *p++ = '0';
        p = std::to_chars(p, limit, magnitude).ptr;
    }
    return p;
}

// Writes the number at `p`, which has room for 56 bytes, and returns the end of its text.
char* WriteNumber(char* p, double value, NumberForm form) {
    auto word = [&p](std::string_view w) {
        std::memcpy(p, w.data(), w.size());
        return p + w.size();
    };
    if (std::isnan(value)) return word("NaN");
    if (std::isinf(value)) return word(value < 0 ? "-Infinity" : "Infinity");
    const bool fifteen = form == NumberForm::Fifteen;
    // A single's forms round the value to single first, as every coordinate is stored.
    if (!fifteen) value = static_cast<float>(value);
    if (value == 0.0) {
        *p = '0';
        return p + 1;
    }
    const int significant = fifteen ? 15 : 7;
    const bool negative = value < 0;
    const double magnitude = negative ? -value : value;
    if (SevenDigits seven; !fifteen && RoundSingleToSeven(static_cast<float>(magnitude), seven)) {
        return LayOut(p, seven, seven.count, seven.exponent, negative, significant, form);
    }
    Rounded r;
    RoundWithToChars(magnitude, significant, r);
    while (r.count > 1 && r.digits[r.count - 1] == '0') --r.count;
    return LayOut(p, DigitArray{r}, r.count, r.exponent, negative, significant, form);
}

}  // namespace

void AppendNumber(std::string& out, double value, NumberForm form) {
    char text[56];
    out.append(text, static_cast<size_t>(WriteNumber(text, value, form) - text));
}

void PointText::Coordinate::Set(float value) {
    std::uint32_t valueBits;
    std::memcpy(&valueBits, &value, sizeof valueBits);
    if (size != 0 && valueBits == bits) return;
    bits = valueBits;
    size = static_cast<std::uint8_t>(WriteNumber(text, value, NumberForm::Script) - text);
}

// A single's text is at most 13 bytes ("-1.234567E-38"), so sixteen always hold it.
char* PointText::Coordinate::CopyTo(char* p) const {
    std::memcpy(p, text, 16);
    return p + size;
}

void PointText::Set(PointXY point) {
    x_.Set(point.X);
    y_.Set(point.Y);
}

char* PointText::CopyTo(char* p) const {
    p = x_.CopyTo(p);
    *p++ = ',';
    return y_.CopyTo(p);
}

void AppendPoint(std::string& out, PointXY point) {
    char text[PointText::kRoom];
    out.append(text, static_cast<size_t>(PointText(point).CopyTo(text) - text));
}

std::string ScriptNumber(float value) {
    std::string text;
    AppendNumber(text, value, NumberForm::Script);
    return text;
}

std::string FormatPoint(PointXY point) {
    std::string text;
    AppendPoint(text, point);
    return text;
}

PolarStep::PolarStep(float angle, float distance) {
    // The cosine and sine are taken in double of the single angle: std::cos(float) would
    // round them to single first and change the last written digit of some points.
    const double a = angle;
    dx = static_cast<float>(static_cast<double>(distance) * std::cos(a));
    dy = static_cast<float>(static_cast<double>(distance) * std::sin(a));
}

void PolarPoint(PointXY base, PointXY& result, float angle, float distance) {
    result = PolarStep(angle, distance).From(base);
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

std::string PlainNumberText(float value) {
    std::string text;
    AppendNumber(text, value, NumberForm::Plain);
    return text;
}

std::string StrNumberText(float value) {
    std::string text = ScriptNumber(value);
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

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// "N/D" or "W N/D" with whole numbers, the denominator above zero; the blanks around it and
// between the whole and the fraction are a designer's spacing, not part of the number.
std::optional<double> FractionValue(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::string_view t =
        std::string_view(text).substr(first, text.find_last_not_of(' ') - first + 1);
    double whole = 0.0;
    std::string_view fraction = t;
    if (const size_t blank = t.find(' '); blank != std::string_view::npos) {
        if (!AllDigits(t.substr(0, blank))) return std::nullopt;
        whole = std::strtod(std::string(t.substr(0, blank)).c_str(), nullptr);
        fraction = t.substr(t.find_first_not_of(' ', blank));
    }
    const size_t slash = fraction.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view numerator = fraction.substr(0, slash);
    const std::string_view denominator = fraction.substr(slash + 1);
    if (!AllDigits(numerator) || !AllDigits(denominator)) return std::nullopt;
    const double d = std::strtod(std::string(denominator).c_str(), nullptr);
    if (!(d > 0.0)) return std::nullopt;
    const double value = whole + std::strtod(std::string(numerator).c_str(), nullptr) / d;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> TypedNumber(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return LeadingNumber(text);
    const size_t end = text.find_last_not_of(' ');
    const std::string_view number = std::string_view(text).substr(start, end - start + 1);
    if (number.find_first_not_of("0123456789.") == std::string_view::npos) {
        return LeadingNumber(text);
    }
    if (number.find('/') == std::string_view::npos) return std::nullopt;
    const std::optional<double> value = FractionValue(text);
    if (!value) return std::nullopt;
    // The decimal the box shows for the fraction, so that reading the fraction and reading
    // its tidied text give the same single.
    return LeadingNumber(DisplayFormatNumber(*value));
}

std::string TidiedBoxText(const std::string& text) {
    if (IsPlainDecimal(text)) return DisplayFormatNumber(LeadingNumber(text));
    if (text.find('/') == std::string::npos) return text;
    const std::optional<double> value = TypedNumber(text);
    return value ? DisplayFormatNumber(*value) : text;
}

}  // namespace bw
