#include "exchange/field_reader.h"

#include <charconv>
#include <cmath>

namespace bw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Only plain decimal notation is a number here: from_chars alone would also take "inf",
// "nan" and hexadecimal forms.
bool LooksDecimal(std::string_view t) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, digits = true;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, digits = true;
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        bool expDigits = false;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, expDigits = true;
        if (!expDigits) return false;
    }
    return i == t.size();
}

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
    text = Trimmed(text);
    if (!LooksDecimal(text)) return false;
    if (text.front() == '+') text.remove_prefix(1);
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

}  // namespace

bool ParseSingleField(std::string_view text, float& out) { return ParseNumber(text, out); }
bool ParseDoubleField(std::string_view text, double& out) { return ParseNumber(text, out); }

bool FieldReader::RawField(std::string& out, bool& quoted) {
    if (Failed()) return false;
    while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
    ++fieldNumber_;
    fieldOffset_ = pos_;
    if (pos_ >= data_.size()) return Fail(FieldError::EndOfFile);
    out.clear();
    quoted = data_[pos_] == '"';
    if (quoted) {
        const size_t close = data_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            out.assign(data_.substr(pos_ + 1));
            pos_ = data_.size();
            return true;
        }
        out.assign(data_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\r' &&
               data_[pos_] != '\n') {
            ++pos_;
        }
    } else {
        const size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\r' &&
               data_[pos_] != '\n') {
            ++pos_;
        }
        out.assign(data_.substr(start, pos_ - start));
    }
    // Consume the delimiter: one comma, or one line end (CR LF counts as one).
    if (pos_ < data_.size()) {
        if (data_[pos_] == '\r') {
            ++pos_;
            if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
        } else {
            ++pos_;
        }
    }
    return true;
}

bool FieldReader::ReadText(std::string& out) {
    bool quoted = false;
    return RawField(out, quoted);
}

bool FieldReader::ReadSingle(float& out) {
    std::string text;
    bool quoted = false;
    if (!RawField(text, quoted)) return false;
    if (!ParseSingleField(text, out)) return Fail(FieldError::BadNumber);
    return true;
}

bool FieldReader::ReadDouble(double& out) {
    std::string text;
    bool quoted = false;
    if (!RawField(text, quoted)) return false;
    if (!ParseDoubleField(text, out)) return Fail(FieldError::BadNumber);
    return true;
}

bool FieldReader::ReadCount(int& out) {
    double value = 0;
    if (!ReadDouble(value)) return false;
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0) return Fail(FieldError::CountOutOfRange);
    out = static_cast<int>(whole);
    return true;
}

bool FieldReader::AtEnd() const {
    for (size_t i = pos_; i < data_.size(); ++i) {
        const char c = data_[i];
        if (!IsBlank(c) && c != '\r' && c != '\n') return false;
    }
    return true;
}

std::string FieldReader::Describe() const {
    std::string what;
    switch (error_) {
        case FieldError::None:
            what = "no error";
            break;
        case FieldError::EndOfFile:
            what = "the file ends before all its fields were read";
            break;
        case FieldError::BadNumber:
            what = "not a number";
            break;
        case FieldError::CountOutOfRange:
            what = "count out of range";
            break;
    }
    return "field " + std::to_string(fieldNumber_) + " at byte " + std::to_string(fieldOffset_) +
           ": " + what;
}

}  // namespace bw
