// The SVG picture of a drawing: the fitted view box, Y turned up the page, hidden-layer
// entities in the dashed group, arcs with the sweep that draws them counter-clockwise.
#include "preview/svg_writer.h"

#include <gtest/gtest.h>

#include "preview/script_interpreter.h"

namespace bw::preview {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const auto a = text.find(from);
    if (a == std::string::npos) return "";
    const auto b = text.find(to, a + from.size());
    return text.substr(a + from.size(), b - a - from.size());
}

TEST(PreviewSvg, FittedViewBoxAndHiddenLayerDashed) {
    // A 4 wide, 2 high drawing: margin 4/20 = .2, stroke 4/400 = .01.
    const auto r = InterpretScript("Line 0,0 4,0 \r\nLayer set HID \r\nCircle 2,0 D 2\r\n");
    ASSERT_TRUE(r.Clean());
    SvgOptions options;
    options.hiddenLayer = "HID";
    options.pixelWidth = 440;
    const std::string svg = WriteSvg(r.drawing, options);
    EXPECT_TRUE(Contains(svg, "width=\"440\" height=\"240\" viewBox=\"-0.2 -1.2 4.4 2.4\"")) << svg;
    EXPECT_TRUE(Contains(svg, "stroke-width=\"0.01\""));
    EXPECT_EQ(Between(svg, "<g id=\"solid\">\n", "</g>"),
              "<line x1=\"0\" y1=\"0\" x2=\"4\" y2=\"0\"/>\n");
    EXPECT_EQ(Between(svg, "<g id=\"hidden\" stroke-dasharray=\"0.08 0.05\">\n", "</g>"),
              "<circle cx=\"2\" cy=\"0\" r=\"1\"/>\n");
    EXPECT_EQ(Between(svg, "<g id=\"marks\" stroke=\"#c0392b\">\n", "</g>"), "");
}

TEST(PreviewSvg, WithoutAHiddenLayerEverythingIsSolid) {
    const auto r = InterpretScript("Layer set HID \r\nLine 0,1 0,3 \r\n");
    const std::string svg = WriteSvg(r.drawing, {});
    EXPECT_EQ(Between(svg, "<g id=\"solid\">\n", "</g>"),
              "<line x1=\"0\" y1=\"-1\" x2=\"0\" y2=\"-3\"/>\n");
}

TEST(PreviewSvg, ArcSweepFlagsAndYTurnedUp) {
    // Three quarters counter-clockwise from (0,1) to (1,0): the large arc, negative sweep.
    const auto r = InterpretScript("ARC C 0,0 0,1 1,0 ");
    ASSERT_TRUE(r.Clean());
    const std::string svg = WriteSvg(r.drawing, {});
    EXPECT_TRUE(Contains(svg, "<path d=\"M 0 -1 A 1 1 0 1 0 1 0\"/>")) << svg;
    // A quarter: the small arc.
    const auto q = InterpretScript("ARC C 0,0 1,0 0,1 ");
    EXPECT_TRUE(Contains(WriteSvg(q.drawing, {}), "<path d=\"M 1 0 A 1 1 0 0 0 "));
}

TEST(PreviewSvg, InsertionPointAndBlocksAreMarked) {
    const auto r = InterpretScript("insert Dmesnote 2,3 1 1 0 12\r\n");
    SvgOptions options;
    options.insertionPoint = Point{0, 3};
    const std::string svg = WriteSvg(r.drawing, options);
    // Extent 0..2 by 3..3: side 2, margin .1, mark 2/40 = .05.
    EXPECT_TRUE(Contains(svg, "viewBox=\"-0.1 -3.1 2.2 0.2\"")) << svg;
    EXPECT_TRUE(Contains(svg, ">Dmesnote 12</text>"));
    EXPECT_TRUE(Contains(svg, "<circle cx=\"0\" cy=\"-3\" r=\"0.05\"/>"));
    EXPECT_TRUE(Contains(svg, "<line x1=\"-0.1\" y1=\"-3\" x2=\"0.1\" y2=\"-3\"/>"));
}

}  // namespace
}  // namespace bw::preview
