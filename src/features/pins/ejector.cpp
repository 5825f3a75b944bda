#include "features/pins/ejector.h"

#include "features/pins/pin_views.h"
#include "tables/labelled_section.h"

namespace bw {

EjectorTableLoad ParseEjectorTable(std::string_view bytes) {
    EjectorTableLoad load;
    EjectorTable& t = load.table;
    // A pin size is listed once its diameter is read, a depth before its depth is.
    ReadSections(
        bytes,
        {{{kEjectorTableFile, "pin size", false}, t.pinLabels, {{"diameter", t.pinDiameters}}},
         {{kEjectorTableFile, "depth", true}, t.depthLabels, {{"depth", t.depths}}}},
        load.diagnostic);
    return load;
}

EjectorTableLoad LoadEjectorTable(const std::string& programFolder) {
    return LoadTableFile<EjectorTable>(programFolder, kEjectorTableFile, ParseEjectorTable);
}

std::string EjectorTableCounts(const EjectorTable& table) {
    return SectionCounts(
        {{table.pinLabels.size(), "pin size"}, {table.depthLabels.size(), "depth"}});
}

std::optional<std::string> CheckEjector(const EjectorInput& input) {
    if (!input.pinDiameter) return "You Must Select Pin Size";
    if (auto m = SizeMessage(*input.pinDiameter, "Pin Diameter",
                             "Pin Diameter Must Be Greater Than Zero")) {
        return m;
    }
    if (input.placement.view == View::Side) {
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
    if (input.placement.view == View::Face)
        return TwoCircleFace(pin, bore, input.placement.hidden, context);
    return SeatAndBoreSide({bore, *input.depth, pin, 2.0 * *input.depth}, input.placement, context);
}

}  // namespace bw
