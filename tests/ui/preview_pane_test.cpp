// Built alone on a fake host, without the window: a feature tab, whose OK, keyboard and
// direction reach the host alone; the preview pane, with stand-in tabs whose scripts the test
// chooses; and how it paints a drawing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "features/pins/ejector_tab.h"
#include "preview/script_interpreter.h"
#include "ui/feature_tab.h"
#include "ui/host.h"
#include "ui/preview_pane.h"

namespace bw::test {
namespace {

// A host made of a few fields, so a tab or the pane can be built and driven alone: it reads
// the shipped tables, records the messages and the scripts an OK writes, and keeps the
// direction an OK leaves; the insertion info is whatever the test sets.
class FakeHost : public Host {
  public:
    std::string ProgramFolder() const override { return BW_DATA_DIR; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    DrawContext CurrentDrawContext() const override { return context; }
    bool RunFeatureOk(InfoTiming, const FeatureStep& step) override {
        const StepOutcome outcome = step(context);
        if (outcome.Failed()) {
            ShowMessage(outcome.message);
            return false;
        }
        scripts.push_back(outcome.script);
        return true;
    }
    int DirectionAngle() const override { return direction; }
    void SetDirectionAngle(int degrees) override { direction = degrees; }
    void BringToFront(QWidget*) override {}

    DrawContext context;
    std::vector<std::string> messages, scripts;
    int direction = 0;
};

TEST(TabAlone, EnterOnAListOrAnOptionPressesTheEjectorTabsOkOnTheHost) {
    FakeHost host;
    host.context.BasePoint = {2, 3};
    EjectorTab tab(host);
    tab.LoadTables();
    EXPECT_EQ(host.messages, std::vector<std::string>{});
    auto* list1 = tab.findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_GT(list1->count(), 0);
    tab.show();
    list1->setFocus();
    QTest::keyClick(list1, Qt::Key_Return);  // nothing picked yet: the check's message
    EXPECT_EQ(host.messages, std::vector<std::string>{"You Must Select Pin Size"});
    list1->setCurrentRow(0);
    tab.findChild<QListWidget*>(QStringLiteral("List2"))->setCurrentRow(0);
    tab.findChild<QRadioButton*>(QStringLiteral("Option05"))->setChecked(true);
    auto* option01 = tab.findChild<QRadioButton*>(QStringLiteral("Option01"));
    option01->setFocus();
    QTest::keyClick(option01, Qt::Key_Enter);
    ASSERT_EQ(host.scripts.size(), 1u);
    // The 1/16 pin's bore, .0625 + .015 wide, from the host's point (2,3) down to depth 1/4.
    EXPECT_EQ(host.scripts[0].substr(0, 44), "Layer set 0 \r\nLine 1.96125,3 1.96125,3.25 \r\n");
    EXPECT_EQ(host.direction, 90);
}

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

class PreviewPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_.context.CurrentLayer = "L1";
        pane_->setGeometry(0, 0, 300, 200);
        window_.show();
    }
    // The preview never shows a message box nor runs an OK.
    void TearDown() override {
        EXPECT_EQ(host_.messages, std::vector<std::string>{});
        EXPECT_EQ(host_.scripts, std::vector<std::string>{});
    }
    // Lets the pane's pause run out and its worker finish, or `done` come true; false after
    // five seconds.
    bool Settle(std::function<bool()> done = {}) {
        QElapsedTimer clock;
        clock.start();
        while ((done ? !done() : pane_->Busy()) && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return clock.elapsed() < 5000;
    }
    // Shows `tab_` drawing `script`, or failing with `message`.
    void Show(const std::string& script, const std::string& message = "") {
        tab_->outcome = StepOutcome{script, message};
        pane_->SetTab(tab_);
        ASSERT_TRUE(Settle());
    }
    double Radius() { return pane_->ShownDrawing()->circles.at(0).radius; }
    std::string Message() { return pane_->Message().toStdString(); }

    FakeHost host_;
    QWidget window_;
    StandInTab* tab_ = new StandInTab(host_, &window_);
    PreviewPane* pane_ = new PreviewPane(host_, &window_);
};

TEST_F(PreviewPaneTest, FollowsTheCurrentTabAndItsChangesOnTheHostsLayer) {
    auto* tabs = new QTabWidget(&window_);
    tabs->addTab(new StandInTab(host_), "Draws nothing");
    tabs->addTab(tab_, "Other");
    tab_->outcome = StepOutcome{"", "You Must Select Thread Size"};
    pane_->Attach(tabs);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Message(), "");
    EXPECT_EQ(pane_->ShownDrawing(), nullptr);
    EXPECT_EQ(pane_->ShownText(), "Nothing to draw on this page");
    tabs->setCurrentIndex(1);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Message(), "You Must Select Thread Size");
    EXPECT_TRUE(pane_->Picture().isNull());
    tab_->outcome = StepOutcome{"Circle 1,1 D .0775\r\n", ""};
    emit tab_->InputsChanged();
    ASSERT_TRUE(Settle());
    const preview::Drawing* d = pane_->ShownDrawing();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->LayerName(d->circles.at(0).layer), "L1") << "drawn from the current layer";
    EXPECT_EQ(pane_->ExtentText().toStdString(), "0.0775 \u00d7 0.0775");
    // A script the reader cannot read, or a tab without its table, says why instead.
    Show("Line 0,0 1,1 \r\nLine 2,2 x,y \r\n");
    EXPECT_EQ(pane_->ShownDrawing(), nullptr);
    EXPECT_EQ(Message(),
              "This script cannot be previewed: line 2, column 10 (byte 24): Line expects a "
              "point x,y or an empty entry, found \"x,y\"");
    tab_->Disable("Tap Data File NOT Found");
    Show("", "You Must Select Tap Size");
    EXPECT_EQ(Message(), "Tap Data File NOT Found");
}

