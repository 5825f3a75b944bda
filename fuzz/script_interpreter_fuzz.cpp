// Any bytes as a script: read into a drawing or stopped at a problem whose position lies
// inside the script, then listed and written as SVG and DXF without fault: a DXF that is
// written is pairs of lines, a group code then its value, ending in EOF.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/render_cli.h"
#include "preview/dxf_writer.h"
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
    if (!bw::preview::DxfProblem(d)) {
        const std::string dxf = bw::preview::WriteDxf(d, {"0", "0", std::nullopt});
        std::size_t at = 0, lines = 0;
        while (at < dxf.size()) {
            const std::size_t end = dxf.find("\r\n", at);
            if (end == std::string::npos) std::abort();
            const std::string_view line(dxf.data() + at, end - at);
            if (line.find_first_of("\r\n") != std::string_view::npos) std::abort();
            if (lines % 2 == 0 && (line.size() != 3 || line.find_first_not_of(" 0123456789") !=
                                                           std::string_view::npos)) {
                std::abort();
            }
            at = end + 2;
            ++lines;
        }
        if (lines % 2 != 0 || !dxf.ends_with("  0\r\nEOF\r\n")) std::abort();
    }
    return 0;
}
