// Reading a text table file of the pins tabs: the bytes or why there are none, and the
// diagnostic for a field that could not be read.
#pragma once

#include <string>

#include "tables/field_reader.h"
#include "tables/table_load.h"

namespace bw {

struct TableFileBytes {
    TableDiagnostic diagnostic;  // NotFound, Corrupt (cannot be read) or Loaded
    std::string bytes;
};

// The file `name` beside the program. A file that exists but cannot be read counts as
// corrupt, with the reason as the detail.
TableFileBytes ReadTableFile(const std::string& programFolder, const std::string& name);

// Corrupt, at the field where the reader stopped.
TableDiagnostic CorruptAt(const FieldReader& reader);

// A section count as the loaders use it: anything below 1 is an empty section.
inline int SectionSize(int count) { return count < 1 ? 0 : count; }

}  // namespace bw
