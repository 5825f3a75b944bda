// Threads: the thread-size table, the checks of the OK and the script of a detailed V-thread
// in side view, written turn by turn.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

// Thread.dat: the thread sizes (List8) and the lengths (List9), each list parallel to its
// arrays. Threads per unit are whole 16-bit counts.
struct ThreadTable {
    std::vector<std::string> sizeLabels;
    std::vector<float> diameter;
    std::vector<int> threadsPerUnit;
    std::vector<std::string> depthLabels;
    std::vector<float> depth;
};

using ThreadTableLoad = TableLoad<ThreadTable>;

inline const TableMessages kThreadMessages{"Thread Data File NOT Found",
                                           "Thread Data File Is Corrupt"};

ThreadTableLoad ParseThreadTable(std::string_view bytes);
ThreadTableLoad LoadThreadTable(const std::string& programFolder);
// "38 thread sizes, 10 depths"
std::string ThreadTableCounts(const ThreadTable& table);

struct ThreadSize {
    float diameter = 0.0f;
    int threadsPerUnit = 0;
};

struct ThreadInput {
    std::optional<ThreadSize> size;  // the selected row of List8
    std::optional<float> length;     // the selected row of List9
    bool leftHand = false;
    Placement placement{};
};

inline constexpr const char* kSelectThreadSizeMessage = "You Must Select Thread Size";
inline constexpr const char* kSelectThreadDepthMessage = "You Must Select Depth";
inline constexpr const char* kThreadDiameterMessage = "Thread Diameter Must Be Greater Than Zero";
inline constexpr const char* kThreadsPerUnitMessage = "Threads Per Unit Must Be Greater Than Zero";
inline constexpr const char* kThreadDepthMessage = "Depth Must Be Greater Than Zero";
inline constexpr const char* kThreadTooShortMessage = "Depth Is Shorter Than One Thread";
inline constexpr const char* kThreadTooLongMessage = "Thread Has More Than 32767 Turns";

// The most turns one thread may have: the turn count is a 16-bit integer.
inline constexpr int kMaxThreadTurns = 32767;

std::optional<std::string> CheckThread(const ThreadInput& input);

// The number of whole turns drawn: threads per unit times the length, rounded to single,
// then truncated. Meaningful once CheckThread has passed.
int ThreadTurns(const ThreadInput& input);

// Called after each turn with the number of turns written so far.
using ThreadProgress = std::function<void(int turnsWritten)>;

// 4 lines per turn, plus the layer line before and the closing line and the layer line
// after them: 4n + 3 lines.
std::string ThreadScript(const ThreadInput& input, const DrawContext& context,
                         const ThreadProgress& progress = {});

}  // namespace bw
