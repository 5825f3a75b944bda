// How the pane paints a drawing: hidden-layer entities dashed, the rest solid, the insertion
// point marked, the drawing fitted to the picture.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "preview/script_interpreter.h"
#include "ui/preview_pane.h"

namespace bw {
namespace {

bool Dark(QRgb pixel) { return qGray(pixel) < 200 && qRed(pixel) < 150; }
bool Red(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }

// A red pixel at (x, y) or next to it.
bool RedNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (Red(image.pixel(x + dx, y + dy))) return true;
        }
    }
    return false;
}

// The stretches of dark pixels along one row.
std::vector<std::pair<int, int>> DarkRuns(const QImage& image, int y) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (!Dark(image.pixel(x, y))) continue;
        if (!runs.empty() && runs.back().second == x - 1) {
            runs.back().second = x;
        } else {
            runs.push_back({x, x});
        }
    }
    return runs;
}

// The row holding the longest dark stretch within [from, to).
int RowWithLine(const QImage& image, int from, int to) {
    int best = -1, bestLength = 0;
    for (int y = from; y < to; ++y) {
        int length = 0;
        for (const auto& run : DarkRuns(image, y)) length += run.second - run.first + 1;
        if (length > bestLength) best = y, bestLength = length;
    }
    return best;
}

TEST(PreviewRender, HiddenLayerDashedOthersSolidInsertionPointMarked) {
    // A solid line along y = 0 and a hidden one along y = 10, both 100 long; the insertion
    // point at (50, 5), between them.
    const auto r = preview::InterpretScript(
        "Line 0,0 100,0 \r\nLayer set HID \r\nLine 0,10 100,10 \r\nLayer set 0 \r\n");
    ASSERT_TRUE(r.Clean());
    const QImage image = RenderPreview(r.drawing, "HID", preview::Point{50, 5}, QSize(224, 224));
    ASSERT_EQ(image.size(), QSize(224, 224));
    // 100 units across 200 pixels: the lines lie 20 pixels apart about the middle row.
    const int solidRow = RowWithLine(image, 112, 224);
    const int hiddenRow = RowWithLine(image, 0, 112);
    EXPECT_NEAR(solidRow, 122, 1);
    EXPECT_NEAR(hiddenRow, 102, 1);
    const auto solid = DarkRuns(image, solidRow);
    ASSERT_EQ(solid.size(), 1u);
    EXPECT_NEAR(solid[0].first, 12, 1);
    EXPECT_NEAR(solid[0].second, 212, 1);
    const auto dashed = DarkRuns(image, hiddenRow);
    EXPECT_GT(dashed.size(), 10u) << "a dashed line is many short stretches";
    EXPECT_NEAR(dashed.front().first, 12, 1);
    EXPECT_NEAR(dashed.back().second, 212, 2);
    // The red cross at the insertion point, the middle of the picture.
    EXPECT_TRUE(RedNear(image, 112, 112));
    EXPECT_TRUE(RedNear(image, 118, 112));
    EXPECT_TRUE(RedNear(image, 112, 106));
    EXPECT_FALSE(RedNear(image, 112, 150));
    EXPECT_FALSE(RedNear(image, 150, 112));
}

TEST(PreviewRender, WithoutAHiddenLayerNameNothingIsDashed) {
    const auto r = preview::InterpretScript("Layer set HID \r\nLine 0,0 100,0 \r\n");
    const QImage image = RenderPreview(r.drawing, "OTHER", std::nullopt, QSize(224, 100));
    const int row = RowWithLine(image, 0, 100);
    EXPECT_EQ(DarkRuns(image, row).size(), 1u);
}

TEST(PreviewRender, ThousandsOfSubPixelSegmentsStillCoverTheirPath) {
    // 20000 steps of .001 along a line: far below a pixel each, painted as one stroke.
    std::string script = "Line 0,0";
    for (int i = 1; i <= 20000; ++i) script += " " + std::to_string(i * 0.001) + ",0";
    script += "  ";
    const auto r = preview::InterpretScript(script);
    ASSERT_TRUE(r.Clean()) << r.problem->Describe();
    ASSERT_EQ(r.drawing.segments.size(), 20000u);
    const QImage image = RenderPreview(r.drawing, "", std::nullopt, QSize(224, 60));
    const auto runs = DarkRuns(image, RowWithLine(image, 0, 60));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].first, 12, 1);
    EXPECT_NEAR(runs[0].second, 212, 1);
}

}  // namespace
}  // namespace bw
