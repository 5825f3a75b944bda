#include "tables/record_reader.h"

#include <bit>
#include <cstring>

namespace bw {

bool RecordReader::Record(long long number, std::string_view& out) const {
    if (number < 1 || static_cast<unsigned long long>(number) > Count()) return false;
    out = data_.substr(static_cast<size_t>(number - 1) * recordLength_, recordLength_);
    return true;
}

float SingleAt(std::string_view record, size_t offset) {
    const auto* b = reinterpret_cast<const unsigned char*>(record.data() + offset);
    const uint32_t bits = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                          static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
    return std::bit_cast<float>(bits);
}

int16_t Int16At(std::string_view record, size_t offset) {
    const auto* b = reinterpret_cast<const unsigned char*>(record.data() + offset);
    return static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
}

std::string TextAt(std::string_view record, size_t offset, size_t length) {
    return std::string(record.substr(offset, length));
}

}  // namespace bw
