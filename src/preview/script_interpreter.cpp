#include "preview/script_interpreter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace bw::preview {

namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;
constexpr const char* kTooLarge = "the arc is too large to draw";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool SameWord(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char a = text[i];
        char b = word[i];
        if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
        if (a != b) return false;
    }
    return true;
}

// An angle brought into [0, 2π).
double NormalAngle(double a) {
    a = std::fmod(a, kTurn);
    if (a < 0) a += kTurn;
    if (a >= kTurn) a = 0.0;
    return a;
}

enum class Command { None, Layer, Line, Circle, Arc, Insert };

// Where the command in progress waits.
enum class Prompt {
    Command,
    LayerOption,
    LayerName,
    LineFirst,
    LineNext,
    CircleCentre,
    CircleRadius,
    CircleDiameter,
    ArcFirst,
    ArcCentre,
    ArcStartAfterCentre,
    ArcEndAfterCentre,
    ArcSecond,
    ArcThird,
    InsertName,
    InsertPoint,
    InsertScaleX,
    InsertScaleY,
    InsertRotation,
    InsertAttribute,
};

struct Entry {
    std::string_view text;
    ScriptPosition where;
};

class Runner {
  public:
    Runner(Interpretation& out, const std::string& startLayer) : out_(out) {
        layer_ = out_.drawing.LayerIndex(startLayer);
    }

    // Takes one entry; false once a problem has been found.
    bool Take(const Entry& e) {
        switch (prompt_) {
            case Prompt::Command:
                return AtCommand(e);
            case Prompt::LayerOption:
                if (e.text.empty()) return Finish();
                if (SameWord(e.text, "set") || SameWord(e.text, "s")) {
                    prompt_ = Prompt::LayerName;
                    return true;
                }
                return Fail(e, "the Layer option \"set\" or an empty entry");
            case Prompt::LayerName:
                if (e.text.empty()) return Fail(e, "a layer name");
                layer_ = out_.drawing.LayerIndex(std::string(e.text));
                prompt_ = Prompt::LayerOption;
                return true;
            case Prompt::LineFirst:
                if (!PointOf(e, last_)) return Fail(e, "a first point x,y");
                prompt_ = Prompt::LineNext;
                return true;
            case Prompt::LineNext: {
                if (e.text.empty()) return Finish();
                Point p;
                if (!PointOf(e, p)) return Fail(e, "a point x,y or an empty entry");
                out_.drawing.segments.push_back({layer_, last_, p, commandAt_});
                last_ = p;
                return true;
            }
            case Prompt::CircleCentre:
                if (!PointOf(e, a_)) return Fail(e, "a centre point x,y");
                prompt_ = Prompt::CircleRadius;
                return true;
            case Prompt::CircleRadius:
                if (SameWord(e.text, "D")) {
                    prompt_ = Prompt::CircleDiameter;
                    return true;
                }
                return CircleOf(e, 1.0, "a radius or \"D\"");
            case Prompt::CircleDiameter:
                return CircleOf(e, 0.5, "a diameter");
            case Prompt::ArcFirst:
                if (SameWord(e.text, "C")) {
                    prompt_ = Prompt::ArcCentre;
                    return true;
                }
                if (!PointOf(e, a_)) return Fail(e, "a start point x,y or \"C\"");
                prompt_ = Prompt::ArcSecond;
                return true;
            case Prompt::ArcCentre:
                if (!PointOf(e, a_)) return Fail(e, "a centre point x,y");
                prompt_ = Prompt::ArcStartAfterCentre;
                return true;
            case Prompt::ArcStartAfterCentre:
                if (!PointOf(e, b_)) return Fail(e, "a start point x,y");
                if (b_ == a_) return Problem(e.where, "the arc's start point is its centre");
                prompt_ = Prompt::ArcEndAfterCentre;
                return true;
            case Prompt::ArcEndAfterCentre: {
                Point end;
                if (!PointOf(e, end)) return Fail(e, "an end point x,y");
                if (end == a_) return Problem(e.where, "the arc's end point is its centre");
                return ArcByCentre(e, a_, b_, end);
            }
            case Prompt::ArcSecond:
                if (!PointOf(e, b_)) return Fail(e, "a second point x,y");
                prompt_ = Prompt::ArcThird;
                return true;
            case Prompt::ArcThird: {
                Point end;
                if (!PointOf(e, end)) return Fail(e, "an end point x,y");
                return ArcByThreePoints(e, a_, b_, end);
            }
            case Prompt::InsertName:
                if (e.text.empty()) return Fail(e, "a block name");
                insert_ = Insert{};
                insert_.block = std::string(e.text);
                prompt_ = Prompt::InsertPoint;
                return true;
            case Prompt::InsertPoint:
                if (!PointOf(e, insert_.point)) return Fail(e, "an insertion point x,y");
                prompt_ = Prompt::InsertScaleX;
                return true;
            case Prompt::InsertScaleX:
                if (!NumberOrDefault(e, insert_.scaleX, 1.0)) return Fail(e, "an X scale");
                prompt_ = Prompt::InsertScaleY;
                return true;
            case Prompt::InsertScaleY:
                if (!NumberOrDefault(e, insert_.scaleY, insert_.scaleX)) {
                    return Fail(e, "a Y scale");
                }
                prompt_ = Prompt::InsertRotation;
                return true;
            case Prompt::InsertRotation:
                if (!NumberOrDefault(e, insert_.rotation, 0.0)) return Fail(e, "a rotation angle");
                prompt_ = Prompt::InsertAttribute;
                return true;
            case Prompt::InsertAttribute:
                insert_.value = std::string(e.text);
                insert_.layer = layer_;
                insert_.where = commandAt_;
                out_.drawing.inserts.push_back(std::move(insert_));
                return Finish();
        }
        return true;
    }

