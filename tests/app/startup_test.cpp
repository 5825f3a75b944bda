// Start-up of the real window on a folder of its own, and the frame every feature OK runs in.
#include <QApplication>
#include <QLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "app/pages.h"
#include "exchange/files.h"
#include "support/window_fixture.h"
#include "ui/preview_pane.h"

namespace bw::test {
namespace {

namespace fs = std::filesystem;
using StartUpTest = WindowTest;

// The pages are as wide as the page in front needs, not as the widest page: the preview takes
// what a narrow page leaves.
TEST_F(StartUpTest, FifteenCaptionsInViewOneClickBringsAnyPageForwardThePreviewTakesTheRest) {
    // Every registry row is a page with its tab, in the registry's order: the features, then
    // a rule, then About and Settings in the list beside the tabs.
    const std::vector<FeatureRow>& rows = Registry();
    std::vector<std::string> captions;
    std::vector<int> rowOf;
    int features = 0, others = 0;
    for (const FeatureRow& r : rows) {
        ASSERT_NE(TabMaker(r.caption), nullptr) << r.caption << " has no page";
        captions.push_back(r.caption);
        rowOf.push_back(r.command.empty() ? -1 - others++ : features++);
    }
    for (int& at : rowOf) at = at < 0 ? features - at : at;
    StartWithInfo();
    EXPECT_EQ(Window().windowTitle(), "Brasswick for AutoCAD LT");
    EXPECT_EQ(Find<QPushButton>("Command10")->text() + Find<QPushButton>("Command11")->text(),
              "&Cancel&Quit");
    QTabWidget* tabs = Window().SSTab1();
    QListWidget* list = Window().PageList();
    auto* preview = Window().findChild<PreviewPane*>();
    ASSERT_NE(preview, nullptr);
    ASSERT_EQ(tabs->count(), static_cast<int>(rows.size()));
    ASSERT_EQ(list->count(), static_cast<int>(rows.size()) + 1);
    EXPECT_EQ(list->item(features)->flags(), Qt::NoItemFlags);
    int narrow = 0, wide = 0, narrowPreview = 0, widePreview = 0;
    std::vector<int> order(rows.size());
    for (int i = 0; i < static_cast<int>(order.size()); ++i) order[i] = i;
    order.insert(order.end(), {0, 7});
    for (int i : order) {
        const QRect row = list->visualItemRect(list->item(rowOf[i]));
        EXPECT_EQ(tabs->tabText(i).toStdString(), captions[i]);
        EXPECT_EQ(list->item(rowOf[i])->text().toStdString(), captions[i]);
        EXPECT_TRUE(list->viewport()->rect().contains(row)) << captions[i];
        EXPECT_GE(row.width(),
                  list->fontMetrics().horizontalAdvance(QString::fromStdString(captions[i])))
            << captions[i];
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(tabs->currentIndex(), i) << captions[i];
        QWidget* page = tabs->currentWidget();
        EXPECT_TRUE(page->isVisible()) << captions[i];
        Window().layout()->activate();
        EXPECT_GE(page->width(), page->sizeHint().width()) << captions[i];
        if (page->sizeHint().width() < tabs->widget(narrow)->sizeHint().width()) narrow = i;
        if (page->sizeHint().width() > tabs->widget(wide)->sizeHint().width()) wide = i;
        if (i == narrow) narrowPreview = preview->width();
        if (i == wide) widePreview = preview->width();
    }
    EXPECT_GT(narrowPreview, widePreview + 50) << "pages " << narrow << " and " << wide;
    tabs->setCurrentIndex(11);  // SSTab1 keeps its role: the list names the page in front
    EXPECT_EQ(list->currentRow(), rowOf[11]);
}

TEST_F(StartUpTest, TabEntersThePageCtrlTabTurnsPagesEscapeCancelMinimiseQuitKeepsSizeAndPage) {
    StartWithInfo("A,4,5,1,1,[L1]");
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Window().PageList()->setFocus();
    QTest::keyClick(Window().PageList(), Qt::Key_Tab);
    EXPECT_TRUE(Window().SSTab1()->currentWidget()->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 1);
    QTest::keyClick(&Window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 0);
    // Arrows on a page's button leave the focus on it and the page in front.
    Find<QWidget>("Command1")->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("Command1"));
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 0);
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_TRUE(Window().isMinimized());
    Window().showNormal();
    Click("Command10");
    EXPECT_TRUE(Window().isMinimized());
    EXPECT_FALSE(Window().Ended());
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_EQ(App().State().info.BasePoint, (PointXY{4.0f, 5.0f})) << "Cancel keeps the info";
    // Quit, and the window comes back with its size and page.
    Window().showNormal();
    Window().resize(1234, 654);
    Window().SSTab1()->setCurrentIndex(13);
    Click("Command11");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 13);
    Window().showNormal();
    EXPECT_EQ(Window().size(), QSize(1234, 654));
}

