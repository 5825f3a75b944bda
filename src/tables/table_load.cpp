#include "tables/table_load.h"

#include "exchange/files.h"

namespace bw {

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

}  // namespace bw
