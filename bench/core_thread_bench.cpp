// The longest thread a 16-bit turn count allows, generated and written the way the Threads
// tab's OK writes it, against writing the same number of bytes in one buffered write.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "exchange/files.h"
#include "features/holes/thread.h"

namespace {

// 1-8 UNC over 4095.875 inches: 8 × 4095.875 = 32767 turns exactly.
bw::ThreadInput LongestThread() {
    bw::ThreadInput input;
    input.size = bw::ThreadSize{1.0f, 8};
    input.length = 4095.875f;
    return input;
}

std::string ScriptPath() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "bwbench.XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return folder + "/Brasswick.scr";
}

void BM_LongestThreadGeneratedAndWritten(benchmark::State& state) {
    const bw::ThreadInput input = LongestThread();
    if (bw::CheckThread(input) || bw::ThreadTurns(input) != bw::kMaxThreadTurns) {
        state.SkipWithError("the input is not the longest thread");
        return;
    }
    const bw::DrawContext context;
    const std::string path = ScriptPath();
    size_t bytes = 0;
    int progressCalls = 0;
    for (auto _ : state) {
        const std::string script =
            bw::ThreadScript(input, context, [&progressCalls](int) { ++progressCalls; });
        bytes = script.size();
        if (bw::WriteFileAtomically(path, script)) state.SkipWithError("write failed");
    }
    benchmark::DoNotOptimize(progressCalls);
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["turns"] = bw::kMaxThreadTurns;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_LongestThreadGeneratedAndWritten)->Unit(benchmark::kMillisecond);

void BM_SameBytesInOneBufferedWrite(benchmark::State& state) {
    const size_t bytes = bw::ThreadScript(LongestThread(), bw::DrawContext{}).size();
    const std::string buffer(bytes, 'x');
    const std::string path = ScriptPath();
    for (auto _ : state) {
        if (bw::WriteFileAtomically(path, buffer)) state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_SameBytesInOneBufferedWrite)->Unit(benchmark::kMillisecond);

}  // namespace
