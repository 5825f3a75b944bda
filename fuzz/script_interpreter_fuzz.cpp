// Any bytes as a script: read into a drawing or stopped at a problem whose position lies
// inside the script, then listed and written as SVG without fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/render_cli.h"
#include "preview/script_interpreter.h"
#include "preview/svg_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const auto result = bw::preview::InterpretScript(script, "0");
    if (result.problem) {
        const auto& where = result.problem->where;
        if (where.byte > size || where.line < 1 || where.column < 1) std::abort();
    }
    const auto& d = result.drawing;
    for (const auto& a : d.arcs) {
        // Every arc runs counter-clockwise through less than a whole turn, on a real circle.
        if (!(a.radius > 0) || !(a.endAngle > a.startAngle) ||
            !(a.endAngle - a.startAngle <= 2 * 3.14159265358979323846 + 1e-12)) {
            std::abort();
        }
    }
    for (const auto& c : d.circles) {
        if (!(c.radius > 0) || !std::isfinite(c.radius)) std::abort();
    }
    bw::preview::SvgOptions options;
    options.hiddenLayer = "0";
    (void)bw::preview::WriteSvg(d, options);
    (void)bw::cli::EntityListing(d);
    return 0;
}
