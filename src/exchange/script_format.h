// Numbers and points as a CAD script carries them, and the small geometry helpers that
// every feature builds its points with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

// A point in drawing units. Every coordinate a feature computes is stored as a single.
struct PointXY {
    float X = 0.0f;
    float Y = 0.0f;
    friend bool operator==(const PointXY&, const PointXY&) = default;
};

// 4 × arctan 1, held as a single like every angle in a script.
extern const float Pi;

// The form of every number in a script: at most 7 significant digits, no blank, no plus
// sign, no leading zero before the decimal point, no trailing zeros; values too small or
// too large for 7 fixed digits use the exponent form (-4.371139E-08).
std::string ScriptNumber(float value);

// The number forms a script carries.
enum class NumberForm {
    Script,   // ScriptNumber: the value rounded to single, 7 significant digits (.015)
    Fifteen,  // a double with up to 15 significant digits, otherwise as Script
              // (.252499997615814)
    Plain,    // as Script, but with a zero before the point below 1 (0.1875)
};

// Appends `value` in the given form to `out`, with no text of its own in between: the
// script's numbers are written straight into the script.
void AppendNumber(std::string& out, double value, NumberForm form);

// Appends "x,y", each coordinate in the ScriptNumber form.
void AppendPoint(std::string& out, PointXY point);

// "x,y", each coordinate in the ScriptNumber form.
std::string FormatPoint(PointXY point);

// A point's "x,y" text, worked out once: a command chain that passes the same point more than
// once copies its text instead of formatting both numbers again, and a point that moves along
// one axis (a thread's points, turn after turn) formats only the coordinate that changed.
class PointText {
  public:
    // Room CopyTo needs: it copies each coordinate at a fixed width, longer than any text.
    static constexpr size_t kRoom = 2 * 16 + 1;

    PointText() = default;  // no point yet: the first Set formats both coordinates
    explicit PointText(PointXY point) { Set(point); }
    void Set(PointXY point);

    // Writes "x,y" at `p`, which has room for kRoom bytes, and returns the end of the text.
    char* CopyTo(char* p) const;

  private:
    struct Coordinate {
        std::uint32_t bits = 0;
        std::uint8_t size = 0;  // 0 until the first Set
        char text[56] = {};
        void Set(float value);
        char* CopyTo(char* p) const;
    };
    Coordinate x_;
    Coordinate y_;
};

// Moves `base` by `distance` in the direction `angle` (radians, counter-clockwise from +X).
// Each offset is rounded to single before it is added, as the CAD side expects.
void PolarPoint(PointXY base, PointXY& result, float angle, float distance);
PointXY PolarPoint(PointXY base, float angle, float distance);

// The two offsets PolarPoint adds for one angle and distance, each already rounded to single.
// A generator that moves many points by the same step works them out once:
// step.From(base) equals PolarPoint(base, angle, distance) bit for bit.
struct PolarStep {
    float dx = 0.0f;
    float dy = 0.0f;
    PolarStep(float angle, float distance);
    PointXY From(PointXY base) const { return {base.X + dx, base.Y + dy}; }
};

float DegToRad(float degrees);
float Cotangent(float degrees);

// A single as the plain number-to-text conversion shows it: 7 significant digits, a zero
// before the point (0.015).
std::string PlainNumberText(float value);

// A single as BASIC's Str shows it: a leading blank for a non-negative value, no zero before
// the point (" .015").
std::string StrNumberText(float value);

// The entry boxes' number format: at least one digit before the point, 3 to 6 after it,
// the sixth rounded (1 gives 1.000, 1.23456789 gives 1.234568).
std::string DisplayFormatNumber(double value);

// The value of the leading number of a text, 0 when there is none (BASIC's Val, for the
// digits-and-point texts the entry boxes can hold).
double LeadingNumber(const std::string& text);

// True when the text is a plain decimal number: digits with at most one point and at least
// one digit. Only such a text is tidied when an entry box is left.
bool IsPlainDecimal(const std::string& text);

// The number a typed entry box text stands for. A text of digits and points (after any
// leading blanks) reads as LeadingNumber reads it, so every text the boxes took before keeps
// its value (an empty box or a lone point is 0). An inch fraction or mixed number ("3/8",
// "1 1/2", blanks around it allowed) reads as the decimal the box shows for it when left, so a
// fraction and its tidied text give the same number. Anything else ("1//4", "1/0", "/4") is
// no number: nothing.
std::optional<double> TypedNumber(const std::string& text);

// The text a box shows when it is left: a plain decimal or a fraction in the display format,
// anything else (empty, a lone point, an unreadable fraction) as it stands.
std::string TidiedBoxText(const std::string& text);

}  // namespace bw