// Tables first, in their loading order, then the settings, then the insertion info; and each
// page without its table.
TEST_F(StartUpTest, MissingTablesThenAnUnreadableSettingsFileThenAMalformedInfoFileAllKept) {
    for (const char* name :
         {"ejector.dat", "Corepin.dat", "Cbore.dat", "Tap.dat", "Corenum.dat", "Thread.dat",
          "Slot.dat", "Keyway.dat", "000", "002", "Drill.dat", "Csink.dat"}) {
        fs::remove(ws_.ProgramFile(name));
    }
    ws_.dir.Write("program/DrawPath.txt", "\"/a/\"\r\n\"/b/\"\r\n");
    // A CAD folder without a Brasswick folder is refused, and the chooser opens there again.
    const std::string bare = ws_.dir.MakeDir("bare") + "/", filed = ws_.dir.Path() + "/filed/";
    ws_.dir.Write("filed/Brasswick", "");
    const auto refused = [](const std::string& folder) {
        return "AutoCAD LT Path Not Usable: " + folder +
               " (it holds no Brasswick folder). Brasswick writes its script into the Brasswick "
               "folder there: make that folder, or choose a folder you can write to that holds "
               "one.";
    };
    toolkit_.folderAnswers = {QString::fromStdString(bare),
                              QString::fromStdString(ws_.dir.Path() + "/cad"),
                              QString::fromStdString(ws_.drawing)};
    ws_.WriteInfo("A,1,2");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{"Ejector Data File NOT Found", "Core Data File NOT Found",
                        "Counterbore Data File NOT Found", "Tap Data File NOT Found",
                        "Core Number Data File NOT Found", "Thread Data File NOT Found",
                        "Slot Data File NOT Found", "Keyway Data File NOT Found",
                        "Taper Pin Diameter File NOT Found", "Bell Centerdrill File NOT Found",
                        "Drill Data File NOT Found", "Countersink Data File NOT Found",
                        "Settings File Could Not Be Read: " + ws_.program +
                            "/DrawPath.txt (it holds fewer than four fields). Choose the folders "
                            "again; the file is replaced only when you press OK on the Settings "
                            "tab.",
                        refused(bare), "Use Settings To Assign Hidden Layer",
                        "Insertion Info File Is Malformed: " + ws_.InfoPath() +
                            " (it holds fewer than six fields). The file was left in place and "
                            "nothing was drawn."}));
    EXPECT_EQ(toolkit_.informed, Messages{"Use Settings To Assign Hidden Layer"});
    EXPECT_EQ(toolkit_.folders,
              (Messages{"Browse AutoCAD LT Path ", "Browse AutoCAD LT Path " + bare,
                        "Browse Drawing Path "}));
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_EQ(App().State().info.BasePoint, (PointXY{1.0f, 1.0f}));
    EXPECT_EQ(ReadFile(ws_.InfoPath()), "A,1,2");
    EXPECT_EQ(App().State().ScriptFile, ws_.ScriptPath()) << "the separator added";
    EXPECT_EQ(Text("Text2") + "|" + Text("Text4") + "|" + Text("Text5"), ws_.cad + "|0|.015");
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 7);
    EXPECT_TRUE(Window().isMinimized());
    // A page without its table greys its OK and the preview names the file; the typed boxes
    // (an empty reason) still draw, at the defaults.
    fs::remove(ws_.InfoPath());
    const std::pair<const char*, std::string> rows[] = {
        {"Command1", "Ejector Data File NOT Found"},
        {"Command2", "Core Data File NOT Found"},
        {"Command3", "Tap Data File NOT Found"},
        {"Command4", "Counterbore Data File NOT Found"},
        {"Command5", "Core Number Data File NOT Found"},
        {"Command6", "Thread Data File NOT Found"},
        {"Command16", "Taper Pin Diameter File NOT Found"},
        {"Command17", "Bell Centerdrill File NOT Found"},
        {"Command13", ""},
        {"Command15", ""},
        {"Command20", ""},
    };
    for (const auto& [ok, why] : rows) {
        EXPECT_EQ(TabOf(ok)->Unavailable(), why);
        EXPECT_EQ(Find<QWidget>(ok)->isEnabled(), why.empty()) << ok;
        if (!why.empty()) continue;
        fs::remove(ws_.ScriptPath());
        Click(ok);
        EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
        EXPECT_TRUE(Exists(ws_.ScriptPath())) << ok;
    }
    // Without the bell sizes the plain ones still show, until "Bell" is chosen.
    Do("? List16#10; click Option51; ? List16#0; click Option52; ? List16#10");
    Click("Command11");
    EXPECT_TRUE(Window().Ended());
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(SettingsText(), "\"/a/\"\r\n\"/b/\"\r\n");
    // On a first run, a refused CAD folder, then the drawing folder cancelled: the program
    // cannot go on.
    ws_.CopyShippedData();
    fs::remove(ws_.ProgramFile("DrawPath.txt"));
    toolkit_.folderAnswers = {QString::fromStdString(filed), QString::fromStdString(ws_.cad),
                              QString()};
    EXPECT_FALSE(Start());
    EXPECT_EQ(TakeMessages(),
              (Messages{refused(filed), "Program Will NOT Function Without Path Settings"}));
    EXPECT_FALSE(Exists(ws_.ProgramFile("DrawPath.txt")));
    EXPECT_TRUE(Window().Ended());
}

