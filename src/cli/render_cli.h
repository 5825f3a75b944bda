// `brasswick-script render SCRIPT` and the `--svg FILE` and `--dxf FILE` options: a script
// looked at before the CAD side runs it, or handed to another CAD program, through the same
// interpreter as the window's preview.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "preview/drawing.h"

namespace bw::cli {

// Where the drawing goes besides the script or the listing.
struct DrawingFiles {
    std::optional<std::string> svg;  // "--svg FILE"
    std::optional<std::string> dxf;  // "--dxf FILE"
    bool Any() const { return svg || dxf; }
};

// Takes "--svg FILE" and "--dxf FILE" out of the arguments, wherever they stand; a
// UsageError when FILE is missing or an option is given twice.
DrawingFiles TakeDrawingFiles(std::vector<std::string>& args);

// `args` are the words after "render".
Result RunRender(const std::vector<std::string>& args, const DrawingFiles& files);

// A feature's result with its drawing also written to the files: the script is interpreted
// as the CAD side would run it; the SVG marks the insertion point and dashes the hidden-line
// layer, the DXF gives that layer the HIDDEN linetype. A script that cannot be interpreted
// or written as DXF, or a file that cannot be written, turns the result into a failure
// (exit 1, no script on standard output) with the reason.
Result WithDrawings(Result result, const Common& common, const DrawingFiles& files);

// What a drawing holds, one entity a line in script order, in the format RenderUsage gives.
std::string EntityListing(const preview::Drawing& drawing);

// The usage lines of render, --svg and --dxf, and the entity listing's format.
std::string RenderUsage();

}  // namespace bw::cli
