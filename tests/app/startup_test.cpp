// Start-up of the real window on a folder of its own.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

#include "app/about_tab.h"
#include "exchange/files.h"
#include "support/window_fixture.h"

namespace bw::test {
namespace {

class StartUpTest : public WindowTest {};

TEST_F(StartUpTest, TheWindowHasItsCaptionFifteenTabsAndTwoButtons) {
    ws_.WriteInfo("A,2,3,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Window().windowTitle(), "Brasswick for AutoCAD LT");
    QTabWidget* tabs = Window().SSTab1();
    ASSERT_EQ(tabs->count(), 15);
    const char* captions[] = {"Ejector Pin Holes",  "Core Pins",   "Tapped Holes", "Counterbores",
                              "Core Note",          "Threads",     "About",        "Settings",
                              "Slotted Holes",      "Simple Cams", "Keyways",      "Taper Pins",
                              "Center Drill Holes", "Shafts",      "Drilled Holes"};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(tabs->tabText(i), captions[i]) << i;
    EXPECT_EQ(Find<QPushButton>("Command10")->text(), "&Cancel");
    EXPECT_EQ(Find<QPushButton>("Command11")->text(), "&Quit");

    // At the default size every caption is in the page list, whole and in view, and one
    // click brings its page to the front.
    Window().showNormal();
    QApplication::processEvents();
    QListWidget* list = Window().PageList();
    ASSERT_EQ(list->count(), 15);
    for (int i = 0; i < 15; ++i) {
        const QRect row = list->visualItemRect(list->item(i));
        EXPECT_EQ(list->item(i)->text(), captions[i]) << i;
        EXPECT_TRUE(list->viewport()->rect().contains(row)) << captions[i];
        EXPECT_GE(row.width(), list->fontMetrics().horizontalAdvance(captions[i])) << captions[i];
    }
    for (int i : {14, 0, 13, 7, 5}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(i)).center());
        EXPECT_EQ(tabs->currentIndex(), i) << captions[i];
        EXPECT_TRUE(tabs->currentWidget()->isVisible()) << captions[i];
    }
    // SSTab1 keeps its role: setting its index brings the page forward and names it.
    tabs->setCurrentIndex(11);
    EXPECT_EQ(list->currentRow(), 11);
}

TEST_F(StartUpTest, TabEntersThePageEnterOnAChoicePressesItsOkEscapeOrCancelMinimise) {
    StartWithInfo("A,4,5,1,1,[L1]");
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    // Tab from the page list goes on into the page.
    Window().PageList()->setFocus();
    QTest::keyClick(Window().PageList(), Qt::Key_Tab);
    EXPECT_TRUE(Window().SSTab1()->currentWidget()->isAncestorOf(QApplication::focusWidget()));
    auto* list1 = Find<QListWidget>("List1");
    list1->setFocus();
    QTest::keyClick(list1, Qt::Key_Return);
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    // Ctrl+Tab moves through the pages, and back with Shift.
    QTest::keyClick(list1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 1);
    QTest::keyClick(&Window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 0);
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_TRUE(Window().isMinimized());
    Window().showNormal();
    Click("Command10");
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_FALSE(Window().Ended());
    EXPECT_TRUE(App().State().InsertionInfoRead) << "Cancel keeps what was read";
    EXPECT_EQ(App().State().info.BasePoint, (PointXY{4.0f, 5.0f}));
}

TEST_F(StartUpTest, TheInsertionInfoIsConsumedOrTheDefaultsUsedWithOneMessage) {
    const struct {
        const char* info;  // nullptr: no file
        Messages messages;
        PointXY point;
        const char* layer;
    } rows[] = {
        {"A, 2.5, 3, 7, 0.5, [WALLS]\r\n", {}, {2.5f, 3.0f}, "WALLS"},
        {nullptr, {"Insertion Info NOT Found, Using Defaults"}, {1.0f, 1.0f}, "0"},
        {"A,1,1",
         {"Insertion Info File Is Malformed: <info> (it holds fewer than six fields). The file "
          "was left in place and nothing was drawn."},
         {1.0f, 1.0f},
         "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.info ? row.info : "no file");
        if (row.info) ws_.WriteInfo(row.info);
        ASSERT_TRUE(Start());
        Messages expected = row.messages;
        for (std::string& m : expected) {
            if (auto at = m.find("<info>"); at != std::string::npos)
                m.replace(at, 6, ws_.InfoPath());
        }
        EXPECT_EQ(toolkit_.messageTitles, std::vector<std::string>(expected.size(), "Brasswick"));
        EXPECT_EQ(TakeMessages(), expected);
        const Module1& s = App().State();
        EXPECT_EQ(s.InsertionInfoRead, expected.empty());
        EXPECT_EQ(s.info.BasePoint, row.point);
        EXPECT_EQ(s.info.CurrentLayer, row.layer);
        // A read file is consumed; a malformed one stays for the CAD side.
        EXPECT_EQ(ReadFile(ws_.InfoPath()), row.info && !expected.empty() ? row.info : "<missing>");
        EXPECT_TRUE(Window().isMinimized());
        std::filesystem::remove(ws_.InfoPath());
    }
    const Module1& s = App().State();
    EXPECT_EQ(s.SettingsFile, ws_.program + "/DrawPath.txt");
    EXPECT_EQ(s.ScriptFile, ws_.cad + "Brasswick/Brasswick.scr");
    EXPECT_EQ(s.settings.HiddenLayer, "HIDDEN");
    EXPECT_EQ(s.settings.EjectorClearance, 0.015f);
}

TEST_F(StartUpTest, MissingTablesAreReportedInTheLoadingOrder) {
    for (const char* name :
         {"ejector.dat", "Corepin.dat", "Cbore.dat", "Tap.dat", "Corenum.dat", "Thread.dat",
          "Slot.dat", "Keyway.dat", "000", "001", "002", "Drill.dat", "Csink.dat"}) {
        std::filesystem::remove(ws_.ProgramFile(name));
    }
    ws_.WriteInfo("A,1,1,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Ejector Data File NOT Found", "Core Data File NOT Found",
                        "Counterbore Data File NOT Found", "Tap Data File NOT Found",
                        "Core Number Data File NOT Found", "Thread Data File NOT Found",
                        "Slot Data File NOT Found", "Keyway Data File NOT Found",
                        "Taper Pin Diameter File NOT Found", "Plain Centerdrill File NOT Found",
                        "Bell Centerdrill File NOT Found", "Drill Data File NOT Found",
                        "Countersink Data File NOT Found"}));
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(StartUpTest, FirstRunWithBothFoldersChosenStoresNothingEvenOnQuit) {
    std::filesystem::remove(ws_.ProgramFile("DrawPath.txt"));
    toolkit_.folderAnswers = {QString::fromStdString(ws_.dir.Path() + "/cad"),
                              QString::fromStdString(ws_.dir.Path() + "/drawings")};
    ASSERT_TRUE(Start());
    EXPECT_EQ(toolkit_.folderTitles,
              (std::vector<std::string>{"Browse AutoCAD LT Path", "Browse Drawing Path"}));
    EXPECT_EQ(TakeMessages(), (Messages{"Use Settings To Assign Hidden Layer",
                                        "Insertion Info NOT Found, Using Defaults"}));
    const Module1& s = App().State();
    EXPECT_EQ(s.settings.CadPath, ws_.cad);
    EXPECT_EQ(s.settings.DrawingPath, ws_.drawing);
    EXPECT_EQ(s.settings.HiddenLayer, "0");
    EXPECT_EQ(s.ScriptFile, ws_.cad + "Brasswick/Brasswick.scr");
    EXPECT_EQ(Text("Text2"), ws_.cad);
    EXPECT_EQ(Text("Text4"), "0");
    EXPECT_EQ(Text("Text5"), ".015");
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 7);
    EXPECT_TRUE(Window().isMinimized());
    // Quit ends at once and stores nothing, so the next start repeats the first run.
    Find<QLineEdit>("Text4")->setText("EDITED");
    Click("Command11");
    EXPECT_TRUE(Window().Ended());
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(Exists(ws_.ProgramFile("DrawPath.txt")));
    toolkit_.folderTitles.clear();
    toolkit_.folderAnswers = {QString::fromStdString(ws_.cad), QString::fromStdString(ws_.drawing)};
    ASSERT_TRUE(Start());
    EXPECT_EQ(toolkit_.folderTitles.size(), 2u);
}

