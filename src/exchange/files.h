// The few file operations the program needs, each reporting failure as text instead of
// throwing, so a caller can show it and keep its previous state.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bw {

// The platform's path separator: folders stored in the settings end with it.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// True only for an ordinary file the lookup finds; folders, hidden files (a name starting
// with a dot) and any error in the lookup count as absent.
bool FileExists(const std::string& path);

// A folder path with the separator added unless it already ends in one.
std::string WithTrailingSeparator(const std::string& folder);

// A table or about file beside the program: the separator is always added, so a program
// folder at the root gives a doubled separator, which still opens.
std::string ProgramFilePath(const std::string& programFolder, const std::string& name);

struct FileRead {
    bool ok = false;
    std::string bytes;
    std::string error;  // why it could not be read, when !ok
};
FileRead ReadWholeFile(const std::string& path);

// Replaces `path` with `bytes` so that a reader sees either the old file or the whole new
// one: the bytes go to a temporary file in the same folder, which is then renamed over the
// target. Returns the reason on failure, with the previous file left as it was. The folder
// is never created.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// Deletes a file; the reason on failure.
std::optional<std::string> DeleteFile(const std::string& path);

// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

// Why no file can be made in `folder` (a path ending in a separator), or nothing: a small
// file is written there and deleted again, since on Windows only that tells what the folder's
// access rules allow.
std::optional<std::string> FolderWriteProblem(const std::string& folder);

}  // namespace bw
