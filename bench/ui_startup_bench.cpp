// Start-up of the real window (every table loaded, settings and insertion info read, down
// to the minimised window) against a bare tab widget with fifteen empty tabs shown and
// minimised the same way. Prints the ratio of the two.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QTabWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/main_window.h"
#include "ui/toolkit.h"

namespace {

namespace fs = std::filesystem;

class SilentToolkit : public bw::Toolkit {
  public:
    void Message(QWidget*, const QString&, const QString&) override { ++messages; }
    QString ChooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    int messages = 0;
};

struct Workspace {
    fs::path root;
    Workspace() {
        root = fs::temp_directory_path() / ("bwbench." + std::to_string(::getpid()));
        fs::create_directories(root / "program");
        fs::create_directories(root / "cad/Brasswick");
        fs::create_directories(root / "drawings");
        for (const auto& e : fs::directory_iterator(BW_DATA_DIR)) {
            if (e.is_regular_file() && e.path().extension() != ".md") {
                fs::copy_file(e.path(), root / "program" / e.path().filename(),
                              fs::copy_options::overwrite_existing);
            }
        }
        std::ofstream(root / "program/DrawPath.txt", std::ios::binary)
            << "\"" << (root / "cad").string() << "/\"\r\n\"" << (root / "drawings").string()
            << "/\"\r\n0\r\n.015\r\n";
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    void WriteInfo() const {
        std::ofstream(root / "drawings/BW_Info.txt", std::ios::binary) << "A,1,1,1,1,[0]\r\n";
    }
};

Workspace* workspace = nullptr;

void BM_MainStartUp(benchmark::State& state) {
    SilentToolkit toolkit;
    for (auto _ : state) {
        state.PauseTiming();
        workspace->WriteInfo();
        state.ResumeTiming();
        bw::Main window(toolkit, (workspace->root / "program").string());
        if (!window.StartUp()) state.SkipWithError("start-up ended the program");
        QApplication::processEvents();
    }
    if (toolkit.messages != 0) state.SkipWithError("start-up showed a message");
}
BENCHMARK(BM_MainStartUp)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BareTabWidget(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        auto* tabs = new QTabWidget(&window);
        for (int i = 0; i < 15; ++i) tabs->addTab(new QWidget, QString::number(i));
        window.show();
        window.showMinimized();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareTabWidget)->Unit(benchmark::kMillisecond)->MinTime(2.0);

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    Workspace ws;
    workspace = &ws;
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double main = reporter.times["BM_MainStartUp"];
    const double bare = reporter.times["BM_BareTabWidget"];
    if (main > 0 && bare > 0) {
        std::printf("start-up of Main: %.2f ms, bare 15-tab widget: %.2f ms, ratio %.1f\n", main,
                    bare, main / bare);
    }
    benchmark::Shutdown();
    return 0;
}
