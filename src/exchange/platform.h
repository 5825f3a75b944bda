// Every call into the operating system lives behind these few functions; one source file per
// system implements them (platform_posix.cpp, platform_windows.cpp) and CMake picks it.
//
// Paths and texts are byte strings in the system's 8-bit character set: UTF-8 on Linux and
// macOS, the ANSI code page on Windows, because that is how DrawPath.txt, BW_Info.txt and the
// script hold them. The Windows side converts them to wide characters at the system call, so a
// folder such as C:\Users\Jürgen\ opens whatever the process's narrow file API would make of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bw::platform {

// True only for an ordinary file that a directory lookup finds; folders, hidden files (a dot
// name on POSIX, the hidden or system attribute on Windows) and any lookup error are false.
bool IsVisibleOrdinaryFile(const std::string& path);

// True when the path names an existing folder.
bool IsFolder(const std::string& path);

// The whole file, or nullopt with the reason in `error`.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string& error);

// Writes `bytes` to a new temporary file in the folder of `path`, flushes it to the disk and
// puts it in place of `path` in one step (rename on POSIX, MoveFileExW with
// MOVEFILE_REPLACE_EXISTING on Windows). The reason on failure; the previous file is then
// untouched and the temporary file removed.
std::optional<std::string> ReplaceFileWith(const std::string& path, std::string_view bytes);

// Deletes one file; the reason on failure.
std::optional<std::string> RemoveFile(const std::string& path);

// The folder of the running executable, without a trailing separator; empty when the system
// cannot tell.
std::string ExecutableFolder();

// Lets the process `processId` take the foreground: the process the CAD program started may
// pass that right on to the Brasswick already running (Windows' foreground rule). Nothing
// elsewhere.
void AllowForeground(long long processId);

// Restores the top-level window `nativeWindow` (a window handle on Windows) and puts it in
// front. Nothing elsewhere, where the toolkit's own raising does.
void BringWindowToFront(unsigned long long nativeWindow);

// Standard output and error pass bytes unchanged: a script's CR LF must not become CR CR LF
// where the C runtime would translate line ends (Windows).
void UseBinaryStandardStreams();

}  // namespace bw::platform
