#include "features/holes/counterbore.h"

#include "exchange/script_writer.h"
#include "tables/labelled_section.h"

namespace bw {

CboreTableLoad ParseCboreTable(std::string_view bytes) {
    CboreTableLoad load;
    CboreTable& t = load.table;
    FieldReader reader(bytes);
    ReadLabelledSection(
        reader, {"Cbore.dat", "screw size"}, t.labels,
        {{"screw diameter", t.screwDiameter}, {"counterbore diameter", t.cboreDiameter}},
        load.diagnostic);
    return load;
}

CboreTableLoad LoadCboreTable(const std::string& programFolder) {
    return LoadTableFile<CboreTable>(programFolder, "Cbore.dat", ParseCboreTable);
}

std::string CboreTableCounts(const CboreTable& table) {
    return CountOf(table.labels.size(), "screw size", "screw sizes");
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
    if (input.placement.view == View::Face) {
        // The hole stays on the current layer; only the counterbore's edge is hidden.
        std::string s;
        ScriptWriter w(s);
        w.LayerSet(c.CurrentLayer);
        w.Circle(b, screw);
        w.OnLayer(
            input.placement.hidden, c.layers(), [&] { w.Circle(b, cbore); }, false);
        return s;
    }

    const Direction a = input.placement.direction;
    const double sd = screw;
    const double halfCbore = static_cast<double>(cbore) / 2.0;
    const double halfScrew = sd / 2.0;
    // The screw's hole runs on three screw diameters below the counterbore.
    const double holeEnd = sd * 4.0;
    const PointXY q1 = Turned(b, a, {0.0}, {halfCbore});
    const PointXY q2 = Turned(b, a, {sd}, {halfCbore});
    const PointXY q3 = Turned(b, a, {sd}, {-halfCbore});
    const PointXY q4 = Turned(b, a, {0.0}, {-halfCbore});
    const PointXY q5 = Turned(b, a, {sd}, {halfScrew});
    const PointXY q6 = Turned(b, a, {holeEnd}, {halfScrew});
    const PointXY q7 = Turned(b, a, {sd}, {-halfScrew});
    const PointXY q8 = Turned(b, a, {holeEnd}, {-halfScrew});

    std::string s;
    ScriptWriter w(s);
    w.OnLayer(input.placement.hidden, c.layers(), [&] {
        w.Line({q1, q2});
        w.Line({q2, q3});
        w.Line({q3, q4});
        w.Line({q5, q6});
        w.Line({q7, q8});
    });
    return s;
}

}  // namespace bw