TEST_F(PreviewPaneTest, ABurstIsDrawnOnceAResizePaintsAgainAndAwayItAsksNothing) {
    Show("Circle 1,1 D 2\r\n");
    // The picture takes the width; below it a strip of a text line holds the size label.
    EXPECT_EQ(pane_->Picture().width(), 300);
    EXPECT_GE(200 - pane_->Picture().height(), pane_->fontMetrics().height());
    int asked = tab_->asked;
    const int shown = pane_->UpdatesShown();
    tab_->outcome = StepOutcome{"Circle 1,1 D 4\r\n", ""};
    for (int i = 0; i < 10; ++i) pane_->ScheduleUpdate();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(tab_->asked, asked + 1);
    EXPECT_EQ(pane_->UpdatesShown(), shown + 1);
    EXPECT_EQ(Radius(), 2);
    pane_->resize(250, 180);
    const int strip = 200 - pane_->Picture().height();
    EXPECT_TRUE(Settle([&] { return pane_->Picture().size() == QSize(250, 180 - strip); }));
    // Minimised it asks nothing; back, it asks again, and on activation only when the
    // insertion info changed.
    window_.showMinimized();
    ASSERT_TRUE(Settle());
    asked = tab_->asked;
    tab_->outcome = StepOutcome{"Circle 1,1 D 6\r\n", ""};
    pane_->UpdateNow();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(tab_->asked, asked);
    window_.showNormal();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Radius(), 3);
    QEvent activate(QEvent::WindowActivate);
    for (int changed : {0, 1}) {
        host_.context.BasePoint.X += changed;  // an OK elsewhere read a new insertion point
        QCoreApplication::sendEvent(&window_, &activate);
        ASSERT_TRUE(Settle());
        EXPECT_EQ(tab_->asked, asked + 1 + changed);
    }
}

