// A fresh folder per test, removed afterwards, with small helpers to lay files into it.
#pragma once

#include <string>
#include <string_view>

namespace bw::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, without a trailing separator.
    const std::string& Path() const { return path_; }
    // Path(), the system's separator, name.
    std::string File(const std::string& name) const;
    // Writes bytes to a file below the folder (sub-folders are created); returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const;
    // Creates a sub-folder; returns its path.
    std::string MakeDir(const std::string& name) const;

  private:
    std::string path_;
};

// The whole content of a file, or "<missing>" when it cannot be read.
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);

// Little-endian record bytes for the record files.
std::string Le16(int value);
std::string LeSingle(float value);
// Text padded with blanks (or cut) to `width` bytes.
std::string Padded(const std::string& text, size_t width);

// One record of each record file: 000's taper pin size, 003's length, 001's plain and 002's
// bell center drill.
inline std::string SizeRecord(const std::string& name, float diameter, int first, int last) {
    return Padded(name, 12) + LeSingle(diameter) + Le16(first) + Le16(last);
}
inline std::string LengthRecord(const std::string& label, float length) {
    return Padded(label, 6) + LeSingle(length);
}
inline std::string PlainRecord(const std::string& name, float d1, float d2, float l) {
    return Padded(name, 10) + LeSingle(d1) + LeSingle(d2) + LeSingle(l);
}
inline std::string BellRecord(const std::string& name, float b1, float b2, float b3) {
    return Padded(name, 11) + LeSingle(b1) + LeSingle(b2) + LeSingle(b3);
}

}  // namespace bw::test
