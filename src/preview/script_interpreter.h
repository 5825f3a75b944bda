// Reads a CAD script the way the CAD program's script runner reads the commands Brasswick
// writes, and returns what it would draw. Only those commands are understood; any other
// text is a problem reported with its position, never passed over, so a preview can never
// show a drawing the CAD side would not make.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "preview/drawing.h"

namespace bw::preview {

struct ScriptProblem {
    ScriptPosition where;
    std::string message;
    // "line 3, column 7 (byte 52): ..."
    std::string Describe() const;
};

struct Interpretation {
    // What was drawn up to the first problem (everything, when there is none).
    Drawing drawing;
    std::optional<ScriptProblem> problem;
    bool Clean() const { return !problem.has_value(); }
};

// `startLayer` is the layer current in the drawing before the script runs: entities drawn
// before any "Layer set" go there.
//
// The script is a sequence of entries, each ended by a blank or a line end (CR LF, LF or a
// lone CR), both of which act as Enter. The commands, case-insensitive:
//   Layer   then "set" (or "s") and a layer name, any number of times; an empty entry ends it
//   Line    a first point, then further points, each drawing a segment from the previous
//           one; an empty entry ends it
//   Circle  a centre, then either "D" and a diameter or a bare radius
//   ARC     "C", a centre, a start point and an end point (only its direction counts),
//           drawn counter-clockwise; or a start point, a point on the arc and an end point
//   insert  a block name, an insertion point, an X scale, a Y scale and a rotation (an empty
//           entry takes the default 1, the X scale, 0), then the value of the block's one
//           attribute
// A point is "x,y"; a number is a plain decimal with an optional exponent (-4.371139E-08).
// An empty entry at the command prompt repeats the previous command, as the CAD program
// does; before any command it does nothing. Text after the last blank or line end was never
// entered, and a script that ends inside a command left it unfinished: both are problems.
Interpretation InterpretScript(std::string_view script, const std::string& startLayer = "0");

// A number of a script entry; nothing unless the whole text is one well-formed finite number.
std::optional<double> ParseScriptNumber(std::string_view text);
// "x,y"; nothing unless both parts are numbers.
std::optional<Point> ParseScriptPoint(std::string_view text);

}  // namespace bw::preview