TEST_F(StartUpTest, AboutShowsTheFileExactlyEvenEmptyOrElseTheBuiltInText) {
    const auto shown = [this] {
        return Find<QPlainTextEdit>("Text1")->toPlainText().toStdString();
    };
    for (auto [file, text] :
         {std::pair{"Line one\r\nLine two\r\n", "Line one\nLine two\n"}, {"", ""}}) {
        ws_.dir.Write("program/Brasswick.msg", file);
        ASSERT_TRUE(Start());
        EXPECT_EQ(shown(), text);
    }
    fs::remove(ws_.ProgramFile("Brasswick.msg"));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(shown().starts_with("Brasswick For AutoCAD LT\nVersion 2.5\n"));
    // The built-in text names the script with the platform's separator.
    EXPECT_NE(shown().find(std::string("Brasswick") + kPathSeparator + "Brasswick.scr"),
              std::string::npos);
}

// The frame every OK runs in, driven with an OK whose script names the point and layer it was
// drawn with. (Where each page reads the info, and a refused check, the page tests show.)
TEST_F(StartUpTest, AMalformedInfoOrAnUnwritableScriptStopsTheOkAndKeepsEverything) {
    StartWithInfo("A,2,x,1,1,[L1]", true);
    const auto Ok = [this](InfoTiming timing) {
        return App().RunFeatureOk(timing, [](const DrawContext& c) -> StepOutcome {
            return {"Circle " + FormatPoint(c.BasePoint) + " D 1 " + c.CurrentLayer + "\r\n", ""};
        });
    };
    ws_.dir.Write("cad/Brasswick/Brasswick.scr", "previous");
    EXPECT_FALSE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info File Is Malformed: " + ws_.InfoPath() +
                                       " (field 3 is not a number). The file was left in place "
                                       "and nothing was drawn."});
    EXPECT_EQ(ReadFile(ws_.InfoPath()) + "|" + ws_.Script(), "A,2,x,1,1,[L1]|previous");
    ws_.WriteInfo("A,2,3,1,1,[L1]");
    fs::remove_all(ws_.cad + "Brasswick");
    EXPECT_FALSE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Script File Could Not Be Written: " + ws_.ScriptPath() +
                                       " (the folder " + ws_.cad + "Brasswick does not exist)"});
    EXPECT_TRUE(App().State().InsertionInfoRead) << "the info stays for the next OK";
    EXPECT_FALSE(Exists(ws_.cad + "Brasswick")) << "the folder is never created";
    EXPECT_FALSE(Window().isMinimized());
    ws_.dir.MakeDir("cad/Brasswick");
    ASSERT_TRUE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(ws_.Script(), "Circle 2,3 D 1 L1\r\n");
    EXPECT_TRUE(Window().isMinimized());
    ASSERT_TRUE(Ok(InfoTiming::AfterChecks));  // the info was used up: the defaults again
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(), "Circle 1,1 D 1 0\r\n");
}

}  // namespace
}  // namespace bw::test
