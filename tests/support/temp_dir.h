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

}  // namespace bw::test
