// The SVG picture of a drawing: the fitted view box, Y turned up the page, hidden-layer
// entities in the dashed group, arcs with the sweep that draws them counter-clockwise, the
// insertion point and blocks marked.
#include "preview/svg_writer.h"

#include <gtest/gtest.h>

#include "preview/script_interpreter.h"

namespace bw::preview {
namespace {

TEST(PreviewSvg, PartsOfSmallDrawings) {
    const struct {
        const char* script;
        std::vector<std::string> parts;
        SvgOptions options = {};
    } cases[] = {
        // A 4 wide, 2 high drawing: margin 4/20 = .2, stroke 4/400 = .01.
        {"Line 0,0 4,0 \r\nLayer set HID \r\nCircle 2,0 D 2\r\n",
         {"width=\"440\" height=\"240\" viewBox=\"-0.2 -1.2 4.4 2.4\"", "stroke-width=\"0.01\"",
          "<g id=\"solid\">\n<line x1=\"0\" y1=\"0\" x2=\"4\" y2=\"0\"/>\n</g>",
          "<g id=\"hidden\" stroke-dasharray=\"0.08 0.05\">\n<circle cx=\"2\" cy=\"0\" "
          "r=\"1\"/>\n</g>",
          "<g id=\"marks\" stroke=\"#c0392b\">\n</g>"},
         SvgOptions{.hiddenLayer = "HID", .insertionPoint = {}, .pixelWidth = 440}},
        // Three quarters counter-clockwise from (0,1) to (1,0): the large arc, negative sweep.
        {"ARC C 0,0 0,1 1,0 ", {"<path d=\"M 0 -1 A 1 1 0 1 0 1 0\"/>"}},
        {"ARC C 0,0 1,0 0,1 ", {"<path d=\"M 1 0 A 1 1 0 0 0 "}},
        // Extent 0..2 by 3..3: side 2, margin .1, mark 2/40 = .05.
        {"insert Dmesnote 2,3 1 1 0 12\r\n",
         {"viewBox=\"-0.1 -3.1 2.2 0.2\"", ">Dmesnote 12</text>",
          "<circle cx=\"0\" cy=\"-3\" r=\"0.05\"/>",
          "<line x1=\"-0.1\" y1=\"-3\" x2=\"0.1\" y2=\"-3\"/>"},
         SvgOptions{.hiddenLayer = {}, .insertionPoint = Point{0, 3}, .pixelWidth = 640}},
    };
    for (const auto& c : cases) {
        const Interpretation r = InterpretScript(c.script);
        ASSERT_TRUE(r.Clean()) << c.script;
        const std::string svg = WriteSvg(r.drawing, c.options);
        for (const std::string& part : c.parts) {
            EXPECT_NE(svg.find(part), std::string::npos) << part << " in\n" << svg;
        }
    }
}

}  // namespace
}  // namespace bw::preview
