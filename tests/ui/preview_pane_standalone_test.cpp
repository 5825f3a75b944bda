// The preview pane on its own, with a stand-in tab whose script the test chooses: a script the
// reader cannot read is shown as its problem, a tab that draws nothing leaves the pane empty,
// a resize repaints the drawing at the new size, and a minimised window costs no work.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "app/app_context.h"
#include "support/window_fixture.h"
#include "ui/feature_tab.h"
#include "ui/preview_pane.h"

namespace bw {
namespace {

class StandInTab : public FeatureTab {
  public:
    using FeatureTab::FeatureTab;
    std::optional<FeatureStep> Step() const override {
        ++asked;
        if (!outcome) return std::nullopt;
        return [made = *outcome](const DrawContext&) { return made; };
    }
    void Disable(const std::string& why) { DisableOk(why); }
    std::optional<StepOutcome> outcome;
    mutable int asked = 0;
};

class PreviewPaneStandaloneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.resize(400, 300);
        tab_ = new StandInTab(app_, &window_);
        pane_ = new PreviewPane(app_, &window_);
        pane_->setGeometry(0, 0, 300, 200);
        window_.show();
    }
    bool Settle() { return test::Settle(pane_); }
    void Show(std::optional<StepOutcome> outcome) {
        tab_->outcome = std::move(outcome);
        pane_->SetTab(tab_);
        ASSERT_TRUE(Settle());
    }

    test::RecordingToolkit dialogs_;
    AppContext app_{dialogs_, "."};
    QWidget window_;
    StandInTab* tab_ = nullptr;
    PreviewPane* pane_ = nullptr;
};

TEST_F(PreviewPaneStandaloneTest, AScriptTheReaderCannotReadIsShownAsItsProblem) {
    Show(StepOutcome{"Line 0,0 1,1 \r\nLine 2,2 x,y \r\n", ""});
    EXPECT_EQ(pane_->ShownDrawing(), nullptr);
    EXPECT_EQ(pane_->Message().toStdString(),
              "This script cannot be previewed: line 2, column 10 (byte 24): Line expects a "
              "point x,y or an empty entry, found \"x,y\"");
}

TEST_F(PreviewPaneStandaloneTest, AMessageOrNothingReplacesTheDrawing) {
    Show(StepOutcome{"Circle 1,1 D 2\r\n", ""});
    ASSERT_NE(pane_->ShownDrawing(), nullptr);
    EXPECT_EQ(pane_->ExtentText().toStdString(), "2.000 \u00d7 2.000");
    Show(StepOutcome{"", "You Must Enter Radius"});
    EXPECT_EQ(pane_->ShownDrawing(), nullptr);
    EXPECT_TRUE(pane_->Picture().isNull());
    EXPECT_EQ(pane_->ExtentText().toStdString(), "");
    EXPECT_EQ(pane_->Message().toStdString(), "You Must Enter Radius");
    // A tab that draws nothing leaves the pane empty.
    Show(std::nullopt);
    EXPECT_EQ(pane_->Message().toStdString(), "");
    EXPECT_EQ(pane_->ShownDrawing(), nullptr);
    // A tab without its table names the missing file instead of the check's message.
    tab_->Disable("Tap Data File NOT Found");
    Show(StepOutcome{"", "You Must Select Tap Size"});
    EXPECT_EQ(pane_->Message(), QStringLiteral("Tap Data File NOT Found"));
}

TEST_F(PreviewPaneStandaloneTest, BurstsOfChangesAreDrawnOnceAfterThePause) {
    Show(StepOutcome{"Circle 1,1 D 2\r\n", ""});
    const int askedBefore = tab_->asked;
    const int shownBefore = pane_->UpdatesShown();
    tab_->outcome = StepOutcome{"Circle 1,1 D 4\r\n", ""};
    for (int i = 0; i < 10; ++i) pane_->ScheduleUpdate();
    EXPECT_TRUE(pane_->Busy());
    ASSERT_TRUE(Settle());
    EXPECT_EQ(tab_->asked, askedBefore + 1);
    EXPECT_EQ(pane_->UpdatesShown(), shownBefore + 1);
    EXPECT_EQ(pane_->ShownDrawing()->circles.at(0).radius, 2);
}

TEST_F(PreviewPaneStandaloneTest, AResizePaintsTheDrawingAgainAtTheNewSize) {
    Show(StepOutcome{"Line 0,0 10,10 \r\n", ""});
    EXPECT_EQ(pane_->Picture().size(), QSize(300, 200));
    pane_->resize(250, 180);
    QElapsedTimer clock;
    clock.start();
    while (pane_->Picture().size() != QSize(250, 180) && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(pane_->Picture().size(), QSize(250, 180));
}

TEST_F(PreviewPaneStandaloneTest, AMinimisedWindowAsksTheTabNothingUntilRestored) {
    Show(StepOutcome{"Circle 1,1 D 2\r\n", ""});
    window_.showMinimized();
    ASSERT_TRUE(Settle());
    const int asked = tab_->asked;
    tab_->outcome = StepOutcome{"Circle 1,1 D 6\r\n", ""};
    pane_->UpdateNow();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(tab_->asked, asked);
    window_.showNormal();
    ASSERT_TRUE(Settle());
    ASSERT_NE(pane_->ShownDrawing(), nullptr);
    EXPECT_EQ(pane_->ShownDrawing()->circles.at(0).radius, 3);
}

TEST_F(PreviewPaneStandaloneTest, ComingBackAsksAgainOnlyWhenTheInsertionInfoChanged) {
    Show(StepOutcome{"Circle 1,1 D 2\r\n", ""});
    const int asked = tab_->asked;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window_, &activate);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(tab_->asked, asked);
    // An OK elsewhere read a new insertion point.
    app_.State().info.BasePoint = {5.0f, 5.0f};
    QCoreApplication::sendEvent(&window_, &activate);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(tab_->asked, asked + 1);
}

}  // namespace
}  // namespace bw
