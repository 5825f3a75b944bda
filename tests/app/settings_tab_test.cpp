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
                {"Text5", std::string(45, '9'), "Ejector Clearance Must Not Exceed 1000000"}};
    for (const auto& row : rows) {
        Type(row.box, row.text);
        Click("Command9");
        EXPECT_EQ(TakeMessages(), Messages{row.message + ". Nothing was stored."});
        EXPECT_EQ(SettingsText(), before);
        Click("Command12");
    }
    EXPECT_EQ(Text("Text4") + "|" + Text("Text5"), "HIDDEN| .015");
    EXPECT_EQ(App().State().settings.EjectorClearance, .015f);
    ws_.dir.MakeDir("LT/Brasswick");
    const std::string lt = ws_.dir.Path() + "/LT";
    Type("Text2", lt);
    Type("Text3", ws_.dir.Path());
    Type("Text4", "HID,DEN");
    Type("Text5", ".02");
    EXPECT_EQ(Text("Text5"), "0.020") << "tidied when left";
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{});
    // Separators are added in the file, not in the box; the comma quoted, the clearance bare.
    EXPECT_EQ(SettingsText(),
              "\"" + lt + "/\"\r\n\"" + ws_.dir.Path() + "/\"\r\n\"HID,DEN\"\r\n.02\r\n");
    EXPECT_EQ(Text("Text2"), lt);
    EXPECT_EQ(App().State().ScriptFile, lt + "/Brasswick/Brasswick.scr");
    EXPECT_EQ(App().State().InfoFile, ws_.dir.Path() + "/BW_Info.txt");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized()) << "OK on the Settings tab stays on the tab";
    // A folder in the settings file's place: the replacement fails, the settings stay.
    fs::remove(ws_.ProgramFile("DrawPath.txt"));
    ws_.dir.MakeDir("program/DrawPath.txt");
    Type("Text4", "OTHER");
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{"Settings File Could Not Be Written: " + ws_.program +
                                       "/DrawPath.txt (it is a folder). The previous settings "
                                       "are kept."});
    EXPECT_EQ(App().State().settings.HiddenLayer, "HID,DEN");
    // The clearance box takes only digits and points, however many, typed or pasted; Enter
    // stays in it; leaving it tidies a number only.
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    auto* box = Find<QLineEdit>("Text5");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1a.5-2, 3..");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->text(), "1.523..");
    box->setText("9");
    box->setCursorPosition(0);
    box->insert("1a.5-2");  // as a paste
    EXPECT_EQ(box->text(), "1.529");
    EXPECT_EQ(box->cursorPosition(), 4);
    for (const char* text : {".", "1.2.3"}) {
        Type("Text5", text);
        EXPECT_EQ(Text("Text5"), text);
    }
}

// A CAD folder that holds no Brasswick folder, or a drawing folder that is not there, is
// stored only when the designer says Yes; each Browse button has its own key.
TEST_F(SettingsTabTest, OkAsksBeforeStoringFoldersNoOkCouldUseAndEachBrowseHasItsKey) {
    StartWithInfo();
    const std::string bare = ws_.dir.MakeDir("bare") + "/", gone = ws_.dir.Path() + "/gone/";
    ws_.dir.Write("filed/Brasswick", "");
    const std::string filed = ws_.dir.Path() + "/filed/";
    const std::string noBrasswick = " (it holds no Brasswick folder). No script can be written "
                                    "until it is.\n";
    const std::string noDrawings = " (it does not exist). No insertion info can be read from "
                                   "it.\n";
    const struct {
        std::string cad, drawing, question;
        bool yes;
    } rows[] = {
        {bare, ws_.drawing, "AutoCAD LT Path Not Usable: " + bare + noBrasswick, false},
        {filed, gone, "AutoCAD LT Path Not Usable: " + filed + noBrasswick +
                          "Drawing Path Not Found: " + gone + noDrawings, false},
        {ws_.cad, gone, "Drawing Path Not Found: " + gone + noDrawings, true},
        {ws_.cad, ws_.drawing, "", false},
    };
    for (const auto& row : rows) {
        const std::string before = SettingsText();
        Type("Text2", row.cad);
        Type("Text3", row.drawing);
        toolkit_.answers = {row.yes};
        Click("Command9");
        const Messages asked{"? " + row.question + "\nStore the settings anyway?"};
        EXPECT_EQ(TakeMessages(), row.question.empty() ? Messages{} : asked) << row.cad;
        const bool stored = row.yes || row.question.empty();
        EXPECT_EQ(SettingsText(), stored ? "\"" + row.cad + "\"\r\n\"" + row.drawing +
                                               "\"\r\nHIDDEN\r\n.015\r\n"
                                         : before);
        EXPECT_EQ(App().State().settings.DrawingPath, stored ? row.drawing : ws_.drawing);
    }
    Window().SSTab1()->setCurrentWidget(TabOf("Text2"));
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    // A button's key clicks it a moment later, as the button is seen going down and up.
    QTest::keyClick(&Window(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !toolkit_.folders.empty(); }));
    QTest::keyClick(&Window(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toolkit_.folders.size() > 1; }));
    EXPECT_EQ(toolkit_.folders, (Messages{"Browse Drawing Path " + ws_.drawing,
                                          "Browse AutoCAD LT Path " + ws_.cad}));
}

}  // namespace
}  // namespace bw::test
