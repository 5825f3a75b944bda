#include "features/pins/core_pin.h"

#include "features/pins/pin_views.h"
#include "tables/field_reader.h"
#include "tables/table_load.h"

namespace bw {

CorePinTableLoad LoadCorePinTable(const std::string& programFolder) {
    CorePinTableLoad result;
    TableFileBytes file = ReadTableFile(programFolder, kCorePinTableFile);
    if (file.diagnostic.status != TableStatus::Loaded) {
        result.diagnostic = file.diagnostic;
        return result;
    }
    CorePinTable& t = result.table;
    FieldReader reader(file.bytes);
    int count = 0;
    if (!reader.ReadCount(count)) {
        result.diagnostic = CorruptAt(reader);
        return result;
    }
    for (int i = 0; i < SectionSize(count); ++i) {
        std::string label;
        if (!reader.ReadText(label)) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
        t.labels.push_back(label);
        t.sizes.emplace_back();
        CorePinSize& size = t.sizes.back();
        if (!reader.ReadSingle(size.pinDiameter) || !reader.ReadSingle(size.headDiameter) ||
            !reader.ReadSingle(size.headLength)) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
    }
    return result;
}

std::optional<std::string> CheckCorePin(const CorePinInput& input) {
    if (!input.size) return "You Must Select Pin Size";
    if (auto m = SizeMessage(input.size->pinDiameter, "Pin Diameter",
                             "Pin Diameter Must Be Greater Than Zero")) {
        return m;
    }
    if (auto m = SizeMessage(input.size->headDiameter, "Head Diameter",
                             "Head Diameter Must Be Greater Than Zero")) {
        return m;
    }
    // The face view never uses the head length.
    if (input.view == View::Face) return std::nullopt;
    return SizeMessage(input.size->headLength, "Head Length",
                       "Head Length Must Be Greater Than Zero");
}

std::string CorePinScript(const CorePinInput& input, const DrawContext& context) {
    const CorePinSize& size = *input.size;
    if (input.view == View::Face) {
        return TwoCircleFace(size.pinDiameter, size.headDiameter, input.hidden, context);
    }
    // The pin lines end four head lengths from the insertion point.
    const double head = size.headLength;
    return SeatAndBoreSide({size.headDiameter, head, size.pinDiameter, 4.0 * head}, input.direction,
                           input.hidden, context);
}

}  // namespace bw
