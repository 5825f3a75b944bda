// brasswick-script: every feature's script from the command line, and a check of the table
// files. Each feature group registers its features and table checks here.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "features/feature.h"
#include "features/feature_step.h"

namespace bw::cli {

// A malformed command line: exit 2 with a usage message.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The names every feature accepts.
struct Common {
    DrawContext context;
    std::optional<bool> hidden;  // unset: the tab's start-up state
    View view = View::Side;
    int direction = 0;
};

using Values = std::map<std::string, std::string>;

struct Result {
    int exitCode = 0;
    std::string out;  // the script bytes
    std::string err;  // a check's message or the usage text, one line
};

struct Feature {
    std::string name;
    std::vector<std::string> names;  // the feature's own NAME=VALUE names
    std::string usage;               // "pin=Dp depth=L"
    std::function<Result(const Common&, const Values&)> run;
};

// One table file for `check`: `order` is its place in the start-up sequence.
struct TableCheck {
    int order = 0;
    std::string file;
    // Loads the file from the folder; returns whether it loaded cleanly and the line to print.
    std::function<std::pair<bool, std::string>(const std::string& folder)> run;
};

// Start-up order of the table files, for TableCheck::order.
enum TableOrder {
    kOrderEjector = 10,
    kOrderCorepin = 20,
    kOrderCbore = 30,
    kOrderTap = 40,
    kOrderCorenum = 50,
    kOrderThread = 60,
    kOrderSlot = 70,
    kOrderKeyway = 80,
    kOrder000 = 90,
    kOrder003 = 95,
    kOrder001 = 100,
    kOrder002 = 110,
    kOrderDrill = 120,
    kOrderCsink = 130
};

// Registered by the feature groups.
std::vector<Feature> PinFeatures();
std::vector<TableCheck> PinTableChecks();
std::vector<Feature> HoleFeatures();
std::vector<TableCheck> HoleTableChecks();
std::vector<Feature> ProfileFeatures();
std::vector<TableCheck> ProfileTableChecks();

// Runs the tool. `args` excludes the program name; `programFolder` is where `check` looks
// without a folder and where features that read table files at OK find them.
Result Run(const std::vector<std::string>& args, const std::string& programFolder);

// Helpers for the feature groups.

// The script, or the check's message with exit 1.
Result ScriptOrMessage(const StepOutcome& outcome);

// A value given for a table field, converted exactly as the table loader converts it.
float TableSingle(const Values& values, const std::string& name);
std::optional<float> OptionalTableSingle(const Values& values, const std::string& name);
// A box text as typed: only digits and "." (what the box accepts); `fallback` when absent.
std::string BoxText(const Values& values, const std::string& name, const std::string& fallback);
// 0 or 1.
bool Flag(const Values& values, const std::string& name, bool fallback);
// One of the given words.
std::string Choice(const Values& values, const std::string& name,
                   const std::vector<std::string>& allowed, const std::string& fallback);
// The names of a size that must be given together: all or none, else a usage error.
bool AllOrNone(const Values& values, const std::vector<std::string>& names);

}  // namespace bw::cli
