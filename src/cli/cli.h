// brasswick-script: every feature's script from the command line, and a check of the table
// files. Each feature group registers its features here.
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
    Direction direction = Direction::Right;

    // What was given, and the tab's start-up "Hidden" where nothing was.
    Placement Placed(const Placement& startUp) const {
        return {view, direction, hidden.value_or(startUp.hidden)};
    }
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

// Registered by the feature groups.
std::vector<Feature> PinFeatures();
std::vector<Feature> HoleFeatures();
std::vector<Feature> ProfileFeatures();

// Runs the tool. `args` excludes the program name; `programFolder` is where `check` looks
// without a folder and where features that read table files at OK find them.
Result Run(const std::vector<std::string>& args, const std::string& programFolder);

// Helpers for the feature groups.

// The script, or the check's message with exit 1.
Result ScriptOrMessage(const StepOutcome& outcome);

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
// The names of a size that must be given together: all or none, else a usage error.
bool AllOrNone(const Values& values, const std::vector<std::string>& names);

}  // namespace bw::cli
