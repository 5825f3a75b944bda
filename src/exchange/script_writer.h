// The command lines of a CAD script, written into one text buffer. In a script a blank acts
// as the Enter key, so every blank a form writes is part of the command; each form below
// states its exact bytes (P is a point in the ScriptNumber form "x,y", CR LF the line end).
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "exchange/script_format.h"

namespace bw {

// How a chain of line points ends.
enum class ChainEnd {
    // " " CR LF: the blank takes the last point, the line end closes the command.
    LineEnd,
    // "  ": the second blank closes the command and the next command follows on the same
    // text line.
    TwoBlanks,
};

// The two layers a drawing is written on.
struct Layers {
    std::string_view current;
    std::string_view hidden;
};

class ScriptWriter {
  public:
    // Appends to `script`, which the writer does not own.
    explicit ScriptWriter(std::string& script) : out_(script) {}

    // "Layer set NAME " CR LF.
    void LayerSet(std::string_view layer);

    // What `draw` writes, on the hidden layer when `hidden` and then back on the current
    // one: "Layer set HID " CR LF ... "Layer set CUR " CR LF. When not hidden, on the current
    // layer: "Layer set CUR " CR LF ..., or with `announce` false nothing but what `draw`
    // writes, for a part that follows others already on the current layer.
    template <typename Draw>
    void OnLayer(bool hidden, Layers layers, Draw&& draw, bool announce = true) {
        if (hidden || announce) LayerSet(hidden ? layers.hidden : layers.current);
        draw();
        if (hidden) LayerSet(layers.current);
    }

    // "Line P1 P2 ... Pn" and the chain's end: "Line 1,1 2,1 \r\n" or "Line 1,1 2,1  ".
    void Line(std::initializer_list<PointXY> points, ChainEnd end = ChainEnd::LineEnd);

    // The threads' lower-case form: "line P1 ... Pn " CR LF.
    void LowerCaseLine(std::initializer_list<PointXY> points);
    // The same from points already formatted, for a chain that shares its points with others.
    void LowerCaseLine(std::initializer_list<std::reference_wrapper<const PointText>> points);

    // "Circle P D d" CR LF, the diameter in the given form ("Circle 1,1 D .25\r\n").
    void Circle(PointXY centre, double diameter, NumberForm form = NumberForm::Script);

    // "Circle P D text" CR LF, the diameter exactly as the user typed it.
    void CircleWithDiameterText(PointXY centre, std::string_view diameter);

    // "Circle P r" CR LF: the circle by its radius ("Circle 1,1 .5\r\n").
    void CircleByRadius(PointXY centre, float radius);

    // "ARC C P1 P2 P3 ": the arc about P1 counter-clockwise from P2 towards P3, with no line
    // end.
    void ArcAboutCentre(PointXY centre, PointXY start, PointXY end);

    // "ARC P1 P2 P3 ": the arc from P1 through P2 to P3, with no line end.
    void ArcThroughThreePoints(PointXY start, PointXY middle, PointXY end);

    // "insert NAME P s s 0 n" CR LF: the block at P, the same scale for X and Y, rotation 0,
    // and n answering the block's one attribute ("insert Dmesnote 1,1 1 1 0 12\r\n").
    void Insert(std::string_view block, PointXY point, float scale, int attribute);

    // CR LF alone.
    void EndLine();

  private:
    void Point(PointXY p);  // " P"

    std::string& out_;
};

}  // namespace bw
