// The preview of the longest thread a 16-bit turn count allows (32767 turns, 4n + 3 script
// lines): reading the script, painting it, and a whole pane update as the window sees it,
// with the longest time the window's event loop was kept from running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <functional>

#include "app/app_context.h"
#include "features/holes/thread.h"
#include "preview/script_interpreter.h"
#include "ui/feature_tab.h"
#include "ui/preview_pane.h"
#include "ui/toolkit.h"

namespace {

// 80 threads per unit over 409.59 units: 32767 turns.
bw::ThreadInput LongestThread() {
    return bw::ThreadInput{
        bw::ThreadSize{.25f, 80}, 409.59f, false, {bw::View::Side, bw::Direction::Right, true}};
}

class QuietToolkit : public bw::Toolkit {
  public:
    void Message(QWidget*, const QString&, const QString&) override {}
    QString ChooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
};

// A tab whose inputs stand at the longest thread; the pane runs its step on the worker.
class LongestThreadTab : public bw::FeatureTab {
  public:
    using FeatureTab::FeatureTab;
    std::optional<bw::FeatureStep> Step() const override {
        return bw::BindStep(LongestThread(), bw::CheckThread,
                            [](const bw::ThreadInput& input, const bw::DrawContext& context) {
                                return bw::ThreadScript(input, context);
                            });
    }
};

void BM_PreviewReadLongestThread(benchmark::State& state) {
    const std::string script = bw::ThreadScript(LongestThread(), bw::DrawContext{});
    for (auto _ : state) {
        auto result = bw::preview::InterpretScript(script, "0");
        if (!result.Clean()) state.SkipWithError("the script could not be read");
        benchmark::DoNotOptimize(result.drawing.segments.data());
    }
    state.counters["segments"] =
        static_cast<double>(bw::preview::InterpretScript(script, "0").drawing.segments.size());
}
BENCHMARK(BM_PreviewReadLongestThread)->Unit(benchmark::kMillisecond);

void BM_PreviewPaintLongestThread(benchmark::State& state) {
    const auto drawing =
        bw::preview::InterpretScript(bw::ThreadScript(LongestThread(), bw::DrawContext{}), "0")
            .drawing;
    for (auto _ : state) {
        QImage image = bw::RenderPreview(drawing, "0", bw::preview::Point{1, 1}, QSize(480, 480));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PreviewPaintLongestThread)->Unit(benchmark::kMillisecond);

// From the pane asking the tab to the drawing on display. `window_busy_ms` is the time the
// window's own thread spent (the tab reading its inputs, then taking the result);
// `longest_stall_ms` is the longest single stretch in which its event loop could not run.
template <typename Tab>
void BM_PreviewPaneUpdateLongestThread(benchmark::State& state) {
    QuietToolkit toolkit;
    bw::AppContext app(toolkit, ".");
    QWidget window;
    auto* tab = new Tab(app, &window);
    auto* pane = new bw::PreviewPane(app, &window);
    pane->resize(480, 480);
    pane->SetTab(tab);
    double busy = 0, stall = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        pane->UpdateNow();
        double gui = clock.nsecsElapsed() / 1e6;
        double longest = gui;
        while (pane->Busy()) {
            QElapsedTimer pass;
            pass.start();
            QApplication::processEvents();
            const double ms = pass.nsecsElapsed() / 1e6;
            gui += ms;
            longest = std::max(longest, ms);
            QThread::usleep(200);
        }
        busy = std::max(busy, gui);
        stall = std::max(stall, longest);
    }
    if (!pane->ShownDrawing()) state.SkipWithError("nothing was shown");
    state.counters["window_busy_ms"] = busy;
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK_TEMPLATE(BM_PreviewPaneUpdateLongestThread, LongestThreadTab)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
