// Any bytes as a record file: every record, field by field, inside its bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tables/record_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (size_t length : {size_t{10}, size_t{20}, size_t{26}}) {
        bw::RecordReader reader(bytes, length);
        for (long long n = 0; n <= static_cast<long long>(reader.Count()) + 1; ++n) {
            std::string_view record;
            if (!reader.Record(n, record)) continue;
            (void)bw::TextAt(record, 0, 6);
            (void)bw::SingleAt(record, length - 4);
            (void)bw::Int16At(record, length - 2);
        }
    }
    return 0;
}
