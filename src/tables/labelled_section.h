// The labelled sections the text tables are made of: a count, then that many records of a
// label and a fixed number of number fields.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
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

// One section of a text table: how its records are named, the labels it lists, its columns.
struct Section {
    SectionNames names;
    std::vector<std::string>& labels;
    std::initializer_list<SectionColumn> columns;
};

// Reads the sections one after the other; the first that fails ends the reading, with
// `diagnostic` set.
void ReadSections(std::string_view bytes, std::initializer_list<Section> sections,
                  TableDiagnostic& diagnostic);

// "38 tap sizes, 15 depths": each count with its records' name, made plural with an "s".
std::string SectionCounts(std::initializer_list<std::pair<size_t, std::string>> counts);

}  // namespace bw
