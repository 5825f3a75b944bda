#include "features/profiles/size_lists.h"

#include "exchange/files.h"
#include "tables/field_reader.h"

namespace bw {

namespace {

// Reads one section; false once a read has failed.
bool ReadSection(FieldReader& reader, SizeList& list) {
    int count = 0;
    if (!reader.ReadCount(count)) return false;
    for (int i = 0; i < count; ++i) {
        std::string label;
        if (!reader.ReadText(label)) return false;
        list.labels.push_back(label);
        list.values.push_back(0.0f);
        if (!reader.ReadSingle(list.values.back())) return false;
    }
    return true;
}

}  // namespace

TwoSizeLists LoadTwoSizeLists(const std::string& path) {
    TwoSizeLists result;
    const TableFileBytes file = ReadTableFile(path);
    if (!file.Loaded()) {
        result.diagnostic = file.diagnostic;
        return result;
    }
    FieldReader reader(file.bytes);
    if (!ReadSection(reader, result.first) || !ReadSection(reader, result.second)) {
        result.diagnostic = CorruptAt(reader);
    }
    return result;
}

}  // namespace bw
