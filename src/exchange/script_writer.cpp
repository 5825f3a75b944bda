#include "exchange/script_writer.h"

#include <charconv>
#include <cstring>

namespace bw {

namespace {
// Every script line ends with CR LF whatever the platform: the CAD side reads it that way.
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

void ScriptWriter::Point(PointXY p) {
    out_ += ' ';
    AppendPoint(out_, p);
}

void ScriptWriter::LayerSet(std::string_view layer) {
    out_ += "Layer set ";
    out_ += layer;
    out_ += ' ';
    out_ += kLineEnd;
}

void ScriptWriter::Line(std::initializer_list<PointXY> points, ChainEnd end) {
    out_ += "Line";
    for (PointXY p : points) Point(p);
    out_ += ' ';
    if (end == ChainEnd::LineEnd) {
        out_ += kLineEnd;
    } else {
        out_ += ' ';
    }
}

void ScriptWriter::LowerCaseLine(std::initializer_list<PointXY> points) {
    out_ += "line";
    for (PointXY p : points) Point(p);
    out_ += ' ';
    out_ += kLineEnd;
}

void ScriptWriter::LowerCaseLine(
    std::initializer_list<std::reference_wrapper<const PointText>> points) {
    // The longest thread writes a hundred thousand of these lines: the string grows once to
    // room for the longest numbers, the pieces are copied straight in at fixed widths, and the
    // string is then cut back to the text's end.
    const size_t at = out_.size();
    out_.resize(at + 4 + points.size() * (1 + PointText::kRoom) + 1 + kLineEnd.size());
    char* p = out_.data() + at;
    std::memcpy(p, "line", 4);
    p += 4;
    for (const PointText& point : points) {
        *p++ = ' ';
        p = point.CopyTo(p);
    }
    *p++ = ' ';
    std::memcpy(p, kLineEnd.data(), kLineEnd.size());
    p += kLineEnd.size();
    out_.resize(static_cast<size_t>(p - out_.data()));
}

void ScriptWriter::Circle(PointXY centre, double diameter, NumberForm form) {
    out_ += "Circle";
    Point(centre);
    out_ += " D ";
    AppendNumber(out_, diameter, form);
    out_ += kLineEnd;
}

void ScriptWriter::CircleWithDiameterText(PointXY centre, std::string_view diameter) {
    out_ += "Circle";
    Point(centre);
    out_ += " D ";
    out_ += diameter;
    out_ += kLineEnd;
}

void ScriptWriter::CircleByRadius(PointXY centre, float radius) {
    out_ += "Circle";
    Point(centre);
    out_ += ' ';
    AppendNumber(out_, radius, NumberForm::Script);
    out_ += kLineEnd;
}

void ScriptWriter::ArcAboutCentre(PointXY centre, PointXY start, PointXY end) {
    out_ += "ARC C";
    Point(centre);
    Point(start);
    Point(end);
    out_ += ' ';
}

void ScriptWriter::ArcThroughThreePoints(PointXY start, PointXY middle, PointXY end) {
    out_ += "ARC";
    Point(start);
    Point(middle);
    Point(end);
    out_ += ' ';
}

void ScriptWriter::Insert(std::string_view block, PointXY point, float scale, int attribute) {
    out_ += "insert ";
    out_ += block;
    Point(point);
    out_ += ' ';
    AppendNumber(out_, scale, NumberForm::Script);
    out_ += ' ';
    AppendNumber(out_, scale, NumberForm::Script);
    out_ += " 0 ";
    char digits[16];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, attribute).ptr);
    out_ += kLineEnd;
}

void ScriptWriter::EndLine() { out_ += kLineEnd; }

}  // namespace bw
