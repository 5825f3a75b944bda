// Core note: one insert of the note block with the core pin's number as its attribute.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

inline constexpr const char* kCoreNumberTableFile = "Corenum.dat";
inline const TableMessages kCoreNumberTableMessages{"Core Number Data File NOT Found",
                                                    "Core Number Data File Is Corrupt"};

// Corenum.dat, parallel to the size list: core numbers are 16-bit integers.
struct CoreNumberTable {
    std::vector<std::string> labels;
    std::vector<int> numbers;
};

using CoreNumberTableLoad = TableLoad<CoreNumberTable>;

// A count, then that many records of a label and a core number (rounded to a whole number,
// 16-bit). A record is listed as soon as its label is read; a number the file ends before
// stays 0.
CoreNumberTableLoad ParseCoreNumberTable(std::string_view bytes);
CoreNumberTableLoad LoadCoreNumberTable(const std::string& programFolder);
// "14 core numbers"
std::string CoreNumberTableCounts(const CoreNumberTable& table);

struct CoreNoteInput {
    std::optional<int> coreNumber;  // unset: no pin size selected
    bool cxPin = true;              // "CX Pin" (Dmehnote), else "C Pin" (Dmesnote)
};

std::optional<std::string> CheckCoreNote(const CoreNoteInput& input);
std::string CoreNoteScript(const CoreNoteInput& input, const DrawContext& context);

}  // namespace bw
