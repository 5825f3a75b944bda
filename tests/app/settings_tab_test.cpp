// The Settings tab on the real window.
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

class SettingsTabTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        StartWithInfo("A,1,1,1,1,[0]");
    }
    void SetText(const char* box, const std::string& text) {
        Find<QLineEdit>(box)->setText(QString::fromStdString(text));
    }
};

TEST_F(SettingsTabTest, OkStoresWhatReadsBackAndLeavesTheInsertionInfoAlone) {
    const std::string lt = ws_.dir.Path() + "/LT";
    SetText("Text2", lt);
    SetText("Text3", ws_.dir.Path());
    SetText("Text4", "HID,DEN");
    Type("Text5", ".02");
    EXPECT_EQ(Text("Text5"), "0.020") << "tidied when left";
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{});
    // The missing separators are added in the file, not in the box; the comma is quoted and
    // the clearance stored bare.
    EXPECT_EQ(SettingsText(),
              "\"" + lt + "/\"\r\n\"" + ws_.dir.Path() + "/\"\r\n\"HID,DEN\"\r\n.02\r\n");
    EXPECT_EQ(Text("Text2"), lt);
    EXPECT_EQ(App().State().ScriptFile, lt + "/Brasswick/Brasswick.scr");
    EXPECT_EQ(App().State().InfoFile, ws_.dir.Path() + "/BW_Info.txt");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized()) << "OK on the Settings tab stays on the tab";
    main_.reset();
    ASSERT_TRUE(Start());
    EXPECT_EQ(App().State().settings.HiddenLayer, "HID,DEN");
    EXPECT_EQ(App().State().settings.EjectorClearance, 0.02f);
    EXPECT_EQ(Text("Text5"), "0.02");
}

TEST_F(SettingsTabTest, AValueAScriptCannotCarryIsRefusedAndNothingStored) {
    const std::string before = SettingsText();
    const std::string l40(40, 'H');
    const struct {
        const char* box;
        std::string text;
        std::string message;
    } rows[] = {
        {"Text4", "", "Hidden Layer Name Not Usable: \"\" (the layer name is empty)"},
        {"Text4", "TWO WORDS",
         "Hidden Layer Name Not Usable: \"TWO WORDS\" (the layer name holds a blank)"},
        {"Text4", "A\tB",
         "Hidden Layer Name Not Usable: \"A\tB\" (the layer name holds a control character)"},
        {"Text4", "\"Q",
         "Hidden Layer Name Not Usable: \"\"Q\" (the layer name holds a double quote)"},
        {"Text4", std::string(300'000, 'H'),
         "Hidden Layer Name Not Usable: \"" + l40 +
             "...\" (the layer name is longer than 255 characters)"},
        {"Text3", "/d/say \"cheese\"/",
         "Drawing Path Not Usable: \"/d/say \"cheese\"/\" (the path holds a double quote)"},
        {"Text5", std::string(45, '9'), "Ejector Clearance Must Not Exceed 1000000"},
    };
    for (const auto& row : rows) {
        SetText(row.box, row.text);
        Click("Command9");
        EXPECT_EQ(TakeMessages(), Messages{row.message + ". Nothing was stored."});
        EXPECT_EQ(SettingsText(), before);
        Click("Command12");  // Cancel brings back the stored values
    }
    EXPECT_EQ(Text("Text2"), ws_.cad);
    EXPECT_EQ(Text("Text3"), ws_.drawing);
    EXPECT_EQ(Text("Text4"), "HIDDEN");
    EXPECT_EQ(Text("Text5"), " .015");
    EXPECT_EQ(App().State().settings.HiddenLayer, "HIDDEN");
    EXPECT_EQ(App().State().settings.DrawingPath, ws_.drawing);
    // The ejector draws with the stored clearance: a bore .125 + .015 wide.
    Pick("List1", 4);
    Pick("List2", 2);
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\nLine 1,1.07 1.5,1.07 \r\nLine 1.5,1.07 1.5,.93 \r\n"
              "Line 1.5,.93 1,.93 \r\nLine 1.5,1.0625 2,1.0625 \r\nLine 1.5,.9375 2,.9375 \r\n"
              "Layer set 0 \r\n");
}

TEST_F(SettingsTabTest, ASettingsFileThatCannotBeWrittenKeepsThePreviousSettings) {
    // A folder in the settings file's place makes the replacement fail.
    std::filesystem::remove(ws_.ProgramFile("DrawPath.txt"));
    ws_.dir.MakeDir("program/DrawPath.txt");
    SetText("Text2", "/elsewhere/");
    SetText("Text4", "OTHER");
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{"Settings File Could Not Be Written: " + ws_.program +
                                       "/DrawPath.txt (it is a folder). The previous settings "
                                       "are kept."});
    EXPECT_EQ(App().State().settings.CadPath, ws_.cad);
    EXPECT_EQ(App().State().settings.HiddenLayer, "HIDDEN");
    EXPECT_EQ(App().State().ScriptFile, ws_.cad + "Brasswick/Brasswick.scr");
}

TEST_F(SettingsTabTest, BrowsingFillsTheBoxesAndARootFolderKeepsOneSeparator) {
    toolkit_.folderAnswers = {"/", QString::fromStdString(ws_.dir.Path() + "/drawings")};
    Click("Command7");
    Click("Command8");
    Click("Command8");  // cancelled: changes nothing
    EXPECT_EQ(toolkit_.folderTitles,
              (std::vector<std::string>{"Browse AutoCAD LT Path", "Browse Drawing Path",
                                        "Browse Drawing Path"}));
    // Each chooser opens at the folder its box holds, not at the working folder.
    EXPECT_EQ(toolkit_.folderStarts, (std::vector<std::string>{ws_.cad, ws_.drawing, ws_.drawing}));
    EXPECT_EQ(Text("Text2"), "/");
    EXPECT_EQ(Text("Text3"), ws_.drawing);
    EXPECT_EQ(App().State().PickedCadPath, "/");
    EXPECT_EQ(App().State().settings.CadPath, ws_.cad) << "only OK stores the settings";
}

TEST_F(SettingsTabTest, TheClearanceBoxTakesOnlyDigitsAndPointsAndIgnoresEnter) {
    auto* box = Find<QLineEdit>("Text5");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1a.5-2");
    QWidget* before = QApplication::focusWidget();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(box->text(), "1.52");
}

}  // namespace
}  // namespace bw::test
