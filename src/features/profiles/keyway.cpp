#include "features/profiles/keyway.h"

#include <cmath>

#include "exchange/script_writer.h"
#include "tables/labelled_section.h"

namespace bw {

KeywayTableLoad ParseKeywayTable(std::string_view bytes) {
    KeywayTableLoad load;
    KeywayTable& t = load.table;
    ReadSections(
        bytes,
        {{{"Keyway.dat", "key width"}, t.keyWidths.labels, {{"key width", t.keyWidths.values}}},
         {{"Keyway.dat", "diameter"}, t.diameters.labels, {{"diameter", t.diameters.values}}}},
        load.diagnostic);
    return load;
}

KeywayTableLoad LoadKeywayTable(const std::string& programFolder) {
    return LoadTableFile<KeywayTable>(programFolder, "Keyway.dat", ParseKeywayTable);
}

std::string KeywayTableCounts(const KeywayTable& table) {
    return SectionCounts(
        {{table.keyWidths.size(), "key width"}, {table.diameters.size(), "diameter"}});
}

std::optional<std::string> CheckKeyway(const KeywayInput& input) {
    const float key = BoxSingle(input.keyWidthText);
    if (auto m = SizeMessage(key, "Key Width", "You Must Enter Key Width")) return m;
    const float diameter = BoxSingle(input.diameterText);
    if (auto m = SizeMessage(diameter, "Shaft Diameter", "You Must Enter Shaft Diameter")) {
        return m;
    }
    const float threeKeys = 3.0f * key;
    if (threeKeys > diameter) return "Ket Width Is Excessive";
    return std::nullopt;
}

std::string KeywayScript(const KeywayInput& input, const DrawContext& context) {
    const float key = BoxSingle(input.keyWidthText);
    const float diameter = BoxSingle(input.diameterText);
    const double h = key / 2.0f;
    const double r = diameter / 2.0f;
    const double x = context.BasePoint.X;
    const double y = context.BasePoint.Y;
    const double s = std::sqrt(r * r - h * h);
    // The height of the circular segment that the key-width chord cuts off the top.
    const double e = static_cast<float>(r - s);
    const bool shaft = input.kind == KeywayKind::Shaft;

    auto single = [](double v) { return static_cast<float>(v); };
    const PointXY t1{single(x - h), single((y + r) - e)};
    const PointXY t4{single(x + h), single((y + r) - e)};
    // The keyway is as deep as half the key, measured from the chord: into a shaft, out of a
    // bore.
    const float t2y = shaft ? single((y + r) - (e + h)) : single(((y + r) - e) + h);
    const PointXY t2{single(x - h), t2y};
    const PointXY t3{single(x + h), t2y};

    // A hub keyway is the bore's outline and is never hidden.
    std::string script;
    ScriptWriter w(script);
    const bool hidden = input.placement.hidden;
    // A hub's "hidden" layer is the current one: the layer is set all the same.
    w.OnLayer(hidden, {context.CurrentLayer, shaft ? context.HiddenLayer : context.CurrentLayer},
              [&] {
                  // Three sides, closed by the second blank; what follows goes on the same
                  // text line.
                  w.Line({t1, t2, t3, t4}, ChainEnd::TwoBlanks);
                  if (hidden) w.LayerSet(context.CurrentLayer);
                  if (shaft) {
                      w.CircleByRadius(context.BasePoint, single(r));
                  } else {
                      // The bore runs from T1 counter-clockwise round the bottom to T4,
                      // leaving the keyway's opening free.
                      w.ArcAboutCentre(context.BasePoint, t1, t4);
                  }
              });
    return script;
}

}  // namespace bw
