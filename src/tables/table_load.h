// What every table loader reports: loaded, not found, or corrupt with where it went wrong.
// Loaders return this beside the table and never show anything themselves.
#pragma once

#include <string>

#include "tables/field_reader.h"

namespace bw {

enum class TableStatus { Loaded, NotFound, Corrupt };

struct TableDiagnostic {
    TableStatus status = TableStatus::Loaded;
    std::string detail;  // for Corrupt: the position and the problem
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

// Corrupt, at the field where the reader stopped.
inline TableDiagnostic CorruptAt(const FieldReader& reader) {
    return {TableStatus::Corrupt, reader.Describe()};
}

// A section count as the loaders use it: anything below 1 is an empty section.
inline int SectionSize(int count) { return count < 1 ? 0 : count; }

// The messages a table shows, by file.
struct TableMessages {
    std::string notFound;  // "Tap Data File NOT Found"
    std::string corrupt;   // "Tap Data File Is Corrupt"
};

// The message for a diagnostic, empty when the table loaded cleanly.
inline std::string TableMessage(const TableMessages& messages, const TableDiagnostic& d) {
    switch (d.status) {
        case TableStatus::Loaded:
            return {};
        case TableStatus::NotFound:
            return messages.notFound;
        case TableStatus::Corrupt:
            return messages.corrupt;
    }
    return {};
}

// One line for `brasswick-script check`: "Tap.dat: 24 tap sizes, 8 depths" or
// "Tap.dat: Tap Data File Is Corrupt (field 7 at byte 52: not a number)".
inline std::string CheckLine(const std::string& file, const TableMessages& messages,
                             const TableDiagnostic& d, const std::string& counts) {
    if (d.status == TableStatus::Loaded) return file + ": " + counts;
    std::string line = file + ": " + TableMessage(messages, d);
    if (!d.detail.empty()) line += " (" + d.detail + ")";
    if (d.status == TableStatus::Corrupt && !counts.empty()) line += "; kept " + counts;
    return line;
}

}  // namespace bw
