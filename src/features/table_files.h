// Every table file beside the program, in the order start-up loads them. Start-up and
// `brasswick-script check` both follow this list, so a new table is one new row.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tables/table_load.h"

namespace bw {

struct TableFile {
    std::string name;  // "Tap.dat"
    TableMessages messages;
    // False for 003: the taper pin tab reads it only when a size is picked.
    bool loadedAtStartUp = true;
    // Loads the file from the folder and tells what it holds.
    std::function<TableReport(const std::string& folder)> report;
};

// ejector.dat, Corepin.dat, Cbore.dat, Tap.dat, Corenum.dat, Thread.dat, Slot.dat, Keyway.dat,
// 000, 003, 001, 002, Drill.dat, Csink.dat. Start-up reads the About text between Thread.dat
// and Slot.dat.
const std::vector<TableFile>& TableFiles();

// What `check` prints of a folder: one line per file, and whether every file loaded cleanly.
struct TableCheck {
    std::string lines;
    bool clean = true;
};
TableCheck CheckTableFiles(const std::string& folder);

}  // namespace bw
