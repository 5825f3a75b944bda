// brasswick-script: every feature's script from the command line, and a check of the table
// files. The features, their names and usage come from the feature registry.
#pragma once

#include <string>
#include <vector>

#include "features/registry.h"

namespace bw::cli {

// The names every feature accepts.
struct Common {
    DrawContext context;
    GivenPlacement placement;
};

struct Result {
    int exitCode = 0;
    std::string out;  // the script bytes
    std::string err;  // a check's message or the usage text, one line
};

// Runs the tool. `args` excludes the program name; `programFolder` is where `check` looks
// without a folder.
Result Run(const std::vector<std::string>& args, const std::string& programFolder);

}  // namespace bw::cli
