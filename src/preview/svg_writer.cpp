#include "preview/svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace bw::preview {

namespace {

// The shortest text that reads back as the same double; never "-0".
std::string Num(double v) {
    v += 0.0;
    char buffer[32];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    if (ec != std::errc()) return "0";
    return std::string(buffer, ptr);
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// SVG's Y runs down the page; the drawing's runs up.
std::string X(double x) { return Num(x); }
std::string Y(double y) { return Num(-y); }

void AppendSegment(std::string& out, const Segment& s) {
    out += "<line x1=\"" + X(s.start.x) + "\" y1=\"" + Y(s.start.y) + "\" x2=\"" + X(s.end.x) +
           "\" y2=\"" + Y(s.end.y) + "\"/>\n";
}

void AppendCircle(std::string& out, const Circle& c) {
    out += "<circle cx=\"" + X(c.centre.x) + "\" cy=\"" + Y(c.centre.y) + "\" r=\"" +
           Num(c.radius) + "\"/>\n";
}

void AppendArc(std::string& out, const Arc& a) {
    const bool large = a.endAngle - a.startAngle > std::numbers::pi;
    // Counter-clockwise in the drawing is the negative sweep once Y is turned down the page.
    out += "<path d=\"M " + X(a.start.x) + " " + Y(a.start.y) + " A " + Num(a.radius) + " " +
           Num(a.radius) + " 0 " + (large ? "1" : "0") + " 0 " + X(a.end.x) + " " + Y(a.end.y) +
           "\"/>\n";
}

}  // namespace

std::string WriteSvg(const Drawing& drawing, const SvgOptions& options) {
    Extent extent = drawing.Bounds();
    if (options.insertionPoint) extent.Add(*options.insertionPoint);
    if (extent.empty) extent.Add({0.0, 0.0});
    double side = std::max(extent.Width(), extent.Height());
    if (side <= 0.0) side = 1.0;
    const double margin = side / 20.0;
    const double left = extent.min.x - margin;
    const double top = -(extent.max.y + margin);
    const double width = extent.Width() + 2 * margin;
    const double height = extent.Height() + 2 * margin;
    const double stroke = side / 400.0;
    const double pixelHeight = options.pixelWidth * height / width;
    const int hidden = options.hiddenLayer ? drawing.FindLayer(*options.hiddenLayer) : -1;

    std::string solidPart, hiddenPart;
    auto part = [&](int layer) -> std::string& { return layer == hidden ? hiddenPart : solidPart; };
    for (const Segment& s : drawing.segments) AppendSegment(part(s.layer), s);
    for (const Circle& c : drawing.circles) AppendCircle(part(c.layer), c);
    for (const Arc& a : drawing.arcs) AppendArc(part(a.layer), a);

    std::string marks;
    const double mark = side / 40.0;
    for (const Insert& i : drawing.inserts) {
        marks += "<rect x=\"" + X(i.point.x - mark / 2) + "\" y=\"" + Y(i.point.y + mark / 2) +
                 "\" width=\"" + Num(mark) + "\" height=\"" + Num(mark) + "\"/>\n";
        marks += "<text x=\"" + X(i.point.x + mark) + "\" y=\"" + Y(i.point.y) + "\" font-size=\"" +
                 Num(mark * 2) + "\" stroke=\"none\" fill=\"#1f4e9e\">" +
                 Escaped(i.block + " " + i.value) + "</text>\n";
    }
    if (options.insertionPoint) {
        const Point p = *options.insertionPoint;
        marks += "<circle cx=\"" + X(p.x) + "\" cy=\"" + Y(p.y) + "\" r=\"" + Num(mark) + "\"/>\n";
        marks += "<line x1=\"" + X(p.x - 2 * mark) + "\" y1=\"" + Y(p.y) + "\" x2=\"" +
                 X(p.x + 2 * mark) + "\" y2=\"" + Y(p.y) + "\"/>\n";
        marks += "<line x1=\"" + X(p.x) + "\" y1=\"" + Y(p.y - 2 * mark) + "\" x2=\"" + X(p.x) +
                 "\" y2=\"" + Y(p.y + 2 * mark) + "\"/>\n";
    }

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           Num(std::round(options.pixelWidth)) + "\" height=\"" + Num(std::round(pixelHeight)) +
           "\" viewBox=\"" + Num(left) + " " + Num(top) + " " + Num(width) + " " + Num(height) +
           "\">\n";
    svg += "<rect x=\"" + Num(left) + "\" y=\"" + Num(top) + "\" width=\"" + Num(width) +
           "\" height=\"" + Num(height) + "\" fill=\"white\"/>\n";
    svg += "<g fill=\"none\" stroke=\"black\" stroke-width=\"" + Num(stroke) +
           "\" stroke-linecap=\"round\">\n";
    svg += "<g id=\"solid\">\n" + solidPart + "</g>\n";
    svg += "<g id=\"hidden\" stroke-dasharray=\"" + Num(stroke * 8) + " " + Num(stroke * 5) +
           "\">\n" + hiddenPart + "</g>\n";
    svg += "<g id=\"marks\" stroke=\"#c0392b\">\n" + marks + "</g>\n";
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace bw::preview
