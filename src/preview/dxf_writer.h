// A drawing as a DXF file, the exchange format every CAD program reads: what a script would
// draw, for designers whose CAD program cannot run an AutoCAD LT script.
//
// The file is ASCII DXF of release 12 (AC1009), the simplest form every reader accepts: no
// handles and no OBJECTS section. Units are inches. Every name and number it holds comes
// from the drawing, so the DXF can never draw something other than the script.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "preview/drawing.h"

namespace bw::preview {

struct DxfOptions {
    // The layer current before the script ran.
    std::string currentLayer = "0";
    // The layer of hidden edges: its LAYER entry is drawn with the HIDDEN linetype, unless it
    // is the current layer too (then the CAD side cannot tell hidden from visible either).
    std::optional<std::string> hiddenLayer;
    // The feature's insertion point: the base point ($INSBASE) of the file when a CAD
    // program inserts the whole file as a block. The origin when unset.
    std::optional<Point> insertionPoint;
};

// The block every inserted block is given, since the receiving drawing does not have it: a
// circle of this radius about the base point, the attribute's value in it. Dmesnote and
// Dmehnote also write their pin kind ("C", "CX") above the value.
inline constexpr double kNoteRadius = 0.25;
inline constexpr double kNoteValueHeight = 0.125;
inline constexpr const char* kNoteTag = "NUMBER";

// True when hidden edges are drawn apart: a hidden-line layer that is not the current layer
// (names compared as the CAD side compares them, regardless of case). Only then does the
// hidden layer get the HIDDEN linetype; on the current layer hidden edges draw solid.
bool HiddenDrawnApart(const std::string& hiddenLayer, const std::string& currentLayer);

// The drawing's extent with every inserted note block whole (its circle about the insertion
// point), not only the insertion point.
Extent DrawnExtent(const Drawing& drawing);

// Where a point (x, y) of a note block lands in the drawing through the insert: scaled,
// turned, moved to the insertion point.
Point PlacedInBlock(const Insert& insert, Point p);

// The pin kind a note block writes above its value ("C", "CX"), or nothing.
const char* NoteBlockKind(const std::string& block);

// Where the pin kind and the value stand in the note block, and the kind's height.
inline constexpr double kNoteKindY = 0.125;
inline constexpr double kNoteKindHeight = 0.08;
inline constexpr double kNoteValueY = -0.0625;

// Why the drawing cannot be written as DXF, or nothing: a layer or block name with a
// character DXF forbids in names, an attribute value with a control character, an insert at
// scale 0, an arc too short to tell its start angle from its end angle.
std::optional<std::string> DxfProblem(const Drawing& drawing);

// The whole DXF file, CR LF line ends. The drawing must have passed DxfProblem.
std::string WriteDxf(const Drawing& drawing, const DxfOptions& options);

struct DxfResult {
    std::optional<std::string> dxf;
    std::string problem;  // why there is no file, when dxf is empty
};

// The script interpreted as the CAD side would run it (on `options.currentLayer`), then
// written as DXF: the one call a caller with a script in hand needs.
DxfResult DxfFromScript(std::string_view script, const DxfOptions& options);

}  // namespace bw::preview
