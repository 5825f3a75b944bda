#include "exchange/insertion_info.h"

#include "exchange/field_reader.h"
#include "exchange/files.h"
#include "exchange/limits.h"

namespace bw {

std::string LayerNameProblem(std::string_view name) {
    if (name.empty()) return "the layer name is empty";
    if (name.size() > kLongestLayerName) return "the layer name is longer than 255 characters";
    for (unsigned char c : name) {
        if (c == ' ') return "the layer name holds a blank";
        if (c < 0x20 || c == 0x7f) return "the layer name holds a control character";
    }
    return {};
}

std::string ShownName(std::string_view name) {
    constexpr size_t kShown = 40;
    if (name.size() <= kShown) return std::string(name);
    return std::string(name.substr(0, kShown)) + "...";
}

std::string NotUsableMessage(const std::string& what, std::string_view name,
                             const std::string& problem) {
    return what + " Not Usable: \"" + ShownName(name) + "\" (" + problem + ")";
}

namespace {

// Why the point or the scale cannot be drawn with, or empty.
std::string PlacementProblem(float x, float y, float scale) {
    if (!IsUsableCoordinate(x) || !IsUsableCoordinate(y)) {
        return "the insertion point lies beyond 1000000";
    }
    switch (ClassifySize(scale)) {
        case SizeClass::Usable:
            return {};
        case SizeClass::TooLarge:
            return "the scale exceeds 1000000";
        case SizeClass::TooSmall:
            return "the scale is below .0001";
        default:
            return "the scale is not above zero";
    }
}

}  // namespace

InfoReadResult ParseInsertionInfo(std::string_view contents) {
    InfoReadResult result;
    FieldReader reader(contents);
    std::string ignored;
    float x = 0, y = 0, scale = 0;
    std::string layer;
    reader.ReadText(ignored);
    reader.ReadSingle(x);
    reader.ReadSingle(y);
    reader.ReadSingle(scale);  // field 4 is read and then replaced by field 5
    reader.ReadSingle(scale);
    reader.ReadText(layer);
    if (reader.Failed()) {
        result.status = InfoStatus::Malformed;
        result.problem = reader.Error() == FieldError::EndOfFile
                             ? "it holds fewer than six fields"
                             : "field " + std::to_string(reader.FieldNumber()) + " is not a number";
        return result;
    }
    if (layer.size() < 2) {
        result.status = InfoStatus::Malformed;
        result.problem = "the layer field is shorter than two characters";
        return result;
    }
    if (const std::string problem = PlacementProblem(x, y, scale); !problem.empty()) {
        result.status = InfoStatus::Malformed;
        result.problem = problem;
        return result;
    }
    layer = layer.substr(1, layer.size() - 2);
    if (const std::string problem = LayerNameProblem(layer); !problem.empty()) {
        result.status = InfoStatus::Malformed;
        result.problem = problem;
        return result;
    }
    result.status = InfoStatus::Read;
    result.info.BasePoint = {x, y};
    result.info.InsertScale = scale;
    result.info.CurrentLayer = layer;
    return result;
}

InfoReadResult ReadInsertionInfoFile(const std::string& path) {
    if (!FileExists(path)) return InfoReadResult{};
    const FileRead file = ReadWholeFile(path);
    if (!file.ok) {
        InfoReadResult result;
        result.status = InfoStatus::Malformed;
        result.problem = "it cannot be read (" + file.error + ")";
        return result;
    }
    InfoReadResult result = ParseInsertionInfo(file.bytes);
    if (result.status == InfoStatus::Read) {
        if (auto error = DeleteFile(path)) result.deleteError = *error;
    }
    return result;
}

std::string MalformedInfoMessage(const std::string& path, const std::string& problem) {
    return "Insertion Info File Is Malformed: " + path + " (" + problem +
           "). The file was left in place and nothing was drawn.";
}

}  // namespace bw
