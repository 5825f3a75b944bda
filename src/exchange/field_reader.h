// Reads the comma- or line-separated fields that the table files, the settings file and the
// insertion-info file are made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bw {

enum class FieldError {
    None,
    EndOfFile,       // a field was asked for after the last one
    BadNumber,       // a number field that does not parse (or is not finite)
    CountOutOfRange  // a count that does not fit a 16-bit integer
};

// Fields, one after another: a comma or a line end (CR LF, LF or CR) ends a field, blanks
// before a field are skipped, and a field that begins with a double quote runs to the next
// double quote (the quotes are dropped, commas between them belong to the text; anything
// after the closing quote up to the next comma or line end is passed over).
//
// After the first error every further read fails with the same error, so a loader can read
// a record and check once.
class FieldReader {
  public:
    explicit FieldReader(std::string_view data) : data_(data) {}

    bool ReadText(std::string& out);
    // A decimal number with "." as the point, converted to the nearest single.
    bool ReadSingle(float& out);
    // A decimal number, converted to the nearest double.
    bool ReadDouble(double& out);
    // A section count: a number rounded to a whole number (halves to even) that must fit a
    // 16-bit signed integer.
    bool ReadCount(int& out);

    FieldError Error() const { return error_; }
    bool Failed() const { return error_ != FieldError::None; }
    // 1-based number of the field that failed (or of the last field read), and the byte
    // offset where it starts.
    int FieldNumber() const { return fieldNumber_; }
    size_t FieldOffset() const { return fieldOffset_; }
    // "field 7 at byte 52: end of file before all fields were read"
    std::string Describe() const;
    // True when only blanks and line ends are left.
    bool AtEnd() const;

  private:
    bool RawField(std::string& out, bool& quoted);
    bool Fail(FieldError e) {
        error_ = e;
        return false;
    }

    std::string_view data_;
    size_t pos_ = 0;
    FieldError error_ = FieldError::None;
    int fieldNumber_ = 0;
    size_t fieldOffset_ = 0;
};

// Parses a whole number-field text (blanks around it allowed) the way ReadSingle does.
bool ParseSingleField(std::string_view text, float& out);
bool ParseDoubleField(std::string_view text, double& out);

}  // namespace bw
