// The size lists of the slot and keyway tabs. The labels go into a list box; the values are
// what a pick puts into the matching entry box.
#pragma once

#include <string>
#include <vector>

namespace bw {

// One section: the list box labels and, at the same index, the value each stands for.
struct SizeList {
    std::vector<std::string> labels;
    std::vector<float> values;
    size_t size() const { return labels.size(); }
};

}  // namespace bw
