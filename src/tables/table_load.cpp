#include "tables/table_load.h"

#include <charconv>
#include <cmath>

#include "exchange/files.h"
#include "exchange/limits.h"

namespace bw {

namespace {

// The shortest text that reads back as the same single; not-a-number and the infinities by
// their names.
std::string ValueText(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("?");
}

}  // namespace

TableFileBytes ReadTableFile(const std::string& path) {
    TableFileBytes result;
    if (!FileExists(path)) {
        result.diagnostic = {TableStatus::NotFound, path};
        return result;
    }
    FileRead read = ReadWholeFile(path);
    if (!read.ok) {
        result.diagnostic = {TableStatus::Corrupt, "cannot be read: " + read.error};
        return result;
    }
    result.bytes = std::move(read.bytes);
    return result;
}

TableFileBytes ReadTableFile(const std::string& programFolder, const std::string& name) {
    return ReadTableFile(ProgramFilePath(programFolder, name));
}

bool CheckTableSize(float value, const std::string& file, const std::string& row,
                    const std::string& field, TableDiagnostic& diagnostic) {
    const SizeClass size = ClassifySize(value);
    if (size == SizeClass::Usable) return true;
    diagnostic = {TableStatus::BadValue, file + ", " + row + ", " + field + " " + ValueText(value) +
                                             " " + SizeClassText(size)};
    return false;
}

std::string RowName(const std::string& noun, size_t number, const std::string& label) {
    std::string name = noun + " " + std::to_string(number);
    std::string shown = label;
    while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\0')) shown.pop_back();
    if (!shown.empty()) name += " (" + shown + ")";
    return name;
}

std::string TableMessage(const TableMessages& messages, const TableDiagnostic& d) {
    switch (d.status) {
        case TableStatus::Loaded:
            return {};
        case TableStatus::NotFound:
            return messages.notFound;
        case TableStatus::Corrupt:
            return messages.corrupt;
        case TableStatus::BadValue:
            return messages.corrupt + ": " + d.detail;
    }
    return {};
}

std::string CheckLine(const std::string& file, const TableMessages& messages,
                      const TableReport& report) {
    const TableDiagnostic& d = report.diagnostic;
    if (d.status == TableStatus::Loaded) return file + ": " + report.counts;
    std::string line = file + ": " + TableMessage(messages, d);
    if (d.status != TableStatus::BadValue && !d.detail.empty()) line += " (" + d.detail + ")";
    if (d.status != TableStatus::NotFound && !report.counts.empty()) {
        line += "; kept " + report.counts;
    }
    return line;
}

std::string CountOf(size_t count, const std::string& singular, const std::string& plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

}  // namespace bw
