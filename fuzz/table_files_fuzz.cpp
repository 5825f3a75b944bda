// Any bytes as every table file at once, parsed by every table loader and described as
// `brasswick-script check` describes it: each must load, or report the file as corrupt, and
// never crash, hang or read outside what it was given. The loaders parse bytes, so nothing
// is written to disk and nothing is left behind.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/slot.h"

namespace {

template <typename Table>
void Describe(const bw::TableLoad<Table>& load, std::string (*counts)(const Table&),
              const bw::TableMessages& messages) {
    const bw::TableReport report = bw::ReportOf(load, counts);
    if (bw::CheckLine("file", messages, report).empty()) __builtin_trap();
    if (load.diagnostic.status == bw::TableStatus::NotFound) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bw;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Describe(ParseEjectorTable(bytes), EjectorTableCounts, kEjectorTableMessages);
    Describe(ParseCorePinTable(bytes), CorePinTableCounts, kCorePinTableMessages);
    Describe(ParseCboreTable(bytes), CboreTableCounts, kCboreMessages);
    Describe(ParseTapTable(bytes), TapTableCounts, kTapMessages);
    Describe(ParseCoreNumberTable(bytes), CoreNumberTableCounts, kCoreNumberTableMessages);
    Describe(ParseThreadTable(bytes), ThreadTableCounts, kThreadMessages);
    Describe(ParseSlotTable(bytes), SlotTableCounts, kSlotMessages);
    Describe(ParseKeywayTable(bytes), KeywayTableCounts, kKeywayMessages);
    const TaperPinSizesLoad sizes = ParseTaperPinSizes(bytes);
    Describe(sizes, TaperPinSizeCounts, kTaperPinSizeMessages);
    const TaperPinLengthRecordsLoad lengths = ParseTaperPinLengthRecords(bytes);
    Describe(lengths, TaperPinLengthCounts, kTaperPinLengthMessages);
    for (const TaperPinSize& s : sizes.table) TaperPinRangeProblem(s, lengths.table.size());
    Describe(ParsePlainCenterDrills(bytes), PlainCenterDrillCounts, kPlainCenterDrillMessages);
    Describe(ParseBellCenterDrills(bytes), BellCenterDrillCounts, kBellCenterDrillMessages);
    Describe(ParseDrillTable(bytes), DrillTableCounts, kDrillMessages);
    Describe(ParseCsinkTable(bytes), CsinkTableCounts, kCsinkMessages);
    return 0;
}
