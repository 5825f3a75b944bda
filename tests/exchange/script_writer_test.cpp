// Each command form a feature writes, byte for byte: in a script every blank is an Enter, so
// one blank more or less changes what the CAD side draws.
#include "exchange/script_writer.h"

#include <gtest/gtest.h>

#include <functional>

namespace bw {
namespace {

TEST(ScriptWriter, EachFormWritesItsExactBytes) {
    const PointXY a{1.0f, 1.0f}, b{2.5f, -0.25f}, c{0.0f, 1e-8f};
    struct Case {
        const char* form;
        std::function<void(ScriptWriter&)> write;
        const char* bytes;
    };
    const Case cases[] = {
        {"layer", [](ScriptWriter& w) { w.LayerSet("HIDDEN"); }, "Layer set HIDDEN \r\n"},
        {"line, two points",
         [&](ScriptWriter& w) {
             w.Line({a, b});
         },
         "Line 1,1 2.5,-.25 \r\n"},
        {"closed chain ended by a second blank",
         [&](ScriptWriter& w) {
             w.Line({a, b, c, a}, ChainEnd::TwoBlanks);
         },
         "Line 1,1 2.5,-.25 0,1E-08 1,1  "},
        {"thread line",
         [&](ScriptWriter& w) {
             w.LowerCaseLine({a, b, c});
         },
         "line 1,1 2.5,-.25 0,1E-08 \r\n"},
        {"circle by diameter", [&](ScriptWriter& w) { w.Circle(a, 0.015f); },
         "Circle 1,1 D .015\r\n"},
        {"circle, fifteen digits",
         [&](ScriptWriter& w) { w.Circle(a, 0.19f + 0.0625, NumberForm::Fifteen); },
         "Circle 1,1 D .252499997615814\r\n"},
        {"circle, plain form", [&](ScriptWriter& w) { w.Circle(b, 0.1875f, NumberForm::Plain); },
         "Circle 2.5,-.25 D 0.1875\r\n"},
        {"circle with the typed diameter",
         [&](ScriptWriter& w) { w.CircleWithDiameterText(a, "1.500"); }, "Circle 1,1 D 1.500\r\n"},
        {"circle by radius", [&](ScriptWriter& w) { w.CircleByRadius(a, 0.5f); },
         "Circle 1,1 .5\r\n"},
        {"arc about a centre", [&](ScriptWriter& w) { w.ArcAboutCentre(a, b, c); },
         "ARC C 1,1 2.5,-.25 0,1E-08 "},
        {"three-point arc", [&](ScriptWriter& w) { w.ArcThroughThreePoints(a, b, c); },
         "ARC 1,1 2.5,-.25 0,1E-08 "},
        {"insert", [&](ScriptWriter& w) { w.Insert("Dmesnote", b, 0.5f, 12); },
         "insert Dmesnote 2.5,-.25 .5 .5 0 12\r\n"},
        {"line end", [](ScriptWriter& w) { w.EndLine(); }, "\r\n"},
    };
    for (const Case& k : cases) {
        std::string script = "x";
        ScriptWriter w(script);
        k.write(w);
        EXPECT_EQ(script, std::string("x") + k.bytes) << k.form;
    }
}

}  // namespace
}  // namespace bw
