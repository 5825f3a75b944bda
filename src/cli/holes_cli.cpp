// The holes features of brasswick-script.
#include "cli/cli.h"

namespace bw::cli {

std::vector<Feature> HoleFeatures() { return {}; }

std::vector<TableCheck> HoleTableChecks() { return {}; }

}  // namespace bw::cli
