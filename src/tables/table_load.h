// The one shape every table loader has. Parse turns a file's bytes into the table and a
// diagnostic (no file system); Load reads the file beside the program and parses it; Counts
// tells what the table holds, as `brasswick-script check` prints it. Loaders never show
// anything themselves.
#pragma once

#include <string>
#include <string_view>

#include "exchange/field_reader.h"

namespace bw {

enum class TableStatus {
    Loaded,
    NotFound,
    Corrupt,  // the file is short or a field does not read: `detail` says where
    BadValue  // a value no feature can draw with: `detail` names the file, row, field and value
};

struct TableDiagnostic {
    TableStatus status = TableStatus::Loaded;
    std::string detail;  // NotFound: the path; Corrupt and BadValue: the position and problem
};

// A table and how its loading went. Whatever was read before a problem stays in `table`.
template <typename Table>
struct TableLoad {
    Table table;
    TableDiagnostic diagnostic;
    bool Clean() const { return diagnostic.status == TableStatus::Loaded; }
};

// A table file's bytes, or the diagnostic that stops its loading before any field is read:
// not found, or corrupt when the file is there but cannot be read (with the reason).
struct TableFileBytes {
    TableDiagnostic diagnostic;
    std::string bytes;
    bool Loaded() const { return diagnostic.status == TableStatus::Loaded; }
};
TableFileBytes ReadTableFile(const std::string& path);
// The file `name` beside the program.
TableFileBytes ReadTableFile(const std::string& programFolder, const std::string& name);

// Load: the file `name` in `programFolder`, given to `parse` once it could be read.
template <typename Table, typename Parse>
TableLoad<Table> LoadTableFile(const std::string& programFolder, const std::string& name,
                               Parse parse) {
    const TableFileBytes file = ReadTableFile(programFolder, name);
    if (!file.Loaded()) return {Table{}, file.diagnostic};
    return parse(std::string_view(file.bytes));
}

// Corrupt, at the field where the reader stopped.
inline TableDiagnostic CorruptAt(const FieldReader& reader) {
    return {TableStatus::Corrupt, reader.Describe()};
}

// A section count as the loaders use it: anything below 1 is an empty section.
inline int SectionSize(int count) { return count < 1 ? 0 : count; }

// Whether a table value a feature draws with is a usable size. When it is not: BadValue with
// "ejector.dat, pin size 3 (1/8), diameter 2.9e+38 is more than 1000000". `row` names the
// record ("pin size 3 (1/8)", "record 2 (No. 1)").
bool CheckTableSize(float value, const std::string& file, const std::string& row,
                    const std::string& field, TableDiagnostic& diagnostic);
// "record 2 (No. 1)", the label without its padding; "record 2" for a blank label.
std::string RowName(const std::string& noun, size_t number, const std::string& label);

// The messages a table shows, by file.
struct TableMessages {
    std::string notFound;  // "Tap Data File NOT Found"
    std::string corrupt;   // "Tap Data File Is Corrupt"
};

// The message the window shows, empty when the table loaded cleanly. A short file shows the
// plain corrupt text; a bad value adds what is wrong, since the text alone would send the
// user looking for a missing line.
std::string TableMessage(const TableMessages& messages, const TableDiagnostic& d);

// What `check` reports of one file: the diagnostic and, unless the file was not found, what
// was kept ("24 tap sizes, 8 depths").
struct TableReport {
    TableDiagnostic diagnostic;
    std::string counts;
    bool Clean() const { return diagnostic.status == TableStatus::Loaded; }
};

template <typename Table>
TableReport ReportOf(const TableLoad<Table>& load, std::string (*counts)(const Table&)) {
    if (load.diagnostic.status == TableStatus::NotFound) return {load.diagnostic, {}};
    return {load.diagnostic, counts(load.table)};
}

// One line for `brasswick-script check`: "Tap.dat: 24 tap sizes, 8 depths" or
// "Tap.dat: Tap Data File Is Corrupt (field 7 at byte 52: not a number); kept 1 tap size, 0
// depths".
std::string CheckLine(const std::string& file, const TableMessages& messages,
                      const TableReport& report);

// "1 tap size" / "38 tap sizes".
std::string CountOf(size_t count, const std::string& singular, const std::string& plural);

}  // namespace bw