    // The script ended at `where`.
    void End(ScriptPosition where) {
        if (prompt_ != Prompt::Command) {
            Problem(where, "the script ends inside the " + std::string(Name(command_)) +
                               " command begun at " + PositionText(commandAt_) +
                               ", which is left unfinished");
        }
    }

    bool Problem(ScriptPosition where, std::string message) {
        out_.problem = ScriptProblem{where, std::move(message)};
        return false;
    }

    static std::string PositionText(ScriptPosition p) {
        return "line " + std::to_string(p.line) + ", column " + std::to_string(p.column);
    }

  private:
    static const char* Name(Command c) {
        switch (c) {
            case Command::Layer:
                return "Layer";
            case Command::Line:
                return "Line";
            case Command::Circle:
                return "Circle";
            case Command::Arc:
                return "ARC";
            case Command::Insert:
                return "insert";
            case Command::None:
                break;
        }
        return "";
    }

    bool AtCommand(const Entry& e) {
        Command c = Command::None;
        if (e.text.empty()) {
            // Enter at the command prompt repeats the previous command.
            if (lastCommand_ == Command::None) return true;
            c = lastCommand_;
        } else if (SameWord(e.text, "Layer")) {
            c = Command::Layer;
        } else if (SameWord(e.text, "Line")) {
            c = Command::Line;
        } else if (SameWord(e.text, "Circle")) {
            c = Command::Circle;
        } else if (SameWord(e.text, "ARC")) {
            c = Command::Arc;
        } else if (SameWord(e.text, "insert")) {
            c = Command::Insert;
        } else {
            return Problem(e.where, "\"" + std::string(e.text) +
                                        "\" is not a command (expected Layer, Line, Circle, "
                                        "ARC or insert)");
        }
        command_ = lastCommand_ = c;
        commandAt_ = e.where;
        switch (c) {
            case Command::Layer:
                prompt_ = Prompt::LayerOption;
                break;
            case Command::Line:
                prompt_ = Prompt::LineFirst;
                break;
            case Command::Circle:
                prompt_ = Prompt::CircleCentre;
                break;
            case Command::Arc:
                prompt_ = Prompt::ArcFirst;
                break;
            case Command::Insert:
                prompt_ = Prompt::InsertName;
                break;
            case Command::None:
                break;
        }
        return true;
    }

