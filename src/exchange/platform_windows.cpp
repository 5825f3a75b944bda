// Windows: the Win32 calls behind platform.h. Paths arrive as bytes in the ANSI code page (as
// DrawPath.txt holds them) and reach the file system through the wide-character calls.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "exchange/platform.h"

namespace bw::platform {

namespace {

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

// The ANSI bytes of a wide text; `lossless` tells whether every character had one.
std::string Narrow(const std::wstring& wide, bool* lossless = nullptr) {
    if (lossless) *lossless = true;
    if (wide.empty()) return {};
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, lossless ? &usedDefault : nullptr);
    if (lossless) *lossless = !usedDefault;
    return text;
}

// The system's words for an error code, without the closing full stop and line end, so that
// it reads like the strerror texts of the other systems inside our own messages.
std::string ErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n && buffer ? std::string(buffer, n) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' ||
                             text.back() == '.')) {
        text.pop_back();
    }
    if (text.empty()) text = "system error " + std::to_string(code);
    return text;
}

std::string LastErrorText() { return ErrorText(GetLastError()); }

size_t NameStart(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? 0 : cut + 1;
}

class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }
    bool Close() {
        if (!Valid()) return true;
        const bool ok = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

}  // namespace

bool IsVisibleOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                          FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::string& error) {
    // The CAD side may still hold the info file open; sharing every access lets us read it.
    Handle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        error = LastErrorText();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) {
            error = LastErrorText();
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    return bytes;
}

std::optional<std::string> ReplaceFileWith(const std::string& path, std::string_view bytes) {
    static std::mt19937_64 rng{std::random_device{}()};
    const size_t nameStart = NameStart(path);
    const std::string folder = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);
    const std::wstring target = Wide(path);

    // A script marked read-only is one its user wants kept: refuse before any temporary file
    // exists, with the reason a plain write would give (every Windows-like system agrees then).
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY)) {
        return ErrorText(ERROR_ACCESS_DENIED);
    }

    std::wstring tmp;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && created == INVALID_HANDLE_VALUE; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                      static_cast<unsigned long long>(rng() & 0xffffffffULL));
        tmp = Wide(folder + "~" + name + suffix);
        created = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return LastErrorText();
        }
    }
    if (created == INVALID_HANDLE_VALUE) return std::string("no temporary file could be created");
    Handle file(created);

    auto fail = [&](DWORD code) -> std::optional<std::string> {
        file.Close();
        DeleteFileW(tmp.c_str());
        return ErrorText(code);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &n, nullptr)) {
            return fail(GetLastError());
        }
        done += n;
    }
    if (!FlushFileBuffers(file.Get())) return fail(GetLastError());
    if (!file.Close()) return fail(GetLastError());
    if (!MoveFileExW(tmp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        DeleteFileW(tmp.c_str());
        return ErrorText(code);
    }
    return std::nullopt;
}

std::optional<std::string> RemoveFile(const std::string& path) {
    if (!DeleteFileW(Wide(path).c_str())) return LastErrorText();
    return std::nullopt;
}

std::string ExecutableFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    std::wstring self(buffer.begin(), buffer.end());
    self.erase(self.find_last_of(L"\\/") == std::wstring::npos ? 0 : self.find_last_of(L"\\/"));
    bool lossless = true;
    std::string folder = Narrow(self, &lossless);
    if (!lossless) {
        // A folder name the ANSI code page cannot spell still has a short 8.3 name that it can.
        const DWORD size = GetShortPathNameW(self.c_str(), nullptr, 0);
        std::wstring shortName(size, L'\0');
        if (size && GetShortPathNameW(self.c_str(), shortName.data(), size) < size) {
            shortName.resize(wcslen(shortName.c_str()));
            folder = Narrow(shortName, &lossless);
        }
    }
    return folder;
}

void AllowForeground(long long processId) {
    AllowSetForegroundWindow(static_cast<DWORD>(processId));
}

void BringWindowToFront(unsigned long long nativeWindow) {
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(nativeWindow));
    if (!window) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace bw::platform
