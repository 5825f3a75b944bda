// Reads files of fixed-length little-endian records, numbered from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bw {

class RecordReader {
  public:
    RecordReader(std::string_view data, size_t recordLength)
        : data_(data), recordLength_(recordLength) {}

    // Whole records in the file; a shorter tail is ignored.
    size_t Count() const { return recordLength_ == 0 ? 0 : data_.size() / recordLength_; }
    // The bytes of record `number` (1-based); false past the last whole record.
    bool Record(long long number, std::string_view& out) const;

  private:
    std::string_view data_;
    size_t recordLength_;
};

// Little-endian fields of a record. The caller keeps `offset + size` inside the record.
float SingleAt(std::string_view record, size_t offset);
int16_t Int16At(std::string_view record, size_t offset);
// 8-bit text of `length` bytes, padding included.
std::string TextAt(std::string_view record, size_t offset, size_t length);

}  // namespace bw
