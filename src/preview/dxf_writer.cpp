#include "preview/dxf_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

#include "preview/script_interpreter.h"

namespace bw::preview {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// The CAD side forbids these in layer and block names; a reader refuses or renames them.
constexpr std::string_view kForbiddenInNames = "<>/\\\":;?*|,=`";
// The inch drawing standard's hidden line: a quarter-inch dash, an eighth-inch gap.
constexpr double kHiddenDash = 0.25;
constexpr double kHiddenGap = 0.125;

// Nine significant digits: enough for any single to read back exactly, and more than the
// script's seven. Never "-0"; never a decimal comma, whatever the locale.
std::string Real(double v) {
    v += 0.0;
    char buffer[32];
    auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 9);
    return ec == std::errc() ? std::string(buffer, ptr) : "0";
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The CAD side takes "Walls" and "WALLS" for one layer; so must the layer table.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

std::optional<std::string> NameProblem(const std::string& kind, const std::string& name) {
    if (name.empty()) return "a " + kind + " without a name cannot stand in a DXF file";
    if (HasControl(name) || name.find_first_of(kForbiddenInNames) != std::string::npos) {
        return "the " + kind + " name \"" + name +
               "\" holds a character DXF forbids in names (one of <>/\\\":;?*|,=` or a control "
               "character)";
    }
    return std::nullopt;
}

// The group writer: a group code right-aligned in three columns, then its value, each on a
// line of its own. Every verb below shows the bytes it writes, "\r\n" shown as "|".
class DxfStream {
  public:
    // Text(0, "LINE") writes "  0|LINE|"
    void Text(int code, std::string_view value) {
        const std::string number = std::to_string(code);
        out_.append(number.size() < 3 ? 3 - number.size() : 0, ' ');
        out_ += number;
        out_ += "\r\n";
        out_ += value;
        out_ += "\r\n";
    }
    // Int(70, 0) writes " 70|0|"
    void Int(int code, int value) { Text(code, std::to_string(value)); }
    // Real(40, .25) writes " 40|0.25|"
    void Real(int code, double value) { Text(code, preview::Real(value)); }
    // Coordinates(10, {1, 2}) writes " 10|1| 20|2| 30|0|": a 2D point at elevation 0.
    void Coordinates(int code, Point p) {
        Real(code, p.x);
        Real(code + 10, p.y);
        Real(code + 20, 0.0);
    }

    // Section("HEADER") writes "  0|SECTION|  2|HEADER|"
    void Section(std::string_view name) {
        Text(0, "SECTION");
        Text(2, name);
    }
    // EndSection() writes "  0|ENDSEC|"
    void EndSection() { Text(0, "ENDSEC"); }
    // Variable("$ACADVER") writes "  9|$ACADVER|"; its value's groups follow.
    void Variable(std::string_view name) { Text(9, name); }
    // Table("LAYER", 2) writes "  0|TABLE|  2|LAYER| 70|2|": the table and its entry count.
    void Table(std::string_view name, int entries) {
        Text(0, "TABLE");
        Text(2, name);
        Int(70, entries);
    }
    // EndTable() writes "  0|ENDTAB|"
    void EndTable() { Text(0, "ENDTAB"); }
    // Entity("LINE", "0") writes "  0|LINE|  8|0|": an entity and its layer.
    void Entity(std::string_view kind, std::string_view layer) {
        Text(0, kind);
        Text(8, layer);
    }

    // LineType("HIDDEN", "Hidden", {.25, -.125}) writes "  0|LTYPE|  2|HIDDEN| 70|0|
    // 3|Hidden| 72|65| 73|2| 40|0.375| 49|0.25| 49|-0.125|": dashes positive, gaps negative,
    // 40 the pattern's whole length; no dashes is a solid line.
    void LineType(std::string_view name, std::string_view description,
                  const std::vector<double>& dashes) {
        Text(0, "LTYPE");
        Text(2, name);
        Int(70, 0);
        Text(3, description);
        Int(72, 'A');  // the only alignment there is
        Int(73, static_cast<int>(dashes.size()));
        double length = 0.0;
        for (double d : dashes) length += std::abs(d);
        Real(40, length);
        for (double d : dashes) Real(49, d);
    }
    // Layer("HID", "HIDDEN") writes "  0|LAYER|  2|HID| 70|0| 62|7|  6|HIDDEN|": colour 7
    // (black on white, white on black).
    void Layer(std::string_view name, std::string_view lineType) {
        Text(0, "LAYER");
        Text(2, name);
        Int(70, 0);
        Int(62, 7);
        Text(6, lineType);
    }
    // Style("STANDARD") writes "  0|STYLE|  2|STANDARD| 70|0| 40|0| 41|1| 50|0| 71|0|
    // 42|0.2|  3|txt|  4||": the text style the notes use, of no fixed height.
    void Style(std::string_view name) {
        Text(0, "STYLE");
        Text(2, name);
        Int(70, 0);
        Real(40, 0.0);
        Real(41, 1.0);
        Real(50, 0.0);
        Int(71, 0);
        Real(42, 0.2);
        Text(3, "txt");
        Text(4, "");
    }

