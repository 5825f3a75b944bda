#include "features/table_files.h"

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

namespace bw {

namespace {

// A file read whole at start-up by `load`, whose table `counts` describes.
template <typename Table>
TableFile Row(const std::string& name, const TableMessages& messages,
              TableLoad<Table> (*load)(const std::string&), std::string (*counts)(const Table&)) {
    return {name, messages, true,
            [load, counts](const std::string& folder) { return ReportOf(load(folder), counts); }};
}

}  // namespace

const std::vector<TableFile>& TableFiles() {
    static const std::vector<TableFile> files = {
        Row("ejector.dat", kEjectorTableMessages, LoadEjectorTable, EjectorTableCounts),
        Row("Corepin.dat", kCorePinTableMessages, LoadCorePinTable, CorePinTableCounts),
        Row("Cbore.dat", kCboreMessages, LoadCboreTable, CboreTableCounts),
        Row("Tap.dat", kTapMessages, LoadTapTable, TapTableCounts),
        Row("Corenum.dat", kCoreNumberTableMessages, LoadCoreNumberTable, CoreNumberTableCounts),
        Row("Thread.dat", kThreadMessages, LoadThreadTable, ThreadTableCounts),
        Row("Slot.dat", kSlotMessages, LoadSlotTable, SlotTableCounts),
        Row("Keyway.dat", kKeywayMessages, LoadKeywayTable, KeywayTableCounts),
        Row("000", kTaperPinSizeMessages, LoadTaperPinSizes, TaperPinSizeCounts),
        {"003", kTaperPinLengthMessages, false, CheckTaperPinLengthFile},
        Row("001", kPlainCenterDrillMessages, LoadPlainCenterDrills, PlainCenterDrillCounts),
        Row("002", kBellCenterDrillMessages, LoadBellCenterDrills, BellCenterDrillCounts),
        Row("Drill.dat", kDrillMessages, LoadDrillTable, DrillTableCounts),
        Row("Csink.dat", kCsinkMessages, LoadCsinkTable, CsinkTableCounts),
    };
    return files;
}

TableCheck CheckTableFiles(const std::string& folder) {
    TableCheck check;
    for (const TableFile& file : TableFiles()) {
        const TableReport report = file.report(folder);
        check.clean = check.clean && report.Clean();
        check.lines += CheckLine(file.name, file.messages, report) + "\n";
    }
    return check;
}

}  // namespace bw
