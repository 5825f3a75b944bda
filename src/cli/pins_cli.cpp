// The pins features of brasswick-script.
#include "cli/cli.h"

namespace bw::cli {

std::vector<Feature> PinFeatures() { return {}; }

std::vector<TableCheck> PinTableChecks() { return {}; }

}  // namespace bw::cli