    // Line("0", a, b) writes "  0|LINE|  8|0| 10|ax| 20|ay| 30|0| 11|bx| 21|by| 31|0|"
    void Line(std::string_view layer, Point a, Point b) {
        Entity("LINE", layer);
        Coordinates(10, a);
        Coordinates(11, b);
    }
    // Circle("0", c, r) writes "  0|CIRCLE|  8|0| 10|cx| 20|cy| 30|0| 40|r|"
    void Circle(std::string_view layer, Point centre, double radius) {
        Entity("CIRCLE", layer);
        Coordinates(10, centre);
        Real(40, radius);
    }
    // Arc("0", c, r, 90, 270) writes the circle's groups, then " 50|90| 51|270|": degrees,
    // counter-clockwise from the start angle to the end angle.
    void Arc(std::string_view layer, Point centre, double radius, double from, double to) {
        Entity("ARC", layer);
        Coordinates(10, centre);
        Real(40, radius);
        Real(50, from);
        Real(51, to);
    }
    // CentredText(kind, layer, at, h) writes "  0|kind|  8|layer| 10|x| 20|y| 30|0| 40|h|";
    // the value, tag and the rest of the entity's groups follow. The first point only stands
    // in for the second, which CentreOn writes.
    void CentredText(std::string_view kind, std::string_view layer, Point at, double height) {
        Entity(kind, layer);
        Coordinates(10, at);
        Real(40, height);
    }
    // CentreOn(at, 74) writes " 72|1| 11|x| 21|y| 31|0| 74|2|": centred across and up and
    // down on the point. TEXT names its vertical alignment 73, ATTDEF and ATTRIB 74.
    void CentreOn(Point at, int verticalCode) {
        Int(72, 1);
        Coordinates(11, at);
        Int(verticalCode, 2);
    }

    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

Point Plus(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

Point Placed(const Insert& i, Point p) { return PlacedInBlock(i, p); }
const char* PinKind(const std::string& block) { return NoteBlockKind(block); }

// Degrees in [0, 360), to a billionth of a degree: that drops the last bits the conversion
// from radians leaves (359.99999999999994 for a full turn, 90.00000000000001 for a quarter),
// which would otherwise be written as such.
double Degrees(double radians) {
    double d = std::round(radians * kDegreesPerRadian * 1e9) / 1e9;
    d = std::fmod(d, 360.0);
    if (d < 0) d += 360.0;
    return d >= 360.0 ? 0.0 : d;
}

// The layer table: "0" first (the blocks' own entities live there), then every layer of the
// drawing in the order it was first used, names that differ only in case once.
struct LayerTable {
    std::vector<std::string> names{"0"};
    std::vector<int> entryOf;  // drawing layer index -> entry in names

    explicit LayerTable(const Drawing& d) {
        for (const std::string& layer : d.layers) {
            auto found = std::find_if(names.begin(), names.end(),
                                      [&](const std::string& n) { return SameName(n, layer); });
            if (found == names.end()) found = names.insert(names.end(), layer);
            entryOf.push_back(static_cast<int>(found - names.begin()));
        }
    }
    const std::string& Of(int drawingLayer) const { return names[entryOf.at(drawingLayer)]; }
};

std::vector<std::string> BlockNames(const Drawing& d) {
    std::vector<std::string> blocks;
    for (const Insert& i : d.inserts) {
        const bool known = std::any_of(blocks.begin(), blocks.end(),
                                       [&](const std::string& b) { return SameName(b, i.block); });
        if (!known) blocks.push_back(i.block);
    }
    return blocks;
}

void WriteHeader(DxfStream& s, const Drawing& d, const DxfOptions& options) {
    Extent e = DrawnExtent(d);
    if (e.empty) e.Add({0.0, 0.0});
    s.Section("HEADER");
    s.Variable("$ACADVER");
    s.Text(1, "AC1009");
    // Names are bytes of the Windows code page, as in the script.
    s.Variable("$DWGCODEPAGE");
    s.Text(3, "ANSI_1252");
    s.Variable("$INSUNITS");
    s.Int(70, 1);  // inches
    s.Variable("$MEASUREMENT");
    s.Int(70, 0);  // English: inch linetypes and hatches
    s.Variable("$INSBASE");
    s.Coordinates(10, options.insertionPoint.value_or(Point{}));
    s.Variable("$EXTMIN");
    s.Coordinates(10, e.min);
    s.Variable("$EXTMAX");
    s.Coordinates(10, e.max);
    s.EndSection();
}

void WriteTables(DxfStream& s, const LayerTable& layers, const DxfOptions& options) {
    const bool hiddenApart =
        options.hiddenLayer && HiddenDrawnApart(*options.hiddenLayer, options.currentLayer);
    s.Section("TABLES");
    s.Table("LTYPE", 2);
    s.LineType("CONTINUOUS", "Solid line", {});
    s.LineType("HIDDEN", "Hidden __ __ __ __", {kHiddenDash, -kHiddenGap});
    s.EndTable();
    s.Table("LAYER", static_cast<int>(layers.names.size()));
    for (const std::string& name : layers.names) {
        const bool hidden = hiddenApart && SameName(name, *options.hiddenLayer);
        s.Layer(name, hidden ? "HIDDEN" : "CONTINUOUS");
    }
    s.EndTable();
    s.Table("STYLE", 1);
    s.Style("STANDARD");
    s.EndTable();
    s.EndSection();
}

// A note block: its circle, the pin kind for the two core notes, and the attribute that
// takes the core number, all on layer 0 so that they take the insert's layer.
void WriteBlock(DxfStream& s, const std::string& name) {
    s.Entity("BLOCK", "0");
    s.Text(2, name);
    s.Int(70, 2);  // has attribute definitions
    s.Coordinates(10, {0.0, 0.0});
    s.Text(3, name);
    s.Circle("0", {0.0, 0.0}, kNoteRadius);
    if (const char* kind = PinKind(name)) {
        s.CentredText("TEXT", "0", {0.0, kNoteKindY}, kNoteKindHeight);
        s.Text(1, kind);
        s.CentreOn({0.0, kNoteKindY}, 73);
    }
    s.CentredText("ATTDEF", "0", {0.0, kNoteValueY}, kNoteValueHeight);
    s.Text(1, "");
    s.Text(3, "Core number");
    s.Text(2, kNoteTag);
    s.Int(70, 0);
    s.CentreOn({0.0, kNoteValueY}, 74);
    s.Entity("ENDBLK", "0");
}

// The insert, then the attribute with the value the script gave, placed, sized and turned
// as the insert places the block's definition, then the end of the attributes.
void WriteInsert(DxfStream& s, const Insert& i, const std::string& layer) {
    s.Entity("INSERT", layer);
    s.Int(66, 1);  // attributes follow
    s.Text(2, i.block);
    s.Coordinates(10, i.point);
    s.Real(41, i.scaleX);
    s.Real(42, i.scaleY);
    s.Real(50, i.rotation);
    const Point at = Placed(i, {0.0, kNoteValueY});
    s.CentredText("ATTRIB", layer, at, kNoteValueHeight * std::abs(i.scaleY));
    s.Text(1, i.value);
    s.Text(2, kNoteTag);
    s.Int(70, 0);
    s.Real(50, i.rotation);
    s.Real(41, std::abs(i.scaleX / i.scaleY));
    s.CentreOn(at, 74);
    s.Entity("SEQEND", layer);
}

struct Placing {
    std::size_t byte;
    std::size_t order;
    int kind;  // 0 segment, 1 circle, 2 arc, 3 insert
    std::size_t index;
};

// Every command draws entities of one kind, so ordering by where each command begins (and
// by drawing order within it) gives the script's order, which a reader's list then follows.
std::vector<Placing> ScriptOrder(const Drawing& d) {
    std::vector<Placing> all;
    auto add = [&](const ScriptPosition& where, int kind, std::size_t index) {
        all.push_back({where.byte, all.size(), kind, index});
    };
    for (std::size_t i = 0; i < d.segments.size(); ++i) add(d.segments[i].where, 0, i);
    for (std::size_t i = 0; i < d.circles.size(); ++i) add(d.circles[i].where, 1, i);
    for (std::size_t i = 0; i < d.arcs.size(); ++i) add(d.arcs[i].where, 2, i);
    for (std::size_t i = 0; i < d.inserts.size(); ++i) add(d.inserts[i].where, 3, i);
    std::stable_sort(all.begin(), all.end(), [](const Placing& a, const Placing& b) {
        return a.byte != b.byte ? a.byte < b.byte : a.order < b.order;
    });
    return all;
}

std::string At(const ScriptPosition& where) {
    return " (line " + std::to_string(where.line) + ", column " + std::to_string(where.column) +
           ")";
}

}  // namespace

std::optional<std::string> DxfProblem(const Drawing& drawing) {
    for (const std::string& layer : drawing.layers) {
        if (auto problem = NameProblem("layer", layer)) return problem;
    }
    for (const Insert& i : drawing.inserts) {
        if (auto problem = NameProblem("block", i.block)) return *problem + At(i.where);
        if (i.scaleX == 0.0 || i.scaleY == 0.0) {
            return "the block " + i.block + " is inserted at scale 0, which no CAD program draws" +
                   At(i.where);
        }
        if (HasControl(i.value)) {
            return "the value of the block " + i.block + " holds a control character" + At(i.where);
        }
    }
    for (const Arc& a : drawing.arcs) {
        // Nine digits tell angles apart to a millionth of a degree; equal angles in the file
        // would make a reader draw the whole circle.
        if ((a.endAngle - a.startAngle) * kDegreesPerRadian < 1e-5) {
            return "an arc is too short for its angles to differ in a DXF file" + At(a.where);
        }
    }
    return std::nullopt;
}

std::string WriteDxf(const Drawing& drawing, const DxfOptions& options) {
    const LayerTable layers(drawing);
    DxfStream s;
    WriteHeader(s, drawing, options);
    WriteTables(s, layers, options);
    s.Section("BLOCKS");
    for (const std::string& block : BlockNames(drawing)) WriteBlock(s, block);
    s.EndSection();
    s.Section("ENTITIES");
    for (const Placing& p : ScriptOrder(drawing)) {
        switch (p.kind) {
            case 0: {
                const Segment& l = drawing.segments[p.index];
                s.Line(layers.Of(l.layer), l.start, l.end);
                break;
            }
            case 1: {
                const Circle& c = drawing.circles[p.index];
                s.Circle(layers.Of(c.layer), c.centre, c.radius);
                break;
            }
            case 2: {
                const Arc& a = drawing.arcs[p.index];
                s.Arc(layers.Of(a.layer), a.centre, a.radius, Degrees(a.startAngle),
                      Degrees(a.endAngle));
                break;
            }
            default: {
                const Insert& i = drawing.inserts[p.index];
                WriteInsert(s, i, layers.Of(i.layer));
            }
        }
    }
    s.EndSection();
    s.Text(0, "EOF");
    return s.Take();
}

DxfResult DxfFromScript(std::string_view script, const DxfOptions& options) {
    const Interpretation drawn = InterpretScript(script, options.currentLayer);
    if (drawn.problem) return {std::nullopt, drawn.problem->Describe()};
    if (auto problem = DxfProblem(drawn.drawing)) return {std::nullopt, *problem};
    return {WriteDxf(drawn.drawing, options), ""};
}

bool HiddenDrawnApart(const std::string& hiddenLayer, const std::string& currentLayer) {
    return !SameName(hiddenLayer, currentLayer);
}

Extent DrawnExtent(const Drawing& drawing) {
    Extent e = drawing.Bounds();
    for (const Insert& i : drawing.inserts) {
        const double reach = kNoteRadius * std::max(std::abs(i.scaleX), std::abs(i.scaleY));
        e.Add({i.point.x - reach, i.point.y - reach});
        e.Add({i.point.x + reach, i.point.y + reach});
    }
    return e;
}

Point PlacedInBlock(const Insert& i, Point p) {
    const double r = i.rotation / kDegreesPerRadian;
    const double x = p.x * i.scaleX, y = p.y * i.scaleY;
    return Plus(i.point, {x * std::cos(r) - y * std::sin(r), x * std::sin(r) + y * std::cos(r)});
}

const char* NoteBlockKind(const std::string& block) {
    if (SameName(block, "Dmesnote")) return "C";
    if (SameName(block, "Dmehnote")) return "CX";
    return nullptr;
}

}  // namespace bw::preview
