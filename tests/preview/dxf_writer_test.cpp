// The DXF file of small drawings, byte for byte: the skeleton every reader needs, each
// entity's groups, the layer table's linetypes, the note blocks, and the drawings that
// cannot be written. "|" stands for the CR LF that ends every line.
#include "preview/dxf_writer.h"

#include <gtest/gtest.h>

namespace bw::preview {
namespace {

std::string Lines(std::string text) {
    std::string out;
    for (char c : text) out += c == '|' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::string Dxf(const std::string& script, const DxfOptions& options = {}) {
    const DxfResult r = DxfFromScript(script, options);
    EXPECT_TRUE(r.dxf) << r.problem;
    return r.dxf.value_or("");
}

const char* const kNotes =
    "insert Dmesnote 2,3 .5 .5 0 12\r\ninsert DMESNOTE 0,0 1 1 0 3\r\ninsert Other 2,3 4 4 0 x\r\n";

TEST(PreviewDxf, AnEmptyDrawingIsTheWholeSkeleton) {
    EXPECT_EQ(Dxf(""),
              Lines("  0|SECTION|  2|HEADER|"
                    "  9|$ACADVER|  1|AC1009|  9|$DWGCODEPAGE|  3|ANSI_1252|"
                    "  9|$INSUNITS| 70|1|  9|$MEASUREMENT| 70|0|  9|$INSBASE| 10|0| 20|0| 30|0|"
                    "  9|$EXTMIN| 10|0| 20|0| 30|0|  9|$EXTMAX| 10|0| 20|0| 30|0|"
                    "  0|ENDSEC|"
                    "  0|SECTION|  2|TABLES|"
                    "  0|TABLE|  2|LTYPE| 70|2|"
                    "  0|LTYPE|  2|CONTINUOUS| 70|0|  3|Solid line| 72|65| 73|0| 40|0|"
                    "  0|LTYPE|  2|HIDDEN| 70|0|  3|Hidden __ __ __ __| 72|65| 73|2| 40|0.375|"
                    " 49|0.25| 49|-0.125|"
                    "  0|ENDTAB|"
                    "  0|TABLE|  2|LAYER| 70|1|  0|LAYER|  2|0| 70|0| 62|7|  6|CONTINUOUS|"
                    "  0|ENDTAB|"
                    "  0|TABLE|  2|STYLE| 70|1|"
                    "  0|STYLE|  2|STANDARD| 70|0| 40|0| 41|1| 50|0| 71|0| 42|0.2|  3|txt|  4||"
                    "  0|ENDTAB|"
                    "  0|ENDSEC|"
                    "  0|SECTION|  2|BLOCKS|  0|ENDSEC|"
                    "  0|SECTION|  2|ENTITIES|  0|ENDSEC|"
                    "  0|EOF|"));
}

TEST(PreviewDxf, PartsOfSmallDrawings) {
    const struct {
        const char* script;
        std::string part;  // from its first two groups to the next ENDSEC or ENDTAB
        DxfOptions options = {};
    } cases[] = {
        // Nine digits, never -0.
        {"Line -4.371139E-08,1234567.8 .50392157,-0 \r\n",
         "  0|SECTION|  2|ENTITIES|"
         "  0|LINE|  8|0| 10|-4.371139e-08| 20|1234567.8| 30|0| 11|0.50392157| 21|0| 31|0|"},
        // Three quarters counter-clockwise: 90 to 0, not 360; a three-point arc given
        // clockwise is written counter-clockwise.
        {"ARC C 1,1 1,2 2,1 ARC 0,-1 -1,0 0,1 ",
         "  0|SECTION|  2|ENTITIES|  0|ARC|  8|0| 10|1| 20|1| 30|0| 40|1| 50|90| 51|0|"
         "  0|ARC|  8|0| 10|0| 20|0| 30|0| 40|1| 50|90| 51|270|"},
        // Core note: the attribute a sixteenth below the base point, at the insert's scale.
        {"insert Dmesnote 2,3 .5 .5 0 12\r\n",
         "  0|SECTION|  2|ENTITIES|"
         "  0|INSERT|  8|0| 66|1|  2|Dmesnote| 10|2| 20|3| 30|0| 41|0.5| 42|0.5| 50|0|"
         "  0|ATTRIB|  8|0| 10|2| 20|2.96875| 30|0| 40|0.0625|  1|12|  2|NUMBER| 70|0| 50|0|"
         " 41|1| 72|1| 11|2| 21|2.96875| 31|0| 74|2|  0|SEQEND|  8|0|"},
        // A turned insert turns its attribute; unequal scales widen it.
        {"insert Dmehnote 1,1 2 1 90 -7\r\n",
         "  0|SECTION|  2|ENTITIES|"
         "  0|INSERT|  8|0| 66|1|  2|Dmehnote| 10|1| 20|1| 30|0| 41|2| 42|1| 50|90|"
         "  0|ATTRIB|  8|0| 10|1.0625| 20|1| 30|0| 40|0.125|  1|-7|  2|NUMBER| 70|0| 50|90|"
         " 41|2| 72|1| 11|1.0625| 21|1| 31|0| 74|2|  0|SEQEND|  8|0|"},
        // The hidden layer apart from the current one is drawn HIDDEN.
        {"Layer set HID \r\nLine 0,0 1,0 \r\nLayer set CUR \r\n",
         "  0|TABLE|  2|LAYER| 70|3|  0|LAYER|  2|0| 70|0| 62|7|  6|CONTINUOUS|"
         "  0|LAYER|  2|CUR| 70|0| 62|7|  6|CONTINUOUS|"
         "  0|LAYER|  2|HID| 70|0| 62|7|  6|HIDDEN|",
         {"CUR", "HID", {}}},
        // A hidden layer that is the current one: nothing to tell apart.
        {"Layer set Cur \r\nLine 0,0 1,0 \r\n",
         "  0|TABLE|  2|LAYER| 70|2|  0|LAYER|  2|0| 70|0| 62|7|  6|CONTINUOUS|"
         "  0|LAYER|  2|CUR| 70|0| 62|7|  6|CONTINUOUS|",
         {"CUR", "cur", {}}},
        // Names that differ in case are one layer, spelled as first used.
        {"Layer set hid \r\nLine 0,0 1,0 \r\nLayer set HID \r\nLine 1,0 2,0 \r\n",
         "  0|TABLE|  2|LAYER| 70|2|  0|LAYER|  2|0| 70|0| 62|7|  6|CONTINUOUS|"
         "  0|LAYER|  2|hid| 70|0| 62|7|  6|HIDDEN|",
         {"0", "HID", {}}},
        // Each inserted block is defined once, with its attribute.
        {kNotes,
         "  0|SECTION|  2|BLOCKS|"
         "  0|BLOCK|  8|0|  2|Dmesnote| 70|2| 10|0| 20|0| 30|0|  3|Dmesnote|"
         "  0|CIRCLE|  8|0| 10|0| 20|0| 30|0| 40|0.25|"
         "  0|TEXT|  8|0| 10|0| 20|0.125| 30|0| 40|0.08|  1|C| 72|1| 11|0| 21|0.125| 31|0| 73|2|"
         "  0|ATTDEF|  8|0| 10|0| 20|-0.0625| 30|0| 40|0.125|  1||  3|Core number|"
         "  2|NUMBER| 70|0| 72|1| 11|0| 21|-0.0625| 31|0| 74|2|  0|ENDBLK|  8|0|"
         "  0|BLOCK|  8|0|  2|Other| 70|2| 10|0| 20|0| 30|0|  3|Other|"
         "  0|CIRCLE|  8|0| 10|0| 20|0| 30|0| 40|0.25|"
         "  0|ATTDEF|  8|0| 10|0| 20|-0.0625| 30|0| 40|0.125|  1||  3|Core number|"
         "  2|NUMBER| 70|0| 72|1| 11|0| 21|-0.0625| 31|0| 74|2|  0|ENDBLK|  8|0|"},
        // The file's base point is the insertion point; the extent holds each note's circle
        // at its scale: 0,0 r .25 and 2,3 r 1.
        {kNotes,
         "  9|$INSBASE| 10|2| 20|-3.5| 30|0|  9|$EXTMIN| 10|-0.25| 20|-0.25| 30|0|"
         "  9|$EXTMAX| 10|3| 20|4| 30|0|",
         {"0", {}, Point{2, -3.5}}},
    };
    for (const auto& c : cases) {
        const std::string dxf = Dxf(c.script, c.options);
        const std::string part = Lines(c.part);
        std::size_t from = 0;
        for (int i = 0; i < 4; ++i) from = part.find("\r\n", from) + 2;
        const auto a = dxf.find(part.substr(0, from));
        const auto b =
            std::min(dxf.find(Lines("  0|ENDSEC|"), a), dxf.find(Lines("  0|ENDTAB|"), a));
        EXPECT_EQ(a == std::string::npos ? "" : dxf.substr(a, b - a), part) << c.script;
    }
}

TEST(PreviewDxf, DrawingsThatCannotBeWrittenSayWhy) {
    const std::string forbidden =
        " holds a character DXF forbids in names (one of <>/\\\":;?*|,=` or a control character)";
    const std::pair<const char*, std::string> cases[] = {
        {"Line 0,0 1,1 \r\nLine 2,2 x,2 \r\n",
         "line 2, column 10 (byte 24): Line expects a point x,y or an empty entry, found \"x,2\""},
        {"Layer set A|B \r\n", "the layer name \"A|B\"" + forbidden},
        {"Layer set A\tB \r\n", "the layer name \"A\tB\"" + forbidden},
        {"insert \"N\" 0,0 1 1 0 5\r\n",
         "the block name \"\"N\"\"" + forbidden + " (line 1, column 1)"},
        {"\r\ninsert Dmesnote 0,0 0 1 0 5\r\n",
         "the block Dmesnote is inserted at scale 0, which no CAD program draws (line 2, "
         "column 1)"},
        {"insert Dmesnote 0,0 1 1 0 \x01\r\n",
         "the value of the block Dmesnote holds a control character (line 1, column 1)"},
        {"ARC C 0,0 1,0 1,.0000001 ",
         "an arc is too short for its angles to differ in a DXF file (line 1, column 1)"},
    };
    for (const auto& [script, problem] : cases) {
        const DxfResult r = DxfFromScript(script, {});
        EXPECT_FALSE(r.dxf) << script;
        EXPECT_EQ(r.problem, problem);
    }
}

}  // namespace
}  // namespace bw::preview