TEST_F(StartUpTest, FirstRunWithTheDrawingFolderCancelledEndsTheProgram) {
    std::filesystem::remove(ws_.ProgramFile("DrawPath.txt"));
    toolkit_.folderAnswers = {QString::fromStdString(ws_.cad), QString()};
    EXPECT_FALSE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Program Will NOT Function Without Path Settings"});
    EXPECT_TRUE(Window().Ended());
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(StartUpTest, AnUnreadableSettingsFileIsReportedKeptAndTheFoldersAskedFor) {
    ws_.dir.Write("program/DrawPath.txt", "\"/a/\"\r\n\"/b/\"\r\n");
    toolkit_.folderAnswers = {QString::fromStdString(ws_.cad), QString::fromStdString(ws_.drawing)};
    ws_.WriteInfo("A,1,1,1,1,[0]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Settings File Could Not Be Read: " + ws_.program +
                            "/DrawPath.txt (it holds fewer than four fields). Choose the "
                            "folders again; the file is replaced only when you press OK on "
                            "the Settings tab.",
                        "Use Settings To Assign Hidden Layer"}));
    EXPECT_EQ(SettingsText(), "\"/a/\"\r\n\"/b/\"\r\n");
}

TEST_F(StartUpTest, StoredPathsWithoutTrailingSeparatorGetOne) {
    ws_.dir.Write("program/DrawPath.txt",
                  "\"" + ws_.dir.Path() + "/cad\",\"" + ws_.dir.Path() + "/drawings\",HID,.02");
    // Found in the drawing folder only when the separator was added.
    StartWithInfo("A,1,1,1,1,[0]");
    EXPECT_EQ(App().State().settings.CadPath, ws_.cad);
    EXPECT_EQ(Text("Text2"), ws_.cad);
    EXPECT_EQ(Text("Text5"), "0.02");
}

