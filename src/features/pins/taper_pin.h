// Taper pins: a pin of 1/4 inch per foot taper lying in the drawing, both ends crowned, the
// centre of its large end at the insertion point.
#pragma once

#include <optional>
#include <string>
#include <string_view>
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
inline const TableMessages kTaperPinLengthMessages{"Taper Pin Length File NOT Found",
                                                   "Data File Is Corrupt"};

struct TaperPinSize {
    std::string name;  // all 12 characters, padding included, as the list shows it
    float diameter = 0.0f;
    // Record numbers held as singles, as the size arrays hold them.
    float firstRecord = 0.0f;
    float lastRecord = 0.0f;
};

struct TaperPinLength {
    std::string label;  // all 6 characters
    float length = 0.0f;
};

using TaperPinSizes = std::vector<TaperPinSize>;
using TaperPinSizesLoad = TableLoad<TaperPinSizes>;
using TaperPinLengthRecords = std::vector<TaperPinLength>;
using TaperPinLengthRecordsLoad = TableLoad<TaperPinLengthRecords>;

// Every whole record of 000 (a shorter tail is ignored), up to the first whose diameter is
// not a usable size.
TaperPinSizesLoad ParseTaperPinSizes(std::string_view bytes);
TaperPinSizesLoad LoadTaperPinSizes(const std::string& programFolder);
// "17 taper pin sizes"
std::string TaperPinSizeCounts(const TaperPinSizes& sizes);

// Every whole record of 003, up to the first whose length is not a usable size. The tab
// reads only a size's own records (LoadTaperPinLengths); `check` reads them all.
TaperPinLengthRecordsLoad ParseTaperPinLengthRecords(std::string_view bytes);
// "209 length records"
std::string TaperPinLengthCounts(const TaperPinLengthRecords& records);

enum class TaperLengthsStatus {
    Loaded,
    NotFound,  // 003 is missing: the length list keeps what it had and OK is disabled
    // the size's record range does not lie inside 003 (no length is listed), or one of its
    // lengths is not a usable size (the lengths before it are listed)
    Refused
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

// What `check` says of 003: its records, and whether every size of 000 finds its lengths
// there, so a range that a pick would refuse shows before anyone picks it.
TableReport CheckTaperPinLengthFile(const std::string& programFolder);

struct TaperPinInput {
    std::optional<float> diameter;  // unset: no size selected
    std::optional<float> length;    // unset: no length selected
    Placement placement{};
};

// The small-end diameter: the taper is 0.02083 per unit of length, exactly that constant.
float TaperPinSmallEnd(float diameter, float length);

std::optional<std::string> CheckTaperPin(const TaperPinInput& input);
std::string TaperPinScript(const TaperPinInput& input, const DrawContext& context);

}  // namespace bw
