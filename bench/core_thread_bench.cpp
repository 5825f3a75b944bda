// The longest thread a 16-bit turn count allows, generated and written the way the Threads
// tab's OK writes it, against writing the same number of bytes in one buffered write.
//
// Both sides go through the same atomic write, flush to disk included: the script is only
// handed to the CAD side once it is on the disk, and the flush costs the same for any 5.7 MB,
// so the honest yardstick is one buffered write of those bytes with that same flush.
#include <benchmark/benchmark.h>

#include <chrono>

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

// Generation alone, without the disk: the part of the thread's time the code controls.
void BM_LongestThreadGenerated(benchmark::State& state) {
    const bw::ThreadInput input = LongestThread();
    const bw::DrawContext context;
    for (auto _ : state) {
        std::string script = bw::ThreadScript(input, context, [](int) {});
        benchmark::DoNotOptimize(script.data());
    }
}
BENCHMARK(BM_LongestThreadGenerated)->Unit(benchmark::kMillisecond);

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

// The two side by side in one run, alternating, so that both see the same disk and the same
// load; the counter "ratio" is the generated-and-written time over the plain write's time.
void BM_LongestThreadRatio(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const bw::ThreadInput input = LongestThread();
    const bw::DrawContext context;
    const std::string path = ScriptPath();
    const std::string buffer(bw::ThreadScript(input, context).size(), 'x');
    double generated = 0.0;
    double plain = 0.0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const std::string script = bw::ThreadScript(input, context, [](int) {});
        if (bw::WriteFileAtomically(path, script)) state.SkipWithError("write failed");
        const auto t1 = Clock::now();
        if (bw::WriteFileAtomically(path, buffer)) state.SkipWithError("write failed");
        const auto t2 = Clock::now();
        generated += std::chrono::duration<double, std::milli>(t1 - t0).count();
        plain += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["thread_ms"] = generated / n;
    state.counters["plain_write_ms"] = plain / n;
    state.counters["ratio"] = plain > 0.0 ? generated / plain : 0.0;
}
BENCHMARK(BM_LongestThreadRatio)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
