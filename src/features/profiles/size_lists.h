// The two-section size tables of the slot and keyway tabs: a count, that many label/value
// records, a second count and its records. The labels go into a list box; the values are
// what a pick puts into the matching entry box.
#pragma once

#include <string>
#include <vector>

#include "tables/table_load.h"

namespace bw {

// One section: the list box labels and, at the same index, the value each stands for.
struct SizeList {
    std::vector<std::string> labels;
    std::vector<float> values;
    size_t size() const { return labels.size(); }
};

struct TwoSizeLists {
    SizeList first;
    SizeList second;
    TableDiagnostic diagnostic;
};

// Reads the file at `path`. A missing file is NotFound (the path as its detail) with both
// sections empty; any read failure is Corrupt with its position, keeping what was read (a
// label whose value could not be read stays, with the value 0, so the list and the values
// keep the same indexes). A count below 1 is an empty section.
TwoSizeLists LoadTwoSizeLists(const std::string& path);

}  // namespace bw
