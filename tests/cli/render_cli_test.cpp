// `brasswick-script render` and `--svg`: the entity listing of a script, the SVG beside a
// feature's unchanged script bytes, and the usage and script problems.
#include <gtest/gtest.h>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace bw::cli {
namespace {

using test::ReadFile;
using test::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PreviewCli, RenderListsEntitiesInScriptOrder) {
    TempDir dir;
    const std::string script = dir.Write(
        "s.scr",
        "Layer set 0 \r\nARC C 1,1 1,1.25 1,.75 ARC C 2,1 2,.75 2,1.25 Line 1,.75 2,.75  "
        "Line 1,1.25 2,1.25 \r\nLayer set HID \r\nCircle 1,1 D .5\r\ninsert Dmesnote 2,3 .5 .5 "
        "0 12\r\n");
    const Result r = cli::Run({"render", script}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "arc 0 1,1 r=0.25 from=1,1.25 to=1,0.75 at=2:1\n"
              "arc 0 2,1 r=0.25 from=2,0.75 to=2,1.25 at=2:24\n"
              "segment 0 1,0.75 2,0.75 at=2:47\n"
              "segment 0 1,1.25 2,1.25 at=2:65\n"
              "circle HID 1,1 r=0.25 at=4:1\n"
              "insert HID Dmesnote 2,3 scale=0.5,0.5 rotation=0 value=12 at=5:1\n");
}

TEST(PreviewCli, RenderReportsTheScriptsProblemWithItsPosition) {
    TempDir dir;
    const std::string script = dir.Write("bad.scr", "Line 0,0 1,1 \r\nLine 2,2 two,2 \r\n");
    const Result r = cli::Run({"render", script}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, script +
                         ": line 2, column 10 (byte 24): Line expects a point x,y or an empty "
                         "entry, found \"two,2\"\n");
    const Result missing = cli::Run({"render", dir.File("none.scr")}, dir.Path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, dir.File("none.scr") + ": ")) << missing.err;
}

TEST(PreviewCli, RenderWritesSvgInsteadOfTheListing) {
    TempDir dir;
    const std::string script = dir.Write("c.scr", "Layer set H \r\nCircle 0,0 D 2\r\n");
    const Result r = cli::Run(
        {"render", script, "--svg", dir.File("c.svg"), "hidden-layer=H", "base=0,0"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string svg = ReadFile(dir.File("c.svg"));
    EXPECT_TRUE(Contains(svg, "viewBox=\"-1.1 -1.1 2.2 2.2\"")) << svg;
    EXPECT_TRUE(Contains(svg,
                         "<g id=\"hidden\" stroke-dasharray=\"0.04 0.025\">\n"
                         "<circle cx=\"0\" cy=\"0\" r=\"1\"/>\n</g>"));
    // The base point mark: a circle of a fortieth of the larger side.
    EXPECT_TRUE(Contains(svg, "<circle cx=\"0\" cy=\"0\" r=\"0.05\"/>"));
}

TEST(PreviewCli, FeatureWithSvgAndDxfKeepsItsScriptBytesAndWritesTheDrawing) {
    TempDir dir;
    const std::vector<std::string> args = {"ejector",  "pin=.25",          "depth=1", "view=face",
                                           "hidden=1", "hidden-layer=HID", "base=1,1"};
    const Result plain = cli::Run(args, dir.Path());
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    auto withFiles = args;
    withFiles.insert(withFiles.begin() + 2,
                     {"--svg", dir.File("e.svg"), "--dxf", dir.File("e.dxf")});
    const Result r = cli::Run(withFiles, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, plain.out);
    EXPECT_EQ(r.out,
              "Layer set 0 \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .265\r\n"
              "Layer set 0 \r\n");
    const std::string svg = ReadFile(dir.File("e.svg"));
    EXPECT_TRUE(Contains(svg, "<g id=\"solid\">\n<circle cx=\"1\" cy=\"-1\" r=\"0.125\"/>\n</g>"))
        << svg;
    EXPECT_TRUE(Contains(svg, "<circle cx=\"1\" cy=\"-1\" r=\"0.1325\"/>"));
    // The DXF: based on the insertion point, the hidden layer dashed, the bore on it.
    const std::string dxf = ReadFile(dir.File("e.dxf"));
    EXPECT_TRUE(Contains(dxf, "$INSBASE\r\n 10\r\n1\r\n 20\r\n1\r\n")) << dxf;
    EXPECT_TRUE(Contains(dxf, "LAYER\r\n  2\r\nHID\r\n 70\r\n0\r\n 62\r\n7\r\n  6\r\nHIDDEN\r\n"));
    EXPECT_TRUE(Contains(dxf,
                         "CIRCLE\r\n  8\r\nHID\r\n 10\r\n1\r\n 20\r\n1\r\n 30\r\n0\r\n"
                         " 40\r\n0.1325\r\n"));
}

TEST(PreviewCli, RenderWritesDxfOrSaysWhyItCannot) {
    TempDir dir;
    const std::string good = dir.Write("g.scr", "insert Dmesnote 2,3 1 1 0 12\r\n");
    Result r = cli::Run({"render", good, "layer=NOTES", "--dxf", dir.File("g.dxf")}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(Contains(ReadFile(dir.File("g.dxf")),
                         "INSERT\r\n  8\r\nNOTES\r\n 66\r\n1\r\n  2\r\nDmesnote\r\n"));
    const std::string bad = dir.Write("b.scr", "Layer set A|B \r\n");
    r = cli::Run({"render", bad, "--dxf", dir.File("b.dxf")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, dir.File("b.dxf") +
                         ": the drawing cannot be written as DXF: the layer name \"A|B\" holds a "
                         "character DXF forbids in names (one of <>/\\\":;?*|,=` or a control "
                         "character)\n");
    EXPECT_EQ(ReadFile(dir.File("b.dxf")), "<missing>");
}

TEST(PreviewCli, FeatureWhoseCheckFailsWritesNoSvg) {
    TempDir dir;
    const Result r = cli::Run({"ejector", "--svg", dir.File("e.svg")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "You Must Select Pin Size\n");
    EXPECT_EQ(ReadFile(dir.File("e.svg")), "<missing>");
}

TEST(PreviewCli, AnSvgThatCannotBeWrittenFailsTheFeature) {
    TempDir dir;
    const std::string svg = dir.File("no/such/folder/e.svg");
    const Result r = cli::Run({"ejector", "pin=.25", "depth=1", "--svg", svg}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(svg + ": ", 0), 0u) << r.err;
}

TEST(PreviewCli, UsageErrors) {
    TempDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"ejector", "pin=.25", "--svg"},
          std::vector<std::string>{"render"},
          std::vector<std::string>{"render", "x.scr", "colour=red"},
          std::vector<std::string>{"render", "x.scr", "base=1"},
          std::vector<std::string>{"render", "x.scr", "--svg", "a", "--svg", "b"},
          std::vector<std::string>{"render", "x.scr", "--dxf"},
          std::vector<std::string>{"corenote", "--dxf", "a", "--dxf", "b"},
          std::vector<std::string>{"check", "--svg", "a.svg"},
          std::vector<std::string>{"check", "--dxf", "a.dxf"}}) {
        const Result r = cli::Run(args, dir.Path());
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args.back();
        EXPECT_TRUE(Contains(r.err, "brasswick-script render SCRIPT")) << r.err;
    }
}

}  // namespace
}  // namespace bw::cli
