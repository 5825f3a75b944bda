// The Settings tab on the real window.
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

namespace fs = std::filesystem;

using SettingsTabTest = WindowTest;

TEST_F(SettingsTabTest, BrowseRefusalsCancelOkAndTheClearanceBoxsFilter) {
    // Stored without separators: found in the drawing folder only when they are added.
    const std::string base = "\"" + ws_.dir.Path();
    ws_.dir.Write("program/DrawPath.txt", base + "/cad\"," + base + "/drawings\",HIDDEN,.015");
    StartWithInfo();
    EXPECT_EQ(Text("Text5"), "0.015");
    toolkit_.folderAnswers = {"/", QString::fromStdString(ws_.dir.Path() + "/drawings")};
    Click("Command7");
    Click("Command8");
    Click("Command8");  // cancelled: changes nothing
    EXPECT_EQ(toolkit_.folders,
              (Messages{"Browse AutoCAD LT Path " + ws_.cad, "Browse Drawing Path " + ws_.drawing,
                        "Browse Drawing Path " + ws_.drawing}));
    EXPECT_EQ(Text("Text2") + "|" + Text("Text3"), "/|" + ws_.drawing);
    EXPECT_EQ(App().State().settings.CadPath, ws_.cad) << "only OK stores the settings";
    Click("Command12");
    EXPECT_EQ(Text("Text2") + "|" + Text("Text3"), ws_.cad + "|" + ws_.drawing);
    const std::string before = SettingsText();
    const struct {
        const char* box;
        std::string text, message;
    } rows[] = {{"Text4", "\"Q",
                 "Hidden Layer Name Not Usable: \"\"Q\" (the layer name holds a double quote)"},
                {"Text5", std::string(45, '9'), "Ejector Clearance Must Not Exceed 1000000"},
                {"Text5", "1//64", "Ejector Clearance Is Not A Number: 1//64"}};
    for (const auto& row : rows) {
        Type(row.box, row.text);
        Click("Command9");
        EXPECT_EQ(TakeMessages(), Messages{row.message + ". Nothing was stored."});
        EXPECT_EQ(SettingsText(), before);
        Click("Command12");
    }
    EXPECT_EQ(Text("Text4") + "|" + Text("Text5"), "HIDDEN| .015");
    EXPECT_EQ(App().State().settings.EjectorClearance, .015f);
    const std::string lt = ws_.dir.Path() + "/LT", gone = ws_.dir.Path() + "/gone";
    Type("Text2", lt);
    Type("Text3", gone);
    Type("Text4", "HID,DEN");
    Type("Text5", ".02");
    EXPECT_EQ(Text("Text5"), "0.020") << "tidied when left";
    // Folders no OK could use are stored only when the designer says Yes.
    const Messages asked{"? AutoCAD LT Path Not Usable: " + lt +
                         "/ (it holds no Brasswick folder). No script can "
                         "be written until it is.\nDrawing Path Not Found: " +
                         gone +
                         "/ (it does not exist). No "
                         "insertion info can be read from it.\n\nStore the settings anyway?"};
    for (const bool yes : {false, true}) {
        toolkit_.answer = yes;
        Click("Command9");
        EXPECT_EQ(TakeMessages(), asked);
        EXPECT_EQ(SettingsText() == before, !yes) << "stored only on Yes";
    }
    // Separators are added in the file, not in the box; the comma quoted, the clearance bare.
    EXPECT_EQ(SettingsText(), "\"" + lt + "/\"\r\n\"" + gone + "/\"\r\n\"HID,DEN\"\r\n.02\r\n");
    EXPECT_EQ(Text("Text2"), lt);
    EXPECT_EQ(App().State().ScriptFile, lt + "/Brasswick/Brasswick.scr");
    EXPECT_EQ(App().State().InfoFile, gone + "/BW_Info.txt");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized()) << "OK on the Settings tab stays on the tab";
    // Usable folders: no question; the companion beside the script names the new files, and
    // one that cannot be replaced is reported without touching the stored settings.
    ws_.dir.MakeDir("gone");
    ws_.dir.MakeDir("LT/Brasswick/Brasswick.lsp");
    const std::string companion = lt + "/Brasswick/Brasswick.lsp";
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{"AutoCAD Companion Could Not Be Written: " + companion +
                                       " (it is a folder). BWPLACE and BWDRAW keep the paths "
                                       "of the copy written before."});
    fs::remove(companion);
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_NE(ReadFile(companion).find("(setq bw:script-file \"" + lt +
                                       "/Brasswick/Brasswick.scr\")\r\n"),
              std::string::npos);
    // A folder in the settings file's place: the replacement fails, the settings stay.
    fs::remove(ws_.ProgramFile("DrawPath.txt"));
    ws_.dir.MakeDir("program/DrawPath.txt");
    Type("Text4", "OTHER");
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{"Settings File Could Not Be Written: " + ws_.program +
                                       "/DrawPath.txt (it is a folder). The previous settings "
                                       "are kept."});
    EXPECT_EQ(App().State().settings.HiddenLayer, "HID,DEN");
    // The clearance box takes digits, points, however many, and a fraction's "/" and blank,
    // typed or pasted; Enter stays in it.
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    auto* box = Find<QLineEdit>("Text5");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1a.5-2, 3..");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->text(), "1.52 3..");
    box->setText("9");
    box->setCursorPosition(0);
    box->insert("1a.5-2");  // as a paste
    EXPECT_EQ(box->text(), "1.529");
    EXPECT_EQ(box->cursorPosition(), 4);
    // Each Browse button has a key of its own, which clicks it a moment later.
    toolkit_.folders.clear();
    Window().SSTab1()->setCurrentWidget(TabOf("Text2"));
    for (const Qt::Key key : {Qt::Key_R, Qt::Key_B}) {
        QTest::keyClick(&Window(), key, Qt::AltModifier);
        QTest::qWait(300);
    }
    EXPECT_EQ(toolkit_.folders,
              (Messages{"Browse Drawing Path " + gone, "Browse AutoCAD LT Path " + lt}));
}

}  // namespace
}  // namespace bw::test
