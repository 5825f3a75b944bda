#include "features/profiles/shaft.h"

#include "exchange/script_writer.h"

namespace bw {

namespace {

float Radius(const ShaftSegment& segment) {
    return static_cast<float>(BoxNumber(segment.diameterText) / 2.0);
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string FaceView(const ShaftInput& input, const DrawContext& context) {
    std::string script;
    ScriptWriter w(script);
    w.LayerSet(context.CurrentLayer);
    float largest = Radius(input.segments.front());
    for (const ShaftSegment& segment : input.segments) {
        const float r = Radius(segment);
        if (r > largest) largest = r;
        // A segment smaller than one nearer the viewer lies behind it.
        w.LayerSet(r < largest ? context.HiddenLayer : context.CurrentLayer);
        // The diameter goes in as the cell shows it, not as a script number.
        w.CircleWithDiameterText(context.BasePoint, Trimmed(segment.diameterText));
    }
    w.LayerSet(context.CurrentLayer);
    return script;
}

std::string SideView(const ShaftInput& input, const DrawContext& context) {
    std::string script;
    ScriptWriter w(script);
    w.LayerSet(input.hidden ? context.HiddenLayer : context.CurrentLayer);
    float cx = context.BasePoint.X;
    float cy = context.BasePoint.Y;
    auto plus = [](float a, float b) {
        return static_cast<float>(static_cast<double>(a) + static_cast<double>(b));
    };
    auto minus = [](float a, float b) {
        return static_cast<float>(static_cast<double>(a) - static_cast<double>(b));
    };
    for (const ShaftSegment& segment : input.segments) {
        const float r = Radius(segment);
        const float len = BoxSingle(segment.lengthText);
        PointXY t1, t2, t3, t4;
        switch (input.direction) {
            case 0:
                t1 = {cx, plus(cy, r)};
                t2 = {cx, minus(cy, r)};
                t3 = {plus(cx, len), minus(cy, r)};
                t4 = {plus(cx, len), plus(cy, r)};
                cx = plus(cx, len);
                break;
            case 90:
                t1 = {minus(cx, r), cy};
                t2 = {plus(cx, r), cy};
                t3 = {plus(cx, r), plus(cy, len)};
                t4 = {minus(cx, r), plus(cy, len)};
                cy = plus(cy, len);
                break;
            case 180:
                t1 = {cx, minus(cy, r)};
                t2 = {cx, plus(cy, r)};
                t3 = {minus(cx, len), plus(cy, r)};
                t4 = {minus(cx, len), minus(cy, r)};
                cx = minus(cx, len);
                break;
            case 270:
                t1 = {plus(cx, r), cy};
                t2 = {minus(cx, r), cy};
                t3 = {minus(cx, r), minus(cy, len)};
                t4 = {plus(cx, r), minus(cy, len)};
                cy = minus(cy, len);
                break;
            default:
                continue;
        }
        // The closed rectangle; the second blank ends the Line command, and the next
        // segment follows on the same text line.
        w.Line({t1, t2, t3, t4, t1}, ChainEnd::TwoBlanks);
    }
    if (input.hidden) w.LayerSet(context.CurrentLayer);
    return script;
}

}  // namespace

std::string TooManySegmentsMessage() {
    return "Number Of Segments Can Not Exceed " + std::to_string(kMaxShaftSegments);
}

std::optional<ShaftRefusal> CheckShaftGrid(const ShaftInput& input) {
    if (input.segments.size() > static_cast<size_t>(kMaxShaftSegments)) {
        return ShaftRefusal{TooManySegmentsMessage(), std::pair{0, 0}};
    }
    // A grid always has a first segment; an empty one stands for a first column left blank.
    if (input.segments.empty())
        return ShaftRefusal{"Diameter Missing In Segment1", std::pair{0, 0}};
    for (int row : {1, 2}) {
        for (size_t i = 0; i < input.segments.size(); ++i) {
            const ShaftSegment& segment = input.segments[i];
            if (!(BoxSingle(row == 1 ? segment.diameterText : segment.lengthText) > 0.0f)) {
                return ShaftRefusal{
                    (row == 1 ? "Diameter Missing In Segment" : "Length Missing In Segment") +
                        std::to_string(i + 1),
                    std::pair{row, static_cast<int>(i + 1)}};
            }
        }
    }
    for (size_t i = 0; i < input.segments.size(); ++i) {
        for (const std::string* cell :
             {&input.segments[i].diameterText, &input.segments[i].lengthText}) {
            // Every cell is above zero by now, so only the two limits can speak.
            if (auto m = SizeMessage(BoxSingle(*cell), "Value", "")) {
                return ShaftRefusal{*m + " In Segment" + std::to_string(i + 1), std::nullopt};
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckShaft(const ShaftInput& input) {
    if (std::optional<ShaftRefusal> refusal = CheckShaftGrid(input)) return refusal->message;
    return std::nullopt;
}

std::string ShaftScript(const ShaftInput& input, const DrawContext& context) {
    if (input.segments.empty()) return {};
    return input.view == View::Face ? FaceView(input, context) : SideView(input, context);
}

}  // namespace bw
