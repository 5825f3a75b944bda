#include "exchange/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace bw {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    const fs::path p(path);
    const auto status = fs::status(p, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    const std::string name = p.filename().string();
    return !name.empty() && name.front() != '.';
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = std::strerror(errno);
        return result;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.error = "read error";
        return result;
    }
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return "the folder " + folder.string() + " does not exist";
    if (fs::is_directory(target, ec)) return "it is a folder";

    static std::mt19937_64 rng{std::random_device{}()};
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                      static_cast<unsigned long long>(rng() & 0xffffffffULL));
        tmp = (folder / ("." + target.filename().string() + suffix)).string();
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) return std::string(std::strerror(errno));
    }
    if (fd < 0) return std::string("no temporary file could be created");

    auto fail = [&](int err) -> std::optional<std::string> {
        ::close(fd);
        ::unlink(tmp.c_str());
        return std::string(std::strerror(err));
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
        return std::string(std::strerror(err));
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return std::string(std::strerror(err));
    }
    return std::nullopt;
}

std::optional<std::string> DeleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return std::string(std::strerror(errno));
    return std::nullopt;
}

}  // namespace bw