TEST_F(StartUpTest, AboutShowsTheFileExactlyOrTheBuiltInText) {
    const struct {
        const char* file;  // nullptr: no Brasswick.msg
        std::string text;
    } rows[] = {
        {"Line one\r\nLine two\r\n", "Line one\r\nLine two\r\n"},
        {"", ""},
        {nullptr, "Brasswick For AutoCAD LT\r\nVersion 2.5\r\n"},
    };
    for (const auto& row : rows) {
        if (row.file) {
            ws_.dir.Write("program/Brasswick.msg", row.file);
        } else {
            std::filesystem::remove(ws_.ProgramFile("Brasswick.msg"));
        }
        ASSERT_TRUE(Start());
        const std::string text = Window().findChild<AboutTab*>()->AboutText();
        EXPECT_EQ(row.file ? text : text.substr(0, row.text.size()), row.text);
        EXPECT_EQ(
            Find<QPlainTextEdit>("Text1")->toPlainText(),
            QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    // The built-in text names the script with the platform's separator.
    EXPECT_NE(BuiltInAboutText().find(std::string("Brasswick") + kPathSeparator + "Brasswick.scr"),
              std::string::npos);
}

TEST_F(StartUpTest, TheWindowComesBackWithItsSizeAndPage) {
    ASSERT_TRUE(Start());
    Window().showNormal();
    Window().resize(1234, 654);
    Window().SSTab1()->setCurrentIndex(13);
    Click("Command11");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 13);
    EXPECT_EQ(Window().PageList()->currentRow(), 13);
    Window().showNormal();
    EXPECT_EQ(Window().size(), QSize(1234, 654));
}

}  // namespace
}  // namespace bw::test
