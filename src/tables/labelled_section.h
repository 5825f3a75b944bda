// The labelled sections the text tables are made of: a count, then that many records of a
// label and a fixed number of number fields.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "exchange/field_reader.h"
#include "tables/table_load.h"

namespace bw {

// One number field of a section's records and the array it goes to.
struct SectionColumn {
    std::string field;                    // as a message names it: "diameter", "threads per unit"
    std::vector<float>* sizes = nullptr;  // a length a feature draws with: a usable size
    std::vector<int>* counts = nullptr;   // a whole 16-bit number, rounded half to even

    SectionColumn(std::string name, std::vector<float>& values)
        : field(std::move(name)), sizes(&values) {}
    SectionColumn(std::string name, std::vector<int>& values)
        : field(std::move(name)), counts(&values) {}
};

// How a section's records are named in a diagnostic, and when a label is listed.
struct SectionNames {
    std::string file;  // "Tap.dat"
    std::string row;   // "tap size": the records are "tap size 1", "tap size 2", ...
    // Listed as soon as it is read (its numbers stay 0 until they are, so a file that ends
    // inside a record still offers the label), or only once its numbers are read.
    bool labelFirst = true;
};

// Reads a section count (below 1: an empty section) and that many records. Stops at the
// first field that does not read (Corrupt at its position) or the first size outside the
// drawing range (BadValue; that record is not kept); returns false then, `diagnostic` set.
bool ReadLabelledSection(FieldReader& reader, const SectionNames& names,
                         std::vector<std::string>& labels,
                         std::initializer_list<SectionColumn> columns, TableDiagnostic& diagnostic);

}  // namespace bw
