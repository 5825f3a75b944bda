// `brasswick-script render SCRIPT` and the `--svg FILE` option: a script looked at before
// the CAD side runs it, through the same interpreter as the window's preview.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "preview/drawing.h"

namespace bw::cli {

// Takes "--svg FILE" out of the arguments; a UsageError when FILE is missing or the option
// is given twice.
std::optional<std::string> TakeSvgOption(std::vector<std::string>& args);

// `args` are the words after "render".
Result RunRender(const std::vector<std::string>& args, const std::optional<std::string>& svg);

// A feature's result with its drawing also written as SVG to `svgPath`: the script is
// interpreted as the CAD side would run it, the insertion point is marked and entities on
// the hidden-line layer are dashed. A script that cannot be interpreted or a file that
// cannot be written turns the result into a failure (exit 1) with the reason.
Result WithSvg(Result result, const Common& common, const std::string& svgPath);

// What a drawing holds, one entity a line in script order, in the format RenderUsage gives.
std::string EntityListing(const preview::Drawing& drawing);

// The usage lines of render and --svg, and the entity listing's format.
std::string RenderUsage();

}  // namespace bw::cli
