// Small helpers the features' generator, check and table tests share.
#pragma once

#include <gtest/gtest.h>

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

// One row of a table of whole scripts or of check messages: what the code gave, and what it
// ought to give (nullptr: an accepted input).
struct Case {
    const char* what;
    std::optional<std::string> got;
    const char* expected;
};

template <size_t N>
void ExpectCases(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.expected ? std::optional<std::string>(c.expected) : std::nullopt)
            << c.what;
    }
}

// A loaded table's rows as "label|value|value; label|value|value", "-" where a column is
// short, as far as the longest column goes.
template <class... Columns>
std::string Rows(const std::vector<std::string>& labels, const std::vector<Columns>&... columns) {
    std::ostringstream out;
    const size_t n = std::max({labels.size(), columns.size()...});
    for (size_t i = 0; i < n; ++i) {
        out << (i ? "; " : "") << (i < labels.size() ? labels[i] : "-");
        ((out << '|', i < columns.size() ? void(out << columns[i]) : void(out << '-')), ...);
    }
    return out.str();
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

// A loaded table's rows, marked as the loader found the file.
template <class Load>
std::string Kept(const Load& load, const std::string& rows) {
    const char* status[] = {"", "not found: ", "corrupt: ", "bad value: "};
    return status[static_cast<int>(load.diagnostic.status)] + rows;
}

// A placement in brief.
inline Placement Side(int degrees = 0, bool hidden = false) {
    return {View::Side, DirectionOf(degrees), hidden};
}
inline Placement Face(bool hidden = false) { return {View::Face, Direction::Right, hidden}; }

}  // namespace bw::test
