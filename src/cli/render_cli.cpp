#include "cli/render_cli.h"

#include <algorithm>
#include <charconv>

#include "exchange/field_reader.h"
#include "exchange/files.h"
#include "preview/dxf_writer.h"
#include "preview/script_interpreter.h"
#include "preview/svg_writer.h"

namespace bw::cli {

namespace {

using preview::Drawing;
using preview::Point;

std::string Num(double v) {
    v += 0.0;  // never "-0"
    char buffer[32];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, ptr) : "?";
}

std::string Pt(Point p) { return Num(p.x) + "," + Num(p.y); }

std::string At(const preview::ScriptPosition& where) {
    return " at=" + std::to_string(where.line) + ":" + std::to_string(where.column);
}

struct Line {
    std::size_t byte;
    std::size_t order;
    std::string text;
};

}  // namespace

std::string EntityListing(const Drawing& d) {
    // Every command draws entities of one kind, so ordering by where each command begins
    // (and by drawing order within it) gives the script's order.
    std::vector<Line> lines;
    auto add = [&](const preview::ScriptPosition& where, std::string text) {
        lines.push_back({where.byte, lines.size(), std::move(text)});
    };
    for (const auto& s : d.segments) {
        add(s.where,
            "segment " + d.LayerName(s.layer) + " " + Pt(s.start) + " " + Pt(s.end) + At(s.where));
    }
    for (const auto& c : d.circles) {
        add(c.where, "circle " + d.LayerName(c.layer) + " " + Pt(c.centre) + " r=" + Num(c.radius) +
                         At(c.where));
    }
    for (const auto& a : d.arcs) {
        add(a.where, "arc " + d.LayerName(a.layer) + " " + Pt(a.centre) + " r=" + Num(a.radius) +
                         " from=" + Pt(a.start) + " to=" + Pt(a.end) + At(a.where));
    }
    for (const auto& i : d.inserts) {
        add(i.where, "insert " + d.LayerName(i.layer) + " " + i.block + " " + Pt(i.point) +
                         " scale=" + Num(i.scaleX) + "," + Num(i.scaleY) +
                         " rotation=" + Num(i.rotation) + " value=" + i.value + At(i.where));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return a.byte != b.byte ? a.byte < b.byte : a.order < b.order;
    });
    std::string out;
    for (const Line& l : lines) out += l.text + "\n";
    return out;
}

namespace {

std::optional<std::string> TakeFileOption(std::vector<std::string>& args,
                                          const std::string& option) {
    std::optional<std::string> file;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != option) {
            ++i;
            continue;
        }
        if (file) throw UsageError(option + " is given twice");
        if (i + 1 >= args.size() || args[i + 1].empty()) throw UsageError(option + " takes a FILE");
        file = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return file;
}

// Writes the drawing to each file asked for; the first reason it could not, or nothing.
std::optional<std::string> WriteDrawings(const preview::Drawing& drawing,
                                         const preview::SvgOptions& svgOptions,
                                         const preview::DxfOptions& dxfOptions,
                                         const DrawingFiles& files) {
    if (files.svg) {
        if (auto failed = WriteFileAtomically(*files.svg, preview::WriteSvg(drawing, svgOptions))) {
            return *files.svg + ": " + *failed;
        }
    }
    if (files.dxf) {
        if (auto problem = preview::DxfProblem(drawing)) {
            return *files.dxf + ": the drawing cannot be written as DXF: " + *problem;
        }
        if (auto failed = WriteFileAtomically(*files.dxf, preview::WriteDxf(drawing, dxfOptions))) {
            return *files.dxf + ": " + *failed;
        }
    }
    return std::nullopt;
}

}  // namespace

DrawingFiles TakeDrawingFiles(std::vector<std::string>& args) {
    DrawingFiles files;
    files.svg = TakeFileOption(args, "--svg");
    files.dxf = TakeFileOption(args, "--dxf");
    return files;
}

