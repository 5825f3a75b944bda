// Linux and macOS: the POSIX calls behind platform.h.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "exchange/platform.h"

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

namespace bw::platform {

namespace {

std::string ErrorText(int err) { return std::strerror(err); }

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool IsVisibleOrdinaryFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const std::string name = NameOf(path);
    return !name.empty() && name.front() != '.';
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorText(errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrorText(errno);
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::optional<std::string> ReplaceFileWith(const std::string& path, std::string_view bytes) {
    static std::mt19937_64 rng{std::random_device{}()};
    const std::string folder = FolderOf(path);
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                      static_cast<unsigned long long>(rng() & 0xffffffffULL));
        tmp = folder + "/." + NameOf(path) + suffix;
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) return ErrorText(errno);
    }
    if (fd < 0) return std::string("no temporary file could be created");

    auto fail = [&](int err) -> std::optional<std::string> {
        ::close(fd);
        ::unlink(tmp.c_str());
        return ErrorText(err);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    // Keep the rights of the file being replaced, so a shared script stays shared.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return ErrorText(err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return ErrorText(err);
    }
    return std::nullopt;
}

std::optional<std::string> RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return ErrorText(errno);
    return std::nullopt;
}

std::string ExecutableFolder() {
    std::string self;
#ifdef __APPLE__
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    char resolved[PATH_MAX];
    if (!::realpath(buffer.data(), resolved)) return {};
    self = resolved;
#else
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<size_t>(n) < buffer.size()) {
            self.assign(buffer.data(), static_cast<size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
#endif
    return FolderOf(self);
}

void UseBinaryStandardStreams() {}

void AllowForeground(long long) {}

void BringWindowToFront(unsigned long long) {}

}  // namespace bw::platform
