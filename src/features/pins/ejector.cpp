#include "features/pins/ejector.h"

#include "features/pins/pin_views.h"
#include "tables/field_reader.h"
#include "tables/table_load.h"

namespace bw {

EjectorTableLoad LoadEjectorTable(const std::string& programFolder) {
    EjectorTableLoad result;
    TableFileBytes file = ReadTableFile(programFolder, kEjectorTableFile);
    if (file.diagnostic.status != TableStatus::Loaded) {
        result.diagnostic = file.diagnostic;
        return result;
    }
    EjectorTable& t = result.table;
    FieldReader reader(file.bytes);
    int pins = 0;
    if (!reader.ReadCount(pins)) {
        result.diagnostic = CorruptAt(reader);
        return result;
    }
    for (int i = 0; i < SectionSize(pins); ++i) {
        std::string label;
        float diameter = 0.0f;
        if (!reader.ReadText(label) || !reader.ReadSingle(diameter)) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
        t.pinLabels.push_back(label);
        t.pinDiameters.push_back(diameter);
    }
    int depths = 0;
    if (!reader.ReadCount(depths)) {
        result.diagnostic = CorruptAt(reader);
        return result;
    }
    for (int j = 0; j < SectionSize(depths); ++j) {
        std::string label;
        if (!reader.ReadText(label)) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
        // The label is listed before its depth is read.
        t.depthLabels.push_back(label);
        t.depths.push_back(0.0f);
        if (!reader.ReadSingle(t.depths.back())) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
    }
    return result;
}

std::optional<std::string> CheckEjector(const EjectorInput& input) {
    if (!input.pinDiameter) return "You Must Select Pin Size";
    if (auto m = SizeMessage(*input.pinDiameter, "Pin Diameter",
                             "Pin Diameter Must Be Greater Than Zero")) {
        return m;
    }
    if (input.view == View::Side) {
        if (!input.depth) return "You Must Select Depth";
        return SizeMessage(*input.depth, "Depth", "Depth Must Be Greater Than Zero");
    }
    return std::nullopt;
}

std::string EjectorScript(const EjectorInput& input, const DrawContext& context) {
    const float pin = *input.pinDiameter;
    // The clearance is added to the diameter once, not on each side.
    const float bore = static_cast<float>(static_cast<double>(pin) +
                                          static_cast<double>(context.EjectorClearance));
    if (input.view == View::Face) return TwoCircleFace(pin, bore, input.hidden, context);
    return SeatAndBoreSide({bore, *input.depth, pin, 2.0 * *input.depth}, input.direction,
                           input.hidden, context);
}

}  // namespace bw
