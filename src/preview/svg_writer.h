// A drawing as an SVG picture: what a script would draw, for a user to look at before the
// CAD side runs it.
#pragma once

#include <optional>
#include <string>

#include "preview/drawing.h"

namespace bw::preview {

struct SvgOptions {
    // Entities on this layer are drawn dashed (hidden edges); nothing is dashed when unset.
    std::optional<std::string> hiddenLayer;
    // Marked with a small cross in a circle when given.
    std::optional<Point> insertionPoint;
    // The picture's width in pixels; its height follows the drawing's proportions.
    double pixelWidth = 640.0;
};

// The whole SVG document. Drawing units map to SVG user units with Y turned up the page; the
// viewBox is fitted to the drawing (and the insertion point) with a margin of a twentieth of
// the larger side. Solid entities are in the group "solid", hidden ones in "hidden", the
// marks in "marks"; inserted blocks are shown by a small square and their attribute value.
std::string WriteSvg(const Drawing& drawing, const SvgOptions& options);

}  // namespace bw::preview
