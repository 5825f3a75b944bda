// Any bytes as a table file: every kind of field read in turn must end in a value or an
// error, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/field_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the order of field kinds, the rest is the file.
    const uint8_t plan = data[0];
    bw::FieldReader reader(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    std::string text;
    float single = 0;
    int count = 0;
    for (int i = 0; i < 64 && !reader.Failed(); ++i) {
        switch ((plan >> (i % 4 * 2)) & 3) {
            case 0:
                reader.ReadText(text);
                break;
            case 1:
                reader.ReadSingle(single);
                break;
            case 2:
                reader.ReadCount(count);
                break;
            default:
                reader.AtEnd();
                reader.ReadText(text);
                break;
        }
    }
    (void)reader.Describe();
    return 0;
}
