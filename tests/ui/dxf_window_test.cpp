// The window's DXF: "Save DXF..." under the preview, and Brasswick.dxf beside the script.
#include <QCheckBox>
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

namespace fs = std::filesystem;
using DxfWindowTest = WindowTest;

// The upper pin bore from x = 3.5 to 4.5 on the hidden layer, and the insertion point (2.5, 3)
// as the file's base point, so an inserted block lands where the script would draw.
void ExpectEjectorDxf(const std::string& path) {
    const std::string dxf = ReadFile(path);
    EXPECT_NE(dxf.find("  8\r\nHIDDEN\r\n 10\r\n3.5\r\n 20\r\n3.125\r\n 30\r\n0\r\n 11\r\n4.5\r\n"),
              std::string::npos);
    EXPECT_NE(dxf.find("$INSBASE\r\n 10\r\n2.5\r\n 20\r\n3\r\n"), std::string::npos);
    EXPECT_TRUE(dxf.ends_with("  0\r\nEOF\r\n"));
}

TEST_F(DxfWindowTest, SaveDxfWritesThePageDrawingAndTheSettingsBoxOneBesideEveryScript) {
    const std::string out = ws_.dir.MakeDir("out"), beside = ws_.cad + "Brasswick/Brasswick.dxf";
    const std::string settingsFile = SettingsText();
    // On the info (2.5, 3) on WALLS, with the ejector's 1/4 pin and depth 1 picked, or not.
    const auto start = [this](bool pick) {
        StartWithInfo("A,2.5,3,1,1,[WALLS]");
        if (pick) Do("pick List1 9; pick List2 6");
    };
    start(false);
    Click("CommandDxf");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"}) << "and no file asked for";
    start(true);
    toolkit_.saveAnswer = QString::fromStdString(out + "/e.dxf");
    Click("CommandDxf");
    EXPECT_EQ(TakeMessages(), Messages{});
    ExpectEjectorDxf(out + "/e.dxf");
    // Saving is not an OK: no script, the info still unused, the window still up.
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());
    // The next chooser opens where the last DXF went; a folder as the target says why.
    start(true);
    toolkit_.saveAnswer = QString::fromStdString(out);
    Click("CommandDxf");
    EXPECT_EQ(toolkit_.saveStarts, (Messages{ws_.drawing + "Ejector Pin Holes.dxf .dxf",
                                             out + "/Ejector Pin Holes.dxf .dxf"}));
    EXPECT_EQ(TakeMessages(),
              Messages{"DXF File Could Not Be Written: " + out + " (it is a folder)"});
    Click("Command1");
    EXPECT_NE(ws_.Script(), "<missing>");
    EXPECT_FALSE(Exists(beside)) << "not on the first start";
    // Set and stored: kept by the next start, outside the four-line settings file.
    Click("CheckDxf");
    Click("Command9");
    EXPECT_EQ(SettingsText(), settingsFile);
    start(true);
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{});
    ExpectEjectorDxf(beside);
    // Unticked without OK, Cancel shows the stored choice again.
    Click("CheckDxf");
    Click("Command12");
    EXPECT_TRUE(Find<QCheckBox>("CheckDxf")->isChecked());
    // A DXF that cannot be written never stops the script.
    fs::remove(beside);
    fs::remove(ws_.ScriptPath());
    ws_.dir.MakeDir("cad/Brasswick/Brasswick.dxf");
    start(true);
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{"DXF File Could Not Be Written: " + beside +
                                       " (it is a folder). The script was written."});
    EXPECT_NE(ws_.Script(), "<missing>");
    EXPECT_TRUE(Window().isMinimized());
}

}  // namespace
}  // namespace bw::test
