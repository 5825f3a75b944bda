#include "exchange/files.h"

#include "exchange/platform.h"

namespace bw {

namespace {

bool IsSeparator(char c) {
    // Windows accepts both; elsewhere a backslash is an ordinary character of a name.
    return c == kPathSeparator || c == '/';
}

// The folder part of a path, without its trailing separator; "." for a bare name. A
// separator that is the whole folder (the root, or a drive's root on Windows) is kept.
std::string FolderOf(const std::string& path) {
    size_t cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1])) --cut;
    if (cut == 0) return ".";
    std::string folder = path.substr(0, cut);
    while (folder.size() > 1 && IsSeparator(folder.back()) &&
           !(folder.size() == 3 && folder[1] == ':')) {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

bool FileExists(const std::string& path) {
    return !path.empty() && platform::IsVisibleOrdinaryFile(path);
}

std::string WithTrailingSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() == kPathSeparator) return folder;
    return folder + kPathSeparator;
}

std::string ProgramFilePath(const std::string& programFolder, const std::string& name) {
    return programFolder + kPathSeparator + name;
}

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    if (std::optional<std::string> bytes = platform::ReadFileBytes(path, result.error)) {
        result.ok = true;
        result.bytes = std::move(*bytes);
    }
    return result;
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string folder = FolderOf(path);
    if (!platform::IsFolder(folder)) return "the folder " + folder + " does not exist";
    if (platform::IsFolder(path)) return std::string("it is a folder");
    return platform::ReplaceFileWith(path, bytes);
}

std::optional<std::string> DeleteFile(const std::string& path) {
    return platform::RemoveFile(path);
}

bool FolderExists(const std::string& path) { return !path.empty() && platform::IsFolder(path); }

std::optional<std::string> FolderWriteProblem(const std::string& folder) {
    const std::string probe = folder + ".Brasswick-write-test";
    if (auto error = WriteFileAtomically(probe, "")) return error;
    return platform::RemoveFile(probe);
}

}  // namespace bw
