// The pages of the window, read from the feature registry: caption, how the tab is made, the
// table files it loads at start-up. The tab widget, the page list beside it and start-up all
// read this table, so a page's place is its row and no tab knows its own index.
#pragma once

#include <string>
#include <vector>

#include "features/registry.h"

namespace bw {

class AppContext;
class FeatureTab;

struct Page {
    const char* caption;
    FeatureTab* (*make)(AppContext& app);
    std::vector<std::string> tableFiles;  // what the tab's loader reads, in start-up order
};

// The fifteen pages in the order of SSTab1.
const std::vector<Page>& Pages();

// The tab constructor of the page with this registry caption, or nullptr.
FeatureTab* (*TabMaker(const std::string& caption))(AppContext&);

}  // namespace bw
