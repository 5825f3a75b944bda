// Any bytes as the inputs of one feature: the first byte picks the feature, the rest give its
// singles (any bit pattern), box texts and choices. Each case must fail a check with a
// message or write a script whose every number is finite and within reach of the limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "../tests/support/feature_inputs.h"

namespace {

// Takes values from the front of the bytes; past the end every value is zero.
class ByteSource {
  public:
    ByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    float Single() {
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = (bits << 8) | Byte();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    float Wild() { return Single(); }
    std::string BoxText() {
        std::string text;
        const int n = Byte() % 52;
        for (int i = 0; i < n; ++i) text += "0123456789."[Byte() % 11];
        return text;
    }
    int Int(int lo, int hi) {
        const uint32_t span = static_cast<uint32_t>(hi - lo) + 1;
        const uint32_t raw = (static_cast<uint32_t>(Byte()) << 8) | Byte();
        return lo + static_cast<int>(raw % span);
    }
    bool Bool() { return (Byte() & 1) != 0; }

  private:
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    ByteSource source(data + 1, size - 1);
    const bw::test::Outcome outcome =
        bw::test::RunFeature(data[0] % bw::test::kFeatureCount, source);
    if (outcome.message ? outcome.message->empty()
                        : bw::test::BadScriptNumber(outcome.script).has_value()) {
        std::abort();  // a refusal without words, or a number the CAD side cannot draw
    }
    return 0;
}
