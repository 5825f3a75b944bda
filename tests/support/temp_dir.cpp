#include "support/temp_dir.h"

#include "exchange/files.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace bw::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    // create_directory reports whether it made the folder, so a name taken by a parallel test
    // is skipped, as mkdtemp would; unlike mkdtemp it exists on Windows too.
    static std::mt19937_64 rng{std::random_device{}()};
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const fs::path candidate = base / ("bwtest." + std::to_string(rng() % 1000000000u));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) path_ = candidate.string();
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder could be created");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const { return path_ + kPathSeparator + name; }

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
    const fs::path p = File(name);
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
    return p.string();
}

std::string TempDir::MakeDir(const std::string& name) const {
    fs::create_directories(File(name));
    return File(name);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// The low `bytes` bytes of `bits`, lowest first.
static std::string LittleEndian(uint32_t bits, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xff));
    return out;
}

std::string Le16(int value) { return LittleEndian(static_cast<uint16_t>(value), 2); }

std::string LeSingle(float value) { return LittleEndian(std::bit_cast<uint32_t>(value), 4); }

std::string Padded(const std::string& text, size_t width) {
    return (text + std::string(width, ' ')).substr(0, width);
}

}  // namespace bw::test
