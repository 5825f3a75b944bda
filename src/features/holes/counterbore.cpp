#include "features/holes/counterbore.h"

#include "features/holes/hole_common.h"
#include "tables/field_reader.h"

namespace bw {

CboreTableLoad ParseCboreTable(std::string_view bytes) {
    CboreTableLoad load;
    CboreTable& t = load.table;
    FieldReader reader(bytes);
    if (!holes::ReadLabelledSection(reader, t.labels, {&t.screwDiameter, &t.cboreDiameter})) {
        load.diagnostic = CorruptAt(reader);
    }
    return load;
}

CboreTableLoad LoadCboreTable(const std::string& programFolder) {
    const TableFileBytes file = ReadTableFile(programFolder, "Cbore.dat");
    if (!file.Loaded()) return {{}, file.diagnostic};
    return ParseCboreTable(file.bytes);
}

std::string CboreTableCounts(const CboreTable& table) {
    return holes::CountOf(table.labels.size(), "screw size", "screw sizes");
}

std::optional<std::string> CheckCounterbore(const CounterboreInput& input) {
    if (!input.size) return kSelectScrewSizeMessage;
    // A row whose numbers are missing or unusable would draw a hole of no size.
    if (auto m = SizeMessage(input.size->screwDiameter, "Screw Diameter", kScrewDiameterMessage)) {
        return m;
    }
    return SizeMessage(input.size->cboreDiameter, "Counterbore Diameter", kCboreDiameterMessage);
}

std::string CounterboreScript(const CounterboreInput& input, const DrawContext& c) {
    const PointXY b = c.BasePoint;
    const float screw = input.size->screwDiameter;
    const float cbore = input.size->cboreDiameter;
    if (input.view == View::Face) {
        // The hole stays on the current layer; only the counterbore's edge is hidden.
        std::string s = LayerSetLine(c.CurrentLayer);
        s += CircleLine(b, screw);
        if (input.hidden) s += LayerSetLine(c.HiddenLayer);
        s += CircleLine(b, cbore);
        if (input.hidden) s += LayerSetLine(c.CurrentLayer);
        return s;
    }

    const int a = input.direction;
    const double sd = screw;
    const double halfCbore = static_cast<double>(cbore) / 2.0;
    const double halfScrew = sd / 2.0;
    // The screw's hole runs on three screw diameters below the counterbore.
    const double holeEnd = sd * 4.0;
    using holes::SideViewPoint;
    const PointXY q1 = SideViewPoint(b, a, {0.0}, {halfCbore});
    const PointXY q2 = SideViewPoint(b, a, {sd}, {halfCbore});
    const PointXY q3 = SideViewPoint(b, a, {sd}, {-halfCbore});
    const PointXY q4 = SideViewPoint(b, a, {0.0}, {-halfCbore});
    const PointXY q5 = SideViewPoint(b, a, {sd}, {halfScrew});
    const PointXY q6 = SideViewPoint(b, a, {holeEnd}, {halfScrew});
    const PointXY q7 = SideViewPoint(b, a, {sd}, {-halfScrew});
    const PointXY q8 = SideViewPoint(b, a, {holeEnd}, {-halfScrew});

    std::string s = LayerSetLine(input.hidden ? c.HiddenLayer : c.CurrentLayer);
    s += LineLine(q1, q2);
    s += LineLine(q2, q3);
    s += LineLine(q3, q4);
    s += LineLine(q5, q6);
    s += LineLine(q7, q8);
    if (input.hidden) s += LayerSetLine(c.CurrentLayer);
    return s;
}

}  // namespace bw
