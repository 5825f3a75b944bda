// Small helpers the features' generator, check and table tests share.
#pragma once

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "features/feature.h"

namespace bw::test {

// An insertion point and the two layer names; the defaults are distinct, so a line on the
// wrong layer does not pass unnoticed.
inline DrawContext At(float x, float y, const std::string& current = "0",
                      const std::string& hidden = "HID") {
    DrawContext c;
    c.BasePoint = {x, y};
    c.CurrentLayer = current;
    c.HiddenLayer = hidden;
    return c;
}

// A row's expected check message; nullptr stands for an accepted input.
inline std::optional<std::string> Expected(const char* message) {
    return message ? std::optional<std::string>(message) : std::nullopt;
}

// Row i of a loaded table as "label|value|value", "-" where a column is short.
template <class... Columns>
std::string Row(size_t i, const std::vector<std::string>& labels,
                const std::vector<Columns>&... columns) {
    std::ostringstream out;
    out << (i < labels.size() ? labels[i] : "-");
    ((out << '|', i < columns.size() ? void(out << columns[i]) : void(out << '-')), ...);
    return out.str();
}

// All rows, joined by "; ", as far as the longest column goes.
template <class... Columns>
std::string Rows(const std::vector<std::string>& labels, const std::vector<Columns>&... columns) {
    std::string rows;
    const size_t n = std::max({labels.size(), columns.size()...});
    for (size_t i = 0; i < n; ++i) rows += (i ? "; " : "") + Row(i, labels, columns...);
    return rows;
}

// Records as "field|field; field|field", the fields named by member pointers.
template <class Record, class... Fields>
std::string Records(const std::vector<Record>& records, Fields Record::*... fields) {
    std::ostringstream out;
    for (size_t i = 0; i < records.size(); ++i) {
        const char* separator = i ? "; " : "";
        ((out << separator << records[i].*fields, separator = "|"), ...);
    }
    return out.str();
}

// The number of lines (CR LF ends) in a script.
inline size_t LineCount(const std::string& script) {
    size_t n = 0;
    for (size_t at = script.find("\r\n"); at != std::string::npos;
         at = script.find("\r\n", at + 2)) {
        ++n;
    }
    return n;
}

}  // namespace bw::test
