// The preview pane in the real window: it follows the current tab's size, view, direction and
// hidden choices, shows a failed check's message instead of a drawing, and never touches the
// insertion-info file, the script or the flag that says the info was read.
#include <QCoreApplication>
#include <QTabWidget>

#include "preview/script_interpreter.h"
#include "support/window_fixture.h"
#include "ui/preview_pane.h"

namespace bw::test {
namespace {

using preview::Drawing;
using preview::Point;

class PreviewPaneTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ws_.WriteInfo("A,2,3,1,1,[L1]");
        ASSERT_TRUE(Start());
        Window().showNormal();
        pane_ = Find<PreviewPane>("PreviewPane");
        ASSERT_NE(pane_, nullptr);
        ASSERT_TRUE(Settle());
        // The CAD side has left the info for the next feature; only an OK may read it.
        ws_.WriteInfo(kNextInfo);
        TakeMessages();
    }

    bool Settle() { return test::Settle(pane_); }

    const Drawing& Shown() {
        static const Drawing none;
        EXPECT_TRUE(Settle());
        EXPECT_EQ(pane_->Message().toStdString(), "");
        const Drawing* d = pane_->ShownDrawing();
        EXPECT_NE(d, nullptr);
        return d ? *d : none;
    }

    std::string MessageShown() {
        EXPECT_TRUE(Settle());
        EXPECT_EQ(pane_->ShownDrawing(), nullptr);
        return pane_->Message().toStdString();
    }

    static constexpr const char* kNextInfo = "B,7,7,1,1,[NEXT]\r\n";
    PreviewPane* pane_ = nullptr;
};

void ExpectPoint(Point p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-6);
    EXPECT_NEAR(p.y, y, 1e-6);
}

TEST_F(PreviewPaneTest, FollowsSizeViewDirectionAndHiddenOfTheEjectorTab) {
    ASSERT_EQ(Window().SSTab1()->currentIndex(), 0);
    EXPECT_EQ(MessageShown(), "You Must Select Pin Size");

    Pick("List1", 0);  // 1/16: .0625, the bore .0625 + .015
    EXPECT_EQ(MessageShown(), "You Must Select Depth");

    Pick("List2", 0);  // 1/4
    {
        const Drawing& d = Shown();
        ASSERT_EQ(d.segments.size(), 5u);
        for (const auto& s : d.segments) EXPECT_EQ(d.LayerName(s.layer), "HIDDEN");
        // Drawn at the insertion point read at start-up, towards +X.
        ExpectPoint(d.segments[0].start, 2, 3.03875);
        ExpectPoint(d.segments[0].end, 2.25, 3.03875);
        ExpectPoint(d.segments[3].end, 2.5, 3.03125);
        EXPECT_EQ(pane_->ExtentText().toStdString(), "0.500 \u00d7 0.0775");
        EXPECT_EQ(pane_->Picture().size(), pane_->size());
    }

    Click("Option05");  // 90: the hole runs towards +Y
    {
        const Drawing& d = Shown();
        ASSERT_EQ(d.segments.size(), 5u);
        ExpectPoint(d.segments[0].start, 2 - .03875, 3);
        ExpectPoint(d.segments[0].end, 2 - .03875, 3.25);
        ExpectPoint(d.segments[3].end, 2 - .03125, 3.5);
    }

    Click("Option02");  // Draw Face: the pin circle, the bore circle behind the face
    {
        const Drawing& d = Shown();
        EXPECT_TRUE(d.segments.empty());
        ASSERT_EQ(d.circles.size(), 2u);
        ExpectPoint(d.circles[0].centre, 2, 3);
        ExpectPoint(d.circles[1].centre, 2, 3);
        EXPECT_NEAR(d.circles[0].radius, .03125, 1e-7);
        EXPECT_EQ(d.LayerName(d.circles[0].layer), "L1");
        EXPECT_EQ(d.LayerName(d.circles[1].layer), "HIDDEN");
    }

    Click("Check01");  // Hidden off: both circles on the current layer
    {
        const Drawing& d = Shown();
        ASSERT_EQ(d.circles.size(), 2u);
        EXPECT_EQ(d.LayerName(d.circles[1].layer), "L1");
    }

    // Nothing of the OK's machinery was touched.
    EXPECT_EQ(ReadFile(ws_.InfoPath()), kNextInfo);
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_EQ(App().State().info.CurrentLayer, "L1");
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{});
}

TEST_F(PreviewPaneTest, FollowsTheCurrentTab) {
    Window().SSTab1()->setCurrentIndex(5);  // Threads
    EXPECT_EQ(MessageShown(), "You Must Select Thread Size");
    Window().SSTab1()->setCurrentIndex(6);  // About draws nothing
    EXPECT_EQ(MessageShown(), "");
    Window().SSTab1()->setCurrentIndex(8);  // Slotted Holes: its boxes start filled
    const Drawing& d = Shown();
    EXPECT_EQ(d.arcs.size(), 2u);
    EXPECT_EQ(d.segments.size(), 2u);
    EXPECT_EQ(ReadFile(ws_.InfoPath()), kNextInfo);
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
}

}  // namespace
}  // namespace bw::test
