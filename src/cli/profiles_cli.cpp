// The profiles features of brasswick-script.
#include "cli/cli.h"

namespace bw::cli {

std::vector<Feature> ProfileFeatures() { return {}; }

std::vector<TableCheck> ProfileTableChecks() { return {}; }

}  // namespace bw::cli
