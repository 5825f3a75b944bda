// `brasswick-script render` and `--svg`/`--dxf`: the listing of a script file, the drawing
// files beside a feature's unchanged script bytes, and the usage, file and script problems.
// The listing, SVG and DXF themselves are checked in the preview's own tests.
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

TEST(PreviewCli, RenderListsTheScriptFileOrNamesItInItsProblem) {
    TempDir dir;
    const std::string good =
        dir.Write("s.scr",
                  "Layer set 0 \r\nARC C 1,1 1,1.25 1,.75 Line 1,.75 2,.75 \r\n"
                  "Layer set HID \r\ninsert Dmesnote 2,3 .5 .5 0 12\r\n");
    Result r = cli::Run({"render", good}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "arc 0 1,1 r=0.25 from=1,1.25 to=1,0.75 at=2:1\n"
              "segment 0 1,0.75 2,0.75 at=2:24\n"
              "insert HID Dmesnote 2,3 scale=0.5,0.5 rotation=0 value=12 at=4:1\n");
    const std::string bad = dir.Write("bad.scr", "Line 0,0 1,1 \r\nLine 2,2 two,2 \r\n");
    r = cli::Run({"render", bad}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, bad +
                         ": line 2, column 10 (byte 24): Line expects a point x,y or an empty "
                         "entry, found \"two,2\"\n");
    r = cli::Run({"render", dir.File("none.scr")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, dir.File("none.scr") + ": ")) << r.err;
}

TEST(PreviewCli, RenderWritesSvgOrDxfInsteadOfTheListingOrSaysWhyItCannot) {
    TempDir dir;
    const std::string script =
        dir.Write("c.scr", "Circle 0,0 D 2\r\nLayer set H \r\nCircle 0,0 D 1\r\n");
    Result r = cli::Run({"render", script, "--svg", dir.File("c.svg"), "hidden-layer=H", "base=0,0",
                         "--dxf", dir.File("c.dxf"), "layer=NOTES"},
                        dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    // The hidden circle dashed and the base point marked; the first circle on the start layer
    // and the hidden one dashed in the DXF.
    const std::string svg = ReadFile(dir.File("c.svg"));
    EXPECT_TRUE(
        Contains(svg, "stroke-dasharray=\"0.04 0.025\">\n<circle cx=\"0\" cy=\"0\" r=\"0.5\"/>"))
        << svg;
    EXPECT_TRUE(Contains(svg, "<circle cx=\"0\" cy=\"0\" r=\"0.05\"/>"));
    const std::string dxf = ReadFile(dir.File("c.dxf"));
    EXPECT_TRUE(Contains(dxf, "CIRCLE\r\n  8\r\nNOTES\r\n")) << dxf;
    EXPECT_TRUE(Contains(dxf, "LAYER\r\n  2\r\nH\r\n 70\r\n0\r\n 62\r\n7\r\n  6\r\nHIDDEN\r\n"));
    const std::string bad = dir.Write("b.scr", "Layer set A|B \r\n");
    r = cli::Run({"render", bad, "--dxf", dir.File("b.dxf")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, dir.File("b.dxf") +
                         ": the drawing cannot be written as DXF: the layer name \"A|B\" holds a "
                         "character DXF forbids in names (one of <>/\\\":;?*|,=` or a control "
                         "character)\n");
    EXPECT_EQ(ReadFile(dir.File("b.dxf")), "<missing>");
}

TEST(PreviewCli, AFeatureWritesItsDrawingOnlyBesideItsUnchangedScript) {
    TempDir dir;
    const std::string bytes =
        "Layer set 0 \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .265\r\nLayer set 0 "
        "\r\n";
    Result r = cli::Run({"ejector", "pin=.25", "--svg", dir.File("e.svg"), "--dxf",
                         dir.File("e.dxf"), "view=face", "hidden-layer=HID"},
                        dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, bytes);
    EXPECT_TRUE(Contains(ReadFile(dir.File("e.svg")), "<circle cx=\"1\" cy=\"-1\" r=\"0.1325\"/>"));
    EXPECT_TRUE(
        Contains(ReadFile(dir.File("e.dxf")),
                 "CIRCLE\r\n  8\r\nHID\r\n 10\r\n1\r\n 20\r\n1\r\n 30\r\n0\r\n 40\r\n0.1325\r\n"));
    // A failed check writes no drawing; a drawing that cannot be written fails the feature.
    r = cli::Run({"ejector", "--svg", dir.File("f.svg")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "You Must Select Pin Size\n");
    EXPECT_EQ(ReadFile(dir.File("f.svg")), "<missing>");
    const std::string nowhere = dir.File("no/such/folder/e.svg");
    r = cli::Run({"ejector", "pin=.25", "depth=1", "--svg", nowhere}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(nowhere + ": ", 0), 0u) << r.err;
}

TEST(PreviewCli, UsageErrors) {
    using Args = std::vector<std::string>;
    for (const Args& args :
         {Args{"ejector", "pin=.25", "--svg"}, Args{"render"},
          Args{"render", "x.scr", "colour=red"}, Args{"render", "x.scr", "base=1"},
          Args{"render", "x.scr", "--svg", "a", "--svg", "b"}, Args{"render", "x.scr", "--dxf"},
          Args{"corenote", "--dxf", "a", "--dxf", "b"}, Args{"check", "--svg", "a.svg"},
          Args{"check", "--dxf", "a.dxf"}}) {
        const Result r = cli::Run(args, ".");
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args.back();
        EXPECT_TRUE(Contains(r.err, "brasswick-script render SCRIPT")) << r.err;
    }
}

}  // namespace
}  // namespace bw::cli
