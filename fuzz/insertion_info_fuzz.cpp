// Any bytes as an insertion-info file: read, or reported as malformed with a usable layer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/insertion_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto result =
        bw::ParseInsertionInfo(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.status == bw::InfoStatus::Read &&
        !bw::LayerNameProblem(result.info.CurrentLayer).empty()) {
        std::abort();  // a layer the script cannot carry must never be accepted
    }
    return 0;
}
