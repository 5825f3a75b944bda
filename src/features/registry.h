// The feature registry: one row per page of the window, in the order of its tabs. A feature
// row names its command-line feature, its page caption, the table files it loads and its
// parameters, each declared once. The page table, brasswick-script's parsing and usage,
// `check`, start-up's table order and the tests' feature lists all read these rows, so a new
// feature is its own files plus one row.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "features/feature_step.h"
#include "tables/table_load.h"

namespace bw {

struct TableFile {
    std::string name;  // "Tap.dat"
    TableMessages messages;
    // False for 003: the taper pin tab reads it only when a size is picked.
    bool loadedAtStartUp = true;
    // Loads the file from the folder and tells what it holds; empty for the About text,
    // which `check` does not read.
    std::function<TableReport(const std::string& folder)> report;
};

// A command line's NAME=VALUE pairs.
using Values = std::map<std::string, std::string>;

// A value that is not well-formed: a usage error (exit 2).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The placement a command line gives; with no "hidden" the tab's start-up state stays.
struct GivenPlacement {
    View view = View::Side;
    Direction direction = Direction::Right;
    std::optional<bool> hidden;

    Placement Over(const Placement& startUp) const {
        return {view, direction, hidden.value_or(startUp.hidden)};
    }
};

struct FeatureRow {
    std::string command;            // "ejector"; empty for the About and Settings pages
    std::string caption;            // "Ejector Pin Holes"
    std::vector<TableFile> tables;  // in the order its loader reads them
    // Where the row's tables come in the start-up order, which is not quite the page order,
    // and where the feature stands in the command line's usage (-1: it has none there).
    int loadRank = 0;
    int listRank = -1;
    std::vector<std::string> names;  // the feature's own NAME=VALUE names
    std::string usage;               // "pin=Dp depth=L"
    // The inputs at their start-up state, the values and the placement read into them, then
    // the check and the script. Throws UsageError for a value that is not well-formed.
    std::function<StepOutcome(const Values&, const GivenPlacement&, const DrawContext&)> run;
};

// The fifteen pages in the order of SSTab1.
const std::vector<FeatureRow>& Registry();
// The row of a command-line feature, or nullptr.
const FeatureRow* FindFeature(const std::string& command);
// The command-line features in the order the usage lists them.
const std::vector<const FeatureRow*>& CommandLineFeatures();

// Every table file in start-up order: ejector.dat, Corepin.dat, Cbore.dat, Tap.dat,
// Corenum.dat, Thread.dat, Slot.dat, Keyway.dat, 000, 003, 001, 002, Drill.dat, Csink.dat.
const std::vector<TableFile>& TableFiles();

// The files start-up loads, in order, with the About text between Thread.dat and Slot.dat.
const std::vector<std::string>& StartUpTableOrder();

// What `check` prints of a folder: one line per file, and whether every file loaded cleanly.
struct TableCheck {
    std::string lines;
    bool clean = true;
};
TableCheck CheckTableFiles(const std::string& folder);

// Value readers for the parameters.

// A value given for a table field, converted exactly as the table loader converts it.
float TableSingle(const Values& values, const std::string& name);
std::optional<float> OptionalTableSingle(const Values& values, const std::string& name);
// A character a decimal box takes: a digit, ".", or the "/" and blank of an inch fraction.
bool IsBoxCharacter(char ch);
// A box text as typed: only what the box accepts; `fallback` when absent.
std::string BoxText(const Values& values, const std::string& name, const std::string& fallback);
// 0 or 1.
bool Flag(const Values& values, const std::string& name, bool fallback);
// One of the given words.
std::string Choice(const Values& values, const std::string& name,
                   const std::vector<std::string>& allowed, const std::string& fallback);
// A number that does not parse is a usage error naming it.
float Number(const std::string& name, const std::string& text);

}  // namespace bw
