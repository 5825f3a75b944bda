// Taper pins: a pin of 1/4 inch per foot taper lying in the drawing, both ends crowned, the
// centre of its large end at the insertion point.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

// 000: 20-byte records of a 12-character size name, the large-end diameter (single) and the
// first and last record numbers (16-bit) of the size's lengths in 003.
inline constexpr const char* kTaperPinSizeFile = "000";
// 003: 10-byte records of a 6-character length label and the length (single), numbered
// from 1.
inline constexpr const char* kTaperPinLengthFile = "003";
inline constexpr size_t kTaperPinSizeRecord = 20;
inline constexpr size_t kTaperPinLengthRecord = 10;

inline const TableMessages kTaperPinSizeMessages{"Taper Pin Diameter File NOT Found",
                                                 "Data File Is Corrupt"};
inline constexpr const char* kTaperPinLengthNotFound = "Taper Pin Length File NOT Found";

struct TaperPinSize {
    std::string name;  // all 12 characters, padding included, as the list shows it
    float diameter = 0.0f;
    // Record numbers held as singles, as the size arrays hold them.
    float firstRecord = 0.0f;
    float lastRecord = 0.0f;
};

struct TaperPinSizesLoad {
    std::vector<TaperPinSize> sizes;
    TableDiagnostic diagnostic;
};

// Every whole record of 000 (a shorter tail is ignored).
TaperPinSizesLoad LoadTaperPinSizes(const std::string& programFolder);

struct TaperPinLength {
    std::string label;  // all 6 characters
    float length = 0.0f;
};

enum class TaperLengthsStatus {
    Loaded,
    NotFound,  // 003 is missing: the length list keeps what it had and OK is disabled
    Refused    // the size's record range does not lie inside 003: the length list is emptied
};

struct TaperPinLengthsLoad {
    TaperLengthsStatus status = TaperLengthsStatus::Loaded;
    std::vector<TaperPinLength> lengths;
    std::string message;  // the message to show, empty when Loaded
};

// The message for a size whose record range S..E is not 1 <= S <= E <= `recordCount`, or
// nothing when the range is sound.
std::optional<std::string> TaperPinRangeProblem(const TaperPinSize& size, size_t recordCount);

// The lengths of one size: records S to E of 003, both included. Nothing outside 003 is
// ever read.
TaperPinLengthsLoad LoadTaperPinLengths(const std::string& programFolder, const TaperPinSize& size);

// The number of whole records in 003, or nothing when it is missing or cannot be read.
std::optional<size_t> TaperPinLengthRecordCount(const std::string& programFolder);

struct TaperPinInput {
    std::optional<float> diameter;  // unset: no size selected
    std::optional<float> length;    // unset: no length selected
    int direction = 0;
    bool hidden = false;
};

// The small-end diameter: the taper is 0.02083 per unit of length, exactly that constant.
float TaperPinSmallEnd(float diameter, float length);

std::optional<std::string> CheckTaperPin(const TaperPinInput& input);
std::string TaperPinScript(const TaperPinInput& input, const DrawContext& context);

}  // namespace bw
