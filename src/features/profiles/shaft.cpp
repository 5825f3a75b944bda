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
    const Direction a = input.placement.direction;
    PointXY c = context.BasePoint;
    w.OnLayer(input.placement.hidden, context.layers(), [&] {
        for (const ShaftSegment& segment : input.segments) {
            const double r = Radius(segment);
            const double len = BoxSingle(segment.lengthText);
            const PointXY t1 = Turned(c, a, {}, {r});
            const PointXY t2 = Turned(c, a, {}, {-r});
            const PointXY t3 = Turned(c, a, {len}, {-r});
            const PointXY t4 = Turned(c, a, {len}, {r});
            c = Turned(c, a, {len}, {});
            // The closed rectangle; the second blank ends the Line command, and the next
            // segment follows on the same text line.
            w.Line({t1, t2, t3, t4, t1}, ChainEnd::TwoBlanks);
        }
    });
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
    return input.placement.view == View::Face ? FaceView(input, context) : SideView(input, context);
}

}  // namespace bw