    bool Finish() {
        prompt_ = Prompt::Command;
        return true;
    }

    bool Fail(const Entry& e, const std::string& expected) {
        const std::string found =
            e.text.empty() ? "an empty entry" : "\"" + std::string(e.text) + "\"";
        return Problem(e.where,
                       std::string(Name(command_)) + " expects " + expected + ", found " + found);
    }

    static bool PointOf(const Entry& e, Point& p) {
        const auto parsed = ParseScriptPoint(e.text);
        if (!parsed) return false;
        p = *parsed;
        return true;
    }

    static bool NumberOrDefault(const Entry& e, double& value, double fallback) {
        if (e.text.empty()) {
            value = fallback;
            return true;
        }
        const auto parsed = ParseScriptNumber(e.text);
        if (!parsed) return false;
        value = *parsed;
        return true;
    }

    bool CircleOf(const Entry& e, double factor, const std::string& expected) {
        const auto size = ParseScriptNumber(e.text);
        if (!size) return Fail(e, expected);
        if (!(*size > 0.0)) return Problem(e.where, "a circle needs a size above zero");
        out_.drawing.circles.push_back({layer_, a_, *size * factor, commandAt_});
        return Finish();
    }

    bool ArcByCentre(const Entry& e, Point centre, Point start, Point towards) {
        const double radius = std::hypot(start.x - centre.x, start.y - centre.y);
        if (!std::isfinite(radius)) return Problem(e.where, kTooLarge);
        const double from = NormalAngle(std::atan2(start.y - centre.y, start.x - centre.x));
        const double to = NormalAngle(std::atan2(towards.y - centre.y, towards.x - centre.x));
        if (from == to) return Problem(e.where, "the arc's end lies in its start's direction");
        double sweepEnd = to;
        if (sweepEnd <= from) sweepEnd += kTurn;
        // Only the direction of the end point counts: the arc ends on its own circle.
        const Point end{centre.x + radius * std::cos(to), centre.y + radius * std::sin(to)};
        out_.drawing.arcs.push_back(
            {layer_, centre, radius, from, sweepEnd, start, end, commandAt_});
        return Finish();
    }

    bool ArcByThreePoints(const Entry& e, Point p1, Point p2, Point p3) {
        // The centre is where the perpendicular bisectors of p1-p2 and p2-p3 meet.
        const double bx = p2.x - p1.x, by = p2.y - p1.y;
        const double cx = p3.x - p1.x, cy = p3.y - p1.y;
        const double cross = bx * cy - by * cx;
        const double scale = std::max(bx * bx + by * by, cx * cx + cy * cy);
        if (!std::isfinite(cross) || !std::isfinite(scale)) return Problem(e.where, kTooLarge);
        if (scale == 0.0 || std::abs(cross) <= 1e-12 * scale) {
            return Problem(e.where, "the arc's three points lie on one line");
        }
        const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
        const Point centre{p1.x + (cy * b2 - by * c2) / (2.0 * cross),
                           p1.y + (bx * c2 - cx * b2) / (2.0 * cross)};
        const double radius = std::hypot(p1.x - centre.x, p1.y - centre.y);
        if (!std::isfinite(radius) || !std::isfinite(centre.x) || !std::isfinite(centre.y)) {
            return Problem(e.where, kTooLarge);
        }
        // Passing p1, p2, p3 counter-clockwise runs from p1 to p3; otherwise from p3 to p1.
        const Point start = cross > 0 ? p1 : p3;
        const Point end = cross > 0 ? p3 : p1;
        const double from = NormalAngle(std::atan2(start.y - centre.y, start.x - centre.x));
        double to = NormalAngle(std::atan2(end.y - centre.y, end.x - centre.x));
        if (to <= from) to += kTurn;
        out_.drawing.arcs.push_back({layer_, centre, radius, from, to, start, end, commandAt_});
        return Finish();
    }