// Dashed (blue) exactly where a DXF gives the HIDDEN linetype: not when the hidden layer is
// the current one, whatever its case; the size in four decimals with the single's noise
// rounded away; a core note drawn as its block, a circle of its extent.
TEST_F(PreviewPaneTest, DashedAsTheDxfSizeWithoutNoiseNoteAsItsBlock) {
    // clang-format off
    const struct { const char *current, *hidden, *script, *extent; bool dashed; } rows[] = {
        {"0", "0", "Layer set 0 \r\nLine .3,0 1300.3,0 \r\n", "1300.0000 \u00d7 0.0000", false},
        {"0", "hid", "Layer set HID \r\nLine 0,0 1.875,0 \r\n", "1.8750 \u00d7 0.0000", true},
        {"Hid", "HID", "Layer set HID \r\nLine 0,0 1,0 \r\n", "1.0000 \u00d7 0.0000", false},
        {"0", "HID", "insert Dmehnote 1,1 .5 .5 0 12\r\n", "0.2500 \u00d7 0.2500", false}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        host_.context.CurrentLayer = row.current;
        host_.context.HiddenLayer = row.hidden;
        Show(row.script);
        EXPECT_EQ(pane_->ExtentText().toStdString(), row.extent);
        int blue = 0, black = 0;
        const QImage image = pane_->Picture();
        for (int i = 0; i < image.width() * image.height(); ++i) {
            const QRgb p = image.pixel(i % image.width(), i / image.width());
            blue += qBlue(p) > 120 && qRed(p) < 100;
            black += qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
        }
        // The insertion mark is red: black is a solid line or the note's circle.
        EXPECT_EQ(blue > 0, row.dashed);
        EXPECT_EQ(black > 0, !row.dashed);
    }
}

// The columns holding a dark (not red) pixel within a row of y: how many, the first, the last.
struct Columns {
    int count = 0, first = -1, last = -1;
};
Columns DarkColumns(const QImage& image, int y) {
    Columns c;
    for (int x = 0; x < image.width(); ++x) {
        bool dark = false;
        for (int dy = -1; dy <= 1; ++dy) {
            const QRgb pixel = image.pixel(x, y + dy);
            dark = dark || (qGray(pixel) < 200 && qRed(pixel) < 150);
        }
        if (!dark) continue;
        ++c.count;
        c.first = c.first < 0 ? x : c.first;
        c.last = x;
    }
    return c;
}

TEST(PreviewRender, HiddenLayerDashedOthersSolidEvenOfSubPixelStepsInsertionPointMarked) {
    // A solid line along y = 0 in 20000 steps of .005, far below a pixel each, painted as one
    // stroke, and a hidden one along y = 10, both 100 long, the insertion point at (50, 5)
    // between them: 100 units across 224 - 2 x 12 pixels puts the lines 20 pixels apart about
    // the middle row, from x = 12 to 212.
    std::string script = "Line 0,0";
    for (int i = 1; i <= 20000; ++i) script += " " + std::to_string(i * 0.005) + ",0";
    const auto r = preview::InterpretScript(
        script + " \r\nLayer set HID \r\nLine 0,10 100,10 \r\nLayer set 0 \r\n");
    ASSERT_TRUE(r.Clean());
    ASSERT_EQ(r.drawing.segments.size(), 20001u);
    for (const std::string hidden : {"HID", "OTHER"}) {
        const QImage image = RenderPreview(r.drawing, hidden, preview::Point{50, 5}, {224, 224});
        ASSERT_EQ(image.size(), QSize(224, 224));
        for (auto [y, dashed] : {std::pair{122, false}, {102, hidden == "HID"}}) {
            const Columns c = DarkColumns(image, y);
            EXPECT_NEAR(c.first, 12, 1) << y;
            EXPECT_NEAR(c.last, 212, 2) << y;
            EXPECT_EQ(c.count < (c.last - c.first) * 9 / 10, dashed) << hidden << " " << y;
            EXPECT_EQ(c.count == c.last - c.first + 1, !dashed) << hidden << " " << y;
        }
        // The red mark at the insertion point, the middle of the picture, and nowhere else.
        int red = 0, farthest = 0;
        for (int y = 0; y < 224; ++y) {
            for (int x = 0; x < 224; ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) < 150 || qGreen(p) > 100 || qBlue(p) > 100) continue;
                ++red;
                farthest = std::max({farthest, std::abs(x - 112), std::abs(y - 112)});
            }
        }
        EXPECT_GT(red, 12);
        EXPECT_LE(farthest, 10);
    }
}

}  // namespace
}  // namespace bw::test
