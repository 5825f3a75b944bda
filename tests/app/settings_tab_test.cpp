// The Settings tab on the real window.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "app/settings_tab.h"
#include "support/window_fixture.h"

namespace bw::test {
namespace {

using Messages = std::vector<std::string>;

class SettingsTabTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ws_.WriteInfo("A,1,1,1,1,[0]");
        ASSERT_TRUE(Start());
        Window().showNormal();
        TakeMessages();
    }
    std::string SettingsText() const { return ReadFile(ws_.ProgramFile("DrawPath.txt")); }
};

TEST_F(SettingsTabTest, OkAddsTheMissingSeparatorInTheFileButNotInTheBox) {
    const std::string lt = ws_.dir.Path() + "/LT";
    Find<QLineEdit>("Text2")->setText(QString::fromStdString(lt));
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(App().State().settings.CadPath, lt + "/");
    EXPECT_EQ(App().State().ScriptFile, lt + "/Brasswick/Brasswick.scr");
    EXPECT_EQ(Find<QLineEdit>("Text2")->text().toStdString(), lt);
    EXPECT_EQ(SettingsText(), "\"" + lt + "/\"\r\n\"" + ws_.drawing + "\"\r\nHIDDEN\r\n.015\r\n");
    EXPECT_FALSE(Window().isMinimized()) << "OK on the Settings tab stays on the tab";
}

TEST_F(SettingsTabTest, ClearanceIsStoredBareAndShownWithALeadingZeroNextStart) {
    Type("Text5", ".02");
    EXPECT_EQ(Find<QLineEdit>("Text5")->text(), "0.020") << "tidied when left";
    Click("Command9");
    EXPECT_EQ(SettingsText(),
              "\"" + ws_.cad + "\"\r\n\"" + ws_.drawing + "\"\r\nHIDDEN\r\n.02\r\n");
    EXPECT_EQ(App().State().settings.EjectorClearance, 0.02f);
    main_.reset();
    ASSERT_TRUE(Start());
    EXPECT_EQ(Find<QLineEdit>("Text5")->text(), "0.02");
}

TEST_F(SettingsTabTest, ALayerNameWithACommaIsQuotedSoItReadsBack) {
    Find<QLineEdit>("Text4")->setText("HID,DEN");
    Click("Command9");
    EXPECT_EQ(SettingsText(),
              "\"" + ws_.cad + "\"\r\n\"" + ws_.drawing + "\"\r\n\"HID,DEN\"\r\n.015\r\n");
    main_.reset();
    ASSERT_TRUE(Start());
    EXPECT_EQ(App().State().settings.HiddenLayer, "HID,DEN");
}

TEST_F(SettingsTabTest, ALayerNameAScriptCannotCarryIsRefusedAndNothingStored) {
    const std::string before = SettingsText();
    const struct {
        const char* name;
        const char* problem;
    } cases[] = {{"", "the layer name is empty"},
                 {"TWO WORDS", "the layer name holds a blank"},
                 {"A\tB", "the layer name holds a control character"},
                 {"\"Q", "the layer name holds a double quote"}};
    for (const auto& c : cases) {
        Find<QLineEdit>("Text4")->setText(c.name);
        Click("Command9");
        EXPECT_EQ(TakeMessages(), Messages{std::string("Hidden Layer Name Not Usable: \"") +
                                           c.name + "\" (" + c.problem + "). Nothing was stored."});
        EXPECT_EQ(SettingsText(), before);
        EXPECT_EQ(App().State().settings.HiddenLayer, "HIDDEN");
    }
}

TEST_F(SettingsTabTest, ASettingsFileThatCannotBeWrittenKeepsThePreviousSettings) {
    // A folder in the settings file's place makes the replacement fail.
    std::filesystem::remove(ws_.ProgramFile("DrawPath.txt"));
    ws_.dir.MakeDir("program/DrawPath.txt");
    Find<QLineEdit>("Text2")->setText("/elsewhere/");
    Find<QLineEdit>("Text4")->setText("OTHER");
    Click("Command9");
    EXPECT_EQ(TakeMessages(), Messages{"Settings File Could Not Be Written: " + ws_.program +
                                       "/DrawPath.txt (it is a folder). The previous settings "
                                       "are kept."});
    EXPECT_EQ(App().State().settings.CadPath, ws_.cad);
    EXPECT_EQ(App().State().settings.HiddenLayer, "HIDDEN");
    EXPECT_EQ(App().State().ScriptFile, ws_.cad + "Brasswick/Brasswick.scr");
}

TEST_F(SettingsTabTest, CancelBringsBackTheStoredValues) {
    Find<QLineEdit>("Text2")->setText("x");
    Find<QLineEdit>("Text3")->setText("y");
    Find<QLineEdit>("Text4")->setText("z");
    Find<QLineEdit>("Text5")->setText("9");
    Click("Command12");
    EXPECT_EQ(Find<QLineEdit>("Text2")->text().toStdString(), ws_.cad);
    EXPECT_EQ(Find<QLineEdit>("Text3")->text().toStdString(), ws_.drawing);
    EXPECT_EQ(Find<QLineEdit>("Text4")->text(), "HIDDEN");
    EXPECT_EQ(Find<QLineEdit>("Text5")->text(), " .015");
    EXPECT_EQ(TakeMessages(), Messages{});
}

TEST_F(SettingsTabTest, BrowsingFillsTheBoxesAndARootFolderKeepsOneSeparator) {
    toolkit_.folderAnswers = {"/", QString::fromStdString(ws_.dir.Path() + "/drawings")};
    Click("Command7");
    Click("Command8");
    EXPECT_EQ(toolkit_.folderTitles,
              (std::vector<std::string>{"Browse AutoCAD LT Path", "Browse Drawing Path"}));
    // Each chooser opens at the folder its box holds, not at the working folder.
    EXPECT_EQ(toolkit_.folderStarts, (std::vector<std::string>{ws_.cad, ws_.drawing}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "/");
    EXPECT_EQ(Find<QLineEdit>("Text3")->text().toStdString(), ws_.drawing);
    EXPECT_EQ(App().State().PickedCadPath, "/");
    EXPECT_EQ(App().State().settings.CadPath, ws_.cad) << "only OK stores the settings";
}

TEST_F(SettingsTabTest, ACancelledBrowseChangesNothing) {
    Click("Command7");
    EXPECT_EQ(Find<QLineEdit>("Text2")->text().toStdString(), ws_.cad);
    EXPECT_EQ(App().State().PickedCadPath, "");
}

TEST_F(SettingsTabTest, OkDoesNotTouchTheInsertionInfoFlag) {
    ASSERT_TRUE(App().State().InsertionInfoRead);
    Find<QLineEdit>("Text3")->setText(QString::fromStdString(ws_.dir.Path()));
    Click("Command9");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_EQ(App().State().InfoFile, ws_.dir.Path() + "/BW_Info.txt");
}

TEST_F(SettingsTabTest, TheClearanceBoxTakesOnlyDigitsAndPointsAndIgnoresEnter) {
    auto* box = Find<QLineEdit>("Text5");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1a.5-2");
    EXPECT_EQ(box->text(), "1.52");
    QWidget* before = QApplication::focusWidget();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(box->text(), "1.52");
}

TEST_F(SettingsTabTest, TheCadPathBoxBringsTheSettingsTabToTheFront) {
    Window().showNormal();
    Window().activateWindow();
    Window().SSTab1()->setCurrentIndex(0);
    Find<QLineEdit>("Text2")->setFocus(Qt::OtherFocusReason);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Find<QLineEdit>("Text2"), &in);
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 7);
}

}  // namespace
}  // namespace bw::test
