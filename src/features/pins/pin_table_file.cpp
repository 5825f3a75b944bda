#include "features/pins/pin_table_file.h"

#include "exchange/files.h"

namespace bw {

TableFileBytes ReadTableFile(const std::string& programFolder, const std::string& name) {
    TableFileBytes result;
    const std::string path = ProgramFilePath(programFolder, name);
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

TableDiagnostic CorruptAt(const FieldReader& reader) {
    return {TableStatus::Corrupt, reader.Describe()};
}

}  // namespace bw
