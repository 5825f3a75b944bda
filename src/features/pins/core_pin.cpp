#include "features/pins/core_pin.h"

#include "features/pins/pin_views.h"
#include "tables/labelled_section.h"

namespace bw {

CorePinTableLoad ParseCorePinTable(std::string_view bytes) {
    CorePinTableLoad load;
    FieldReader reader(bytes);
    std::vector<float> pin, head, headLength;
    ReadLabelledSection(
        reader, {kCorePinTableFile, "core pin size"}, load.table.labels,
        {{"pin diameter", pin}, {"head diameter", head}, {"head length", headLength}},
        load.diagnostic);
    for (size_t i = 0; i < load.table.labels.size(); ++i) {
        load.table.sizes.push_back({pin[i], head[i], headLength[i]});
    }
    return load;
}

CorePinTableLoad LoadCorePinTable(const std::string& programFolder) {
    return LoadTableFile<CorePinTable>(programFolder, kCorePinTableFile, ParseCorePinTable);
}

std::string CorePinTableCounts(const CorePinTable& table) {
    return CountOf(table.labels.size(), "core pin size", "core pin sizes");
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
    if (input.placement.view == View::Face) return std::nullopt;
    return SizeMessage(input.size->headLength, "Head Length",
                       "Head Length Must Be Greater Than Zero");
}

std::string CorePinScript(const CorePinInput& input, const DrawContext& context) {
    const CorePinSize& size = *input.size;
    if (input.placement.view == View::Face) {
        return TwoCircleFace(size.pinDiameter, size.headDiameter, input.placement.hidden, context);
    }
    // The pin lines end four head lengths from the insertion point.
    const double head = size.headLength;
    return SeatAndBoreSide({size.headDiameter, head, size.pinDiameter, 4.0 * head}, input.placement,
                           context);
}

}  // namespace bw