Result RunRender(const std::vector<std::string>& args, const DrawingFiles& files) {
    if (args.empty()) throw UsageError("render takes a SCRIPT file");
    preview::SvgOptions svgOptions;
    preview::DxfOptions dxfOptions;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::size_t eq = args[i].find('=');
        const std::string name = eq == std::string::npos ? args[i] : args[i].substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : args[i].substr(eq + 1);
        if (eq == std::string::npos || value.empty()) {
            throw UsageError("render expects NAME=VALUE: " + args[i]);
        } else if (name == "layer") {
            dxfOptions.currentLayer = value;
        } else if (name == "hidden-layer") {
            svgOptions.hiddenLayer = dxfOptions.hiddenLayer = value;
        } else if (name == "base") {
            const std::size_t comma = value.find(',');
            float x = 0, y = 0;
            if (comma == std::string::npos || !ParseSingleField(value.substr(0, comma), x) ||
                !ParseSingleField(value.substr(comma + 1), y)) {
                throw UsageError("base takes X,Y");
            }
            svgOptions.insertionPoint = dxfOptions.insertionPoint = Point{x, y};
        } else {
            throw UsageError("unknown name " + name + " for render");
        }
    }
    // Dashed only where the DXF file gives the HIDDEN linetype.
    if (svgOptions.hiddenLayer &&
        !preview::HiddenDrawnApart(*svgOptions.hiddenLayer, dxfOptions.currentLayer)) {
        svgOptions.hiddenLayer.reset();
    }
    const FileRead file = ReadWholeFile(args[0]);
    if (!file.ok) return {1, "", args[0] + ": " + file.error + "\n"};
    const preview::Interpretation result =
        preview::InterpretScript(file.bytes, dxfOptions.currentLayer);
    if (result.problem) return {1, "", args[0] + ": " + result.problem->Describe() + "\n"};
    if (!files.Any()) return {0, EntityListing(result.drawing), ""};
    if (auto failed = WriteDrawings(result.drawing, svgOptions, dxfOptions, files)) {
        return {1, "", *failed + "\n"};
    }
    return {0, "", ""};
}

Result WithDrawings(Result result, const Common& common, const DrawingFiles& files) {
    if (result.exitCode != 0 || !files.Any()) return result;
    const DrawContext& c = common.context;
    const preview::Interpretation drawn = preview::InterpretScript(result.out, c.CurrentLayer);
    if (drawn.problem) {
        return {1, "", "the script cannot be previewed: " + drawn.problem->Describe() + "\n"};
    }
    preview::SvgOptions svgOptions;
    if (preview::HiddenDrawnApart(c.HiddenLayer, c.CurrentLayer)) {
        svgOptions.hiddenLayer = c.HiddenLayer;
    }
    svgOptions.insertionPoint = Point{c.BasePoint.X, c.BasePoint.Y};
    const preview::DxfOptions dxfOptions{c.CurrentLayer, c.HiddenLayer,
                                         Point{c.BasePoint.X, c.BasePoint.Y}};
    if (auto failed = WriteDrawings(drawn.drawing, svgOptions, dxfOptions, files)) {
        return {1, "", *failed + "\n"};
    }
    return result;
}

std::string RenderUsage() {
    return "preview:\n"
           "       brasswick-script FEATURE [NAME=VALUE ...] [--svg FILE] [--dxf FILE]\n"
           "           also writes the drawing as SVG (hidden layer dashed, base point marked)\n"
           "           or as DXF release 12 (hidden layer with the HIDDEN linetype)\n"
           "       brasswick-script render SCRIPT [layer=NAME] [hidden-layer=NAME] [base=X,Y]"
           " [--svg FILE] [--dxf FILE]\n"
           "           lists what SCRIPT draws, one entity a line, in script order:\n"
           "             segment LAYER X1,Y1 X2,Y2 at=LINE:COLUMN\n"
           "             circle LAYER X,Y r=R at=LINE:COLUMN\n"
           "             arc LAYER X,Y r=R from=X,Y to=X,Y at=LINE:COLUMN"
           " (counter-clockwise)\n"
           "             insert LAYER BLOCK X,Y scale=SX,SY rotation=DEG value=TEXT"
           " at=LINE:COLUMN\n"
           "           or writes it as SVG or DXF; a script it cannot read: the position and the"
           " reason on\n"
           "           standard error, exit 1\n";
}

}  // namespace bw::cli
