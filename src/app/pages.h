// The pages of the window, one row each: caption, how the tab is made, the table files it
// loads. The tab widget, the page list beside it and start-up all read this table, so a
// page's place is its row and no tab knows its own index.
#pragma once

#include <string>
#include <vector>

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

// Every file a page loads, in the order start-up loads them; a page loads all of its files
// when the first of them comes up.
const std::vector<std::string>& StartUpTableOrder();

}  // namespace bw