    Interpretation& out_;
    Prompt prompt_ = Prompt::Command;
    Command command_ = Command::None;
    Command lastCommand_ = Command::None;
    ScriptPosition commandAt_;
    int layer_ = 0;
    Point last_;
    Point a_;
    Point b_;
    Insert insert_;
};

}  // namespace

std::string ScriptProblem::Describe() const {
    return "line " + std::to_string(where.line) + ", column " + std::to_string(where.column) +
           " (byte " + std::to_string(where.byte) + "): " + message;
}

std::optional<double> ParseScriptNumber(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    // The digits are gathered into a whole number as they are checked; a script's numbers
    // have at most 15 of them, so it stays exact unless a text is unusually long.
    constexpr std::uint64_t kExactLimit = 1000000000000000000ULL;  // 10^18
    std::uint64_t whole = 0;
    int scale = 0;  // the value is whole × 10^scale
    bool exact = true;
    std::size_t digits = 0;
    auto takeDigit = [&](char c, bool afterPoint) {
        if (whole < kExactLimit) {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            if (afterPoint) --scale;
        } else {
            exact = false;
        }
        ++digits;
    };
    while (i < text.size() && IsDigit(text[i])) takeDigit(text[i++], false);
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) takeDigit(text[i++], true);
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        std::size_t exponentDigits = 0;
        int exponent = 0;
        while (i < text.size() && IsDigit(text[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
        scale += negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) return std::nullopt;
    // A whole number below 2^53 and a power of ten up to 10^22 are both exact doubles, so
    // one multiplication or division rounds the value correctly: no general parse needed.
    static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exact && whole <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        const double w = static_cast<double>(whole);
        const double value = scale < 0 ? w / kTens[-scale] : w * kTens[scale];
        return negative ? -value : value;
    }
    // from_chars takes no plus sign; the form was checked above.
    const std::size_t from = text[0] == '+' ? 1 : 0;
    double value = 0.0;
    const char* first = text.data() + from;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<Point> ParseScriptPoint(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto x = ParseScriptNumber(text.substr(0, comma));
    const auto y = ParseScriptNumber(text.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return Point{*x, *y};
}

Interpretation InterpretScript(std::string_view script, const std::string& startLayer) {
    Interpretation out;
    // A long script is mostly line chains of a few points a line: room for two segments a
    // line spares the growing vector its copies.
    out.drawing.segments.reserve(
        2 * static_cast<std::size_t>(std::count(script.begin(), script.end(), '\n')));
    Runner runner(out, startLayer);
    ScriptPosition at;  // the start of the entry being read
    ScriptPosition cursor;
    std::size_t entryStart = 0;
    std::size_t i = 0;
    while (i < script.size()) {
        const char c = script[i];
        if (c != ' ' && c != '\r' && c != '\n') {
            ++i;
            ++cursor.column;
            ++cursor.byte;
            continue;
        }
        const Entry entry{script.substr(entryStart, i - entryStart), at};
        if (!runner.Take(entry)) return out;
        if (c == ' ') {
            ++i;
            ++cursor.column;
        } else {
            // CR LF, LF and a lone CR each end one line and are one Enter.
            i += (c == '\r' && i + 1 < script.size() && script[i + 1] == '\n') ? 2 : 1;
            ++cursor.line;
            cursor.column = 1;
        }
        cursor.byte = i;
        entryStart = i;
        at = cursor;
    }
    if (entryStart < script.size()) {
        runner.Problem(at, "\"" + std::string(script.substr(entryStart)) +
                               "\" is not followed by a blank or a line end, so it is never "
                               "entered");
        return out;
    }
    runner.End(cursor);
    return out;
}

}  // namespace bw::preview
