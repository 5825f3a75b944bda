// Every feature page of the real window: its controls at start-up, what its OK writes (the
// bytes brasswick-script prints for the same choices) or refuses, and the controls that do
// more than pick and draw.
#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <cctype>
#include <filesystem>
#include <map>

#include "cli/cli.h"
#include "support/window_fixture.h"

namespace bw::test {
namespace {

// Every named control of a page, in the order of their names.
std::string ShownPage(const QWidget* page) {
    std::map<std::string, std::string> shown;
    for (const QWidget* w : page->findChildren<QWidget*>()) {
        if (std::string s = Shown(w); !s.empty()) shown[w->objectName().toStdString()] = s;
    }
    std::string all;
    for (const auto& [name, s] : shown) all += (all.empty() ? "" : " ") + s;
    return all;
}

using PagesTest = WindowTest;

TEST_F(PagesTest, EveryControlStartsCaptionedAndSet) {
    StartWithInfo();
    // Page by page; About and Settings have tests of their own.
    const char* const pages[] = {
        "Check01:Hidden* Command1:OK List1#22 List2#11 Option01:Draw Side* Option02:Draw Face "
        "Option03:270 Option04:180 Option05:90 Option06:Zero* frame1:Options frame2:Direction "
        "frame3:Pin Size[List1] frame4:Depth[List2]",
        "Check02:Hidden* Command2:OK Frame5:Options Frame6:Direction Frame7:Pin Size[List3] "
        "List3#14 Option07:Draw Side* Option08:Draw Face Option09:270 Option10:180 "
        "Option11:90 Option12:Zero*",
        "Check03:Hidden* Command3:OK Frame10:Tap Size[List4] Frame11:Depth[List5] "
        "Frame8:Options Frame9:Direction List4#39 List5#15 Option13:Draw Side* Option14:Draw "
        "Face Option15:270 Option16:180 Option17:90 Option18:Zero*",
        "Check04:Hidden* Command4:OK Frame12:Screw Size[List6] Frame13:Direction "
        "Frame14:Options List6#18 Option19:270 Option20:180 Option21:90 Option22:Zero* "
        "Option23:Draw Side* Option24:Draw Face",
        "Command5:OK Frame15:Options Frame16:Pin Size[List7] List7#14 Option25:C Pin "
        "Option26:CX Pin*",
        "Check05:Left Hand Check06:Hidden Command6:OK Frame17:Options Frame18:Direction "
        "Frame19:Thread Size[List8] Frame20:Depth[List9] List8#39 List9#10 Option27:270 "
        "Option28:180 Option29:90 Option30:Zero*",
        nullptr,
        nullptr,
        "Check07:Hidden Command13:OK Frame24:Options Frame26:Direction Frame27:Center "
        "Distance[List10] Frame28:Slot Width[List11] Frame29:Slot Width[Text6] Frame30:Center "
        "Distance[Text7] List10#11 List11#11 Option31:Zero* Option32:90 Option33:180 "
        "Option34:270 Text6=0.250 Text7=1.000",
        "Check08:Hidden Command14:OK Frame31:Second Radius[Text9] Frame32:Pick Point "
        "Radius[Text8] Frame33:Direction Frame34:Options Frame35:Center Distance[Text10] "
        "Option35:Zero* Option36:90 Option37:180 Option38:270 Text10=1.000 Text8=0.500 "
        "Text9=0.375",
        "Check09:Hidden Command15:OK Frame36:Key Width[List12] Frame37:Options Frame38:Key "
        "Width[Text11] Frame39:Shaft/Hub Diameter[Text12] Frame40:Shaft/Hub Diameter[List13] "
        "List12#13 List13#14 Option39:Hub Option40:Shaft* Text11=0.250 Text12=1.000",
        "Check10:Hidden Command16:OK Frame41:Pin Size Number[List14] Frame42:Pin "
        "Length[List15] Frame43:Direction Frame44:Options List14#17 List15#0 Option41:Zero* "
        "Option42:90 Option43:180 Option44:270",
        "Check11:Hidden* Command17:OK Frame45:Drill Size[List16] Frame46:Direction "
        "Frame47:Options Frame48:Type List16#10 Option45:Draw Side* Option46:Draw Face "
        "Option47:Zero* Option48:90 Option49:180 Option50:270 Option51:Bell Option52:Plain*",
        "Check12:Hidden Command18:Enter Value Command19:OK Frame49:Shaft "
        "Dimensions[MSFlexGrid1,Text14] Frame50:Options Frame51:Direction Frame52:Number of "
        "Segments[Text13] Label1=Value: MSFlexGrid1=,Segment1/Diameter,1.000/Length,1.000 "
        "Option53:Draw Side* Option54:Draw Face Option55:Zero* Option56:90 Option57:180 "
        "Option58:270 Text13=1 Text14=1.000",
        "Check13:Countersunk Check14:Hidden* Command20:OK Frame53:Options Frame54:Direction "
        "Frame55:Angle Frame56:Drill Depth[Text17] Frame57:Countersink Diameter[Text15] "
        "Frame58:Drill Diameter[Text16] Frame59:Dimensions[List17] Frame60:Screw Size[List18] "
        "List17#170 List18#18 Option59:Draw Side* Option60:Draw Face Option61:Zero* "
        "Option62:90 Option63:180 Option64:270 Option65:100 Option66:82* Text15=0.5625- "
        "Text16=0.500 Text17=1.000",
    };
    const int count = static_cast<int>(Registry().size());
    ASSERT_EQ(std::size(pages), Registry().size());
    for (int i = 0; i < count; ++i) {
        if (pages[i]) {
            EXPECT_EQ(ShownPage(Window().SSTab1()->widget(i)), pages[i]);
        }
    }
}

// One OK per row, pressed after the steps (each one a change the tab reports) on a window
// started on the insertion info A,2,3,1,.5,[L1]. `expect`: brasswick-script's words for the same
// drawing (they start in lower case), or the message of a refused OK; `angle`: the DirectionAngle a
// drawing leaves.
struct Ok {
    const char* ok;
    const char* steps;
    const char* expect;
    int angle = -1;  // not looked at
};
const Ok kOks[] = {
    {"Command1", "pick List1 9; click Option02", "ejector pin=.25 view=face"},
    {"Command1", "pick List1 4; pick List2 2; click Option02; click Option01; click Option03",
     "ejector pin=.125 depth=.5 dir=270", 270},
    {"Command1", "pick List1 9; click Check01", "You Must Select Depth"},
    {"Command2", "pick List3 4; click Option09",
     "corepin pin=.1875 head=.375 headlen=.1875 dir=270", 270},
    {"Command2", "pick List3 4; click Option08; click Check02",
     "corepin pin=.1875 head=.375 headlen=.1875 view=face hidden=0"},
    {"Command2", "", "You Must Select Pin Size"},
    {"Command5", "pick List7 4; click Option25", "corenote kind=C number=12"},
    {"Command5", "pick List7 4", "corenote number=12"},
    {"Command5", "", "You Must Select Pin Size"},
    // The taper pin keeps the angle of the drawing before.
    {"Command16", "pick List14 10; pick List15 0; click Option42; click Check10",
     "taper diameter=.25 length=1 dir=90 hidden=1", 0},
    {"Command16", "pick List14 10", "You Must Select Pin Length"},
    {"Command3", "pick List4 15; click Option14", "tap major=.19 drill=.1495 view=face"},
    {"Command3", "pick List4 27; pick List5 10; click Option17; click Check03",
     "tap major=.5 drill=.421875 depth=1 dir=90 hidden=0", 90},
    {"Command3", "pick List4 27", "You Must Select Depth"},
    {"Command4", "pick List6 9; click Option21", "cbore screw=.25 cbore=.4375 dir=90", 90},
    {"Command4", "pick List6 9; click Option24; click Check04",
     "cbore screw=.25 cbore=.4375 view=face hidden=0"},
    {"Command4", "", "You Must Select Screw Size"},
    {"Command6", "pick List8 19; pick List9 2; click Check05; click Check06; click Option27",
     "thread diameter=.25 tpi=20 length=.5 left=1 hidden=1 dir=270", 270},
    {"Command6", "pick List8 19", "You Must Select Depth"},
    {"Command20", "pick List18 9; click Option64; click Check14",
     "drill drill=0.265625 csink=0.531 countersunk=1 dir=270 hidden=0", 270},
    {"Command20", "click Check13; type Text15 .5; click Option60",
     "drill countersunk=1 csink=0.500 view=face"},
    {"Command20", "type Text17", "You Must Supply Drill Depth"},
    // Slot width records hold the end radius, half the nominal width of their label.
    {"Command13", "click Check07; click Option33; pick List11 2; pick List10 7",
     "slot width=0.09375 distance=1.500 dir=180 hidden=1", 180},
    {"Command13", "type Text7 0.00000001", "You Must Enter Center Distance"},
    {"Command14", "click Option38; click Check08", "cam dir=270 hidden=1", 270},
    {"Command14", "type Text8; type Text10", "You Must Enter Radius"},
    {"Command15", "click Option39; click Check09", "keyway kind=hub hidden=1"},
    {"Command15", "pick List12 1; pick List13 2", "keyway key=0.125 diameter=0.5625"},
    {"Command15", "type Text11 0.26; type Text12 0.75", "Ket Width Is Excessive"},
    {"Command19", "type Text13 2; cell 1 2 0.5; cell 2 2 2; click Option57",
     "shaft segments=1.000:1.000,0.500:2.000 dir=180", 180},
    {"Command19", "type Text13 2; cell 1 2 0.5; cell 2 2 2; click Option54; click Check12",
     "shaft segments=1.000:1.000,0.500:2.000 view=face hidden=1"},
    {"Command19", "type Text13 3", "Diameter Missing In Segment2"},
    {"Command17", "pick List16 6; click Option50",
     "centerdrill d1=0.4375 d2=0.1875 l=0.1875 dir=270", 270},
    {"Command17", "click Option51; pick List16 5; click Option46; click Check11",
     "centerdrill type=bell b1=0.5 b2=0.1875 b3=0.4 view=face hidden=0"},
    // Bell refills the size list and forgets the size picked for Plain.
    {"Command17", "pick List16 3; click Option51", "You Must Select Drill Size"},
};

TEST_F(PagesTest, EachOkWritesWhatItsPreviewShowedAndTheCommandLinePrintsOrRefuses) {
    // These OKs read the insertion info only when their checks pass; the others first.
    const std::string readAfterChecks = " Command16 Command19 Command20 ";
    for (const Ok& row : kOks) {
        SCOPED_TRACE(std::string(row.ok) + ": " + row.steps);
        const bool draws = std::islower(static_cast<unsigned char>(row.expect[0])) != 0;
        std::filesystem::remove(ws_.InfoPath());
        StartWithInfo("A,2,3,1,.5,[L1]", !draws);
        ws_.dir.Write("cad/Brasswick/Brasswick.scr", "earlier\r\n");
        for (const std::string& step : Split(row.steps, ';')) {
            // Every input the drawing depends on tells the preview it changed.
            QSignalSpy changes(TabOf(row.ok), &FeatureTab::InputsChanged);
            Do(step);
            EXPECT_GE(changes.count(), 1) << step;
        }
        const std::optional<StepOutcome> preview = TabOf(row.ok)->Preview();
        Click(row.ok);
        EXPECT_EQ(Window().isMinimized(), draws);
        if (!draws) {
            EXPECT_EQ(TakeMessages(), Messages{row.expect});
            EXPECT_EQ(ws_.Script(), "earlier\r\n");
            const bool readsFirst =
                readAfterChecks.find(" " + std::string(row.ok) + " ") == std::string::npos;
            EXPECT_EQ(Exists(ws_.InfoPath()), !readsFirst);
            continue;
        }
        EXPECT_EQ(TakeMessages(), Messages{});
        ASSERT_TRUE(preview.has_value());
        EXPECT_EQ(ws_.Script(), preview->script);
        if (row.angle >= 0) {
            EXPECT_EQ(App().State().DirectionAngle, row.angle);
        }
        std::vector<std::string> args = Split(row.expect, ' ');
        args.insert(args.end(), {"base=2,3", "scale=.5", "layer=L1", "hidden-layer=HIDDEN"});
        const cli::Result r = cli::Run(args, ws_.program);
        EXPECT_EQ(r.out, ws_.Script()) << r.err;
    }
}

TEST_F(PagesTest, FocusOnAControlBringsItsPageToTheFront) {
    StartWithInfo();
    // Page by page, the controls whose focus brings their page to the front.
    const std::vector<std::string> pages = Split(
        "List1 Option01 Option02|Option07 Option08|Option13 Option14|Option23 Option24|"
        "Option25 Option26|Check05|Text1|Text2|Check07|Check08|Option39 Option40|Check10|"
        "Option45 Option46|Option53 Option54|Option59 Option60",
        '|');
    const int count = static_cast<int>(Registry().size());
    ASSERT_EQ(pages.size(), Registry().size());
    for (int page = 0; page < count; ++page) {
        for (const std::string& name : Split(pages[static_cast<size_t>(page)], ' ')) {
            Window().SSTab1()->setCurrentIndex((page + 1) % count);
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);  // as by the Tab key
            QApplication::sendEvent(Find<QWidget>(name.c_str()), &in);
            EXPECT_EQ(Window().SSTab1()->currentIndex(), page) << name;
        }
    }
}

TEST_F(PagesTest, StepsLeaveTheControlsAsTheUserExpects) {
    const char* const rows[] = {
        // A screw size also goes back to 82 degrees (its sizes and the tick: the OK table).
        "click Option65; pick List18 9; ? Option66:82*; click Check13; ? Text15=0.531-",
        // Double-clicking a drill box copies the selected dimension, but not into a disabled
        // box and not when nothing is selected.
        "dclick Text17; ? Text17=1.000; pick List17 70; dclick Text16; dclick Text15; "
        "? Text16=0.201 Text15=0.5625-; click Check13; pick List17 4; dclick Text15; "
        "? Text15=0.078125",
        // "No. 4" runs from 1 to 4 inches in quarters, "No. 5" to 5 inches; without the length
        // file the lengths shown stay, but nothing more can be drawn.
        "pick List14 10; ? List15#11; down List14; ? List15#13; remove 003; pick List14 0; "
        "! Taper Pin Length File NOT Found; ? List15#13 Command16:OK-",
        // The shaft grid: zero segments, nothing, more than fifty or leaving for another
        // program keep it; a count typed and left rebuilds it, with the current cell on the
        // last header and the scroll bar from three segments on.
        "type Text13 0; type Text13; type Text13 51; ! Number Of Segments Can Not Exceed 50; "
        "away Text13 4; ? MSFlexGrid1=,Segment1/Diameter,1.000/Length,1.000; type Text13 3; "
        "? MSFlexGrid1=,Segment1,Segment2,Segment3/Diameter,1.000,,/Length,1.000,,; "
        "at 0,3; bar on; type Text13 2; "
        "? MSFlexGrid1=,Segment1,Segment2/Diameter,1.000,/Length,1.000,; bar off",
        // "Enter Value" right after the resize writes the last header, where the current cell
        // is left; picking a cell copies it to the value box, but not a header.
        "type Text13 3; type Text14 1.5; click Command18; cell 1 3 .75; type Text14 9; "
        "? MSFlexGrid1=,Segment1,Segment2,1.500/Diameter,1.000,,0.750/Length,1.000,,; "
        "select 0 2; ? Text14=9; select 1 3; ? Text14=0.750; select 2 3; ? Text14=",
        // OK leaves the current cell on the last cell it read, so "Enter Value" fills the cell
        // its message named.
        "type Text13 3; cell 1 2 0.5; type Text14 7; click Command19; "
        "! Diameter Missing In Segment3; at 1,3; ? Text14=7; cell 1 3 0.25; click Command19; "
        "! Length Missing In Segment2; at 2,2; type Text14 1; click Command18; "
        "? MSFlexGrid1=,Segment1,Segment2,Segment3/Diameter,1.000,0.500,0.250/"
        "Length,1.000,1.000,; cell 2 3 1; click Command19; at 2,3",
    };
    for (const char* steps : rows) {
        SCOPED_TRACE(steps);
        StartWithInfo();
        Do(steps);
        EXPECT_EQ(TakeMessages(), Messages{});
    }
}

TEST_F(PagesTest, DrawFaceGreysTheDirectionsAndDepthsAndDrawSideKeepsTheirChoice) {
    StartWithInfo();
    // Draw Side, Draw Face, and what the face greys; the direction chosen before is the last.
    for (const char* row : {"Option01 Option02 List2 Option06 Option04 Option03 Option05",
                            "Option07 Option08 Option12 Option11 Option10 Option09",
                            "Option13 Option14 List5 Option18 Option17 Option15 Option16",
                            "Option23 Option24 Option22 Option21 Option20 Option19",
                            "Option45 Option46 Option47 Option48 Option49 Option50",
                            "Option53 Option54 Option55 Option56 Option57 Option58",
                            "Option59 Option60 Option61 Option62 Option63 Option64"}) {
        SCOPED_TRACE(row);
        const std::vector<std::string> names = Split(row, ' ');
        Click(names.back().c_str());
        Click(names[1].c_str());
        for (size_t i = 2; i < names.size(); ++i)
            EXPECT_FALSE(Find<QWidget>(names[i].c_str())->isEnabled());
        Click(names[0].c_str());
        for (size_t i = 2; i < names.size(); ++i)
            EXPECT_TRUE(Find<QWidget>(names[i].c_str())->isEnabled());
        EXPECT_TRUE(Find<QAbstractButton>(names.back().c_str())->isChecked());
    }
}

TEST_F(PagesTest, ATaperSizeWhoseRecordsLieBeyondTheLengthFileIsRefused) {
    ws_.dir.Write("program/000", SizeRecord("Good", .25f, 1, 2) + SizeRecord("Beyond", .25f, 2, 3));
    ws_.dir.Write("program/003", LengthRecord("1", 1) + LengthRecord("2", 2));
    StartWithInfo();
    Do("pick List14 0; ? List15#2; pick List14 1; ? List15#0 Command16:OK");
    EXPECT_EQ(TakeMessages(), Messages{"Pin Size Beyond Has Invalid Length Records"});
}

TEST_F(PagesTest, TheThreadBarMovesWhileTheTurnsAreWrittenAndHidesAfterwards) {
    StartWithInfo();
    Window().SSTab1()->setCurrentWidget(TabOf("Command6"));
    auto* bar = Find<QProgressBar>("ProgressBar1");
    std::vector<std::pair<int, bool>> values;  // each value set, and whether the bar showed
    QObject::connect(bar, &QProgressBar::valueChanged,
                     [&](int v) { values.emplace_back(v, bar->isVisible()); });
    Do("click Command6; ! You Must Select Thread Size");
    EXPECT_TRUE(values.empty()) << "a failed check leaves the bar alone";
    // 80 per inch over 3 inches: 240 turns, shown in many steps but not on every turn, then
    // set back to 0 when OK ends.
    Do("pick List8 0; pick List9 9; click Command6");
    ASSERT_EQ(TakeMessages(), Messages{});
    ASSERT_GE(values.size(), 12u);
    EXPECT_LT(values.size(), 120u);
    EXPECT_EQ(values[values.size() - 2].first, 240);
    EXPECT_EQ(values.back().first, 0);
    for (size_t i = 0; i + 1 < values.size(); ++i) {
        EXPECT_TRUE(values[i].second) << "value " << values[i].first << " set while hidden";
        EXPECT_TRUE(i == 0 || values[i].first > values[i - 1].first) << i;
    }
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(PagesTest, TheShaftLabelsAndBothRowsStayInSightForAnyNumberOfSegments) {
    StartWithInfo();
    for (const char* n : {"1", "2", "8", "50"}) {
        SCOPED_TRACE(n);
        Do(std::string("type Text13 ") + n);
        Window().SSTab1()->setCurrentWidget(TabOf("Command19"));
        QApplication::processEvents();
        auto* grid = Find<QTableWidget>("MSFlexGrid1");
        auto* labels = Find<QTableView>("MSFlexGrid1Labels");
        const int rowsBottom = grid->rowViewportPosition(2) + grid->rowHeight(2);
        EXPECT_GE(grid->viewport()->height(), rowsBottom);
        QScrollBar* bar = grid->horizontalScrollBar();
        for (int scroll : {bar->minimum(), bar->maximum()}) {
            bar->setValue(scroll);
            EXPECT_TRUE(labels->isVisible());
            EXPECT_FALSE(labels->isColumnHidden(0));
            EXPECT_EQ(labels->geometry().topLeft(), grid->viewport()->geometry().topLeft());
            EXPECT_GE(labels->columnWidth(0),
                      grid->fontMetrics().horizontalAdvance(QStringLiteral("Diameter")));
            EXPECT_GE(labels->height(), rowsBottom);
        }
        // A picked segment is scrolled out from under the labels.
        grid->setCurrentCell(1, 1);
        EXPECT_GE(grid->visualItemRect(grid->item(1, 1)).left(), grid->columnWidth(0));
    }
    // 890 twips at least; and the value box shows a whole value in the display format.
    EXPECT_GE(Find<QTableWidget>("MSFlexGrid1")->columnWidth(0) * 15, 885);
    auto* box = Find<QLineEdit>("Text14");
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(QStringLiteral("1234.500000")));
}

TEST_F(PagesTest, NumberBoxesTakeTheirCharactersAndKeepEnterForMovingOn) {
    StartWithInfo();
    Window().SSTab1()->setCurrentWidget(TabOf("Text9"));
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    auto* text9 = Find<QLineEdit>("Text9");
    text9->setFocus();
    EXPECT_EQ(text9->selectedText(), QStringLiteral("0.375"));
    QTest::keyClick(text9, Qt::Key_Return);
    EXPECT_EQ(Text("Text9"), "0.375");
    EXPECT_FALSE(text9->hasFocus());
    EXPECT_EQ(TakeMessages(), Messages{}) << "Enter in a box does not press OK";
    // What typing 1a.5-2 leaves, and what leaving 1.23456789 leaves; the segment count takes
    // whole numbers and is not tidied, the shaft's value box keeps every digit.
    Click("Check13");  // Text15 takes input only when "Countersunk" is ticked
    for (int n = 6; n <= 17; ++n) {
        const std::string name = "Text" + std::to_string(n);
        const char* box = name.c_str();
        Find<QLineEdit>(box)->clear();
        Find<QLineEdit>(box)->insert(QStringLiteral("1a.5-2"));
        EXPECT_EQ(Text(box), n == 13 ? "152" : "1.52") << box;
        if (n == 13) continue;
        Type(box, "1.23456789");
        EXPECT_EQ(Text(box), n == 14 ? "1.23456789" : "1.234568") << box;
    }
}

// Keys typed into a box and Tab: what the box shows, how many keys were refused (each heard),
// then what OK writes (brasswick-script's words for the same) or refuses.
TEST_F(PagesTest, TypedFractionsAreTakenRefusedKeysHeardAndNothingBecomesAnotherNumber) {
    // clang-format off
    const struct { const char *box, *keys, *shown; int refused; const char *ok, *expect; } rows[] = {
        {"Text6", "1/4>", "0.250", 0, "Command13", "slot width=1/4"},
        {"Text7", "1 1/2>", "1.500", 0, "Command13", "slot distance=1.5"},
        {"Text17", "3/8>", "0.375", 0, "Command20", "drill depth=0.375"},
        {"Text10", "-2>", "2.000", 1, "Command14", "cam distance=2"},
        {"Text11", "1e3>", "13.000", 1, "Command15", "Ket Width Is Excessive"},
        {"Text6", "1//4>", "1//4", 0, "Command13", "You Must Enter Slot Width"},
        {"Text13", "1/2>", "12", 1, "Command19", "Diameter Missing In Segment2"}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.box) + " " + row.keys);
        StartWithInfo();
        Window().SSTab1()->setCurrentWidget(TabOf(row.box));
        Find<QLineEdit>(row.box)->clear();
        Do(std::string("focus ") + row.box + "; keys " + row.keys);
        EXPECT_EQ(std::exchange(refusals_, 0), row.refused);
        EXPECT_EQ(Text(row.box), row.shown);
        // Only Text13, the count, takes no fraction.
        EXPECT_EQ(Find<QLineEdit>(row.box)->toolTip().contains("3/8"), row.box[5] != '3');
        Click(row.ok);
        if (!std::islower(static_cast<unsigned char>(row.expect[0]))) {
            EXPECT_EQ(TakeMessages(), Messages{row.expect});
            continue;
        }
        std::vector<std::string> args = Split(row.expect, ' ');
        args.insert(args.end(), {"base=2,3", "scale=.5", "layer=L1", "hidden-layer=HIDDEN"});
        EXPECT_EQ(cli::Run(args, ws_.program).out, ws_.Script());
    }
}

// A five-step shaft with keys only: the count, then each step's diameter and length typed
// into the cells (Enter moving on), then Enter on OK. Lowering the count keeps the steps it
// hides; all five are in sight at the window's own size.
TEST_F(PagesTest, AFiveStepShaftIsTypedIntoItsCellsAndKeptThroughACountLoweredAndRaised) {
    StartWithInfo();
    Window().SSTab1()->setCurrentWidget(TabOf("Text13"));
    const char* const steps[] = {"1.5~2~", "1 1/4~1.5~", "1~1~", "3/4~3~", "1/2~.5~"};
    Do("focus Text13; keys 5~");
    for (const char* keys : steps) {
        EXPECT_LE(std::string(keys).size(), 12u);
        Do(std::string("keys ") + keys);
    }
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("Command19"));
    EXPECT_EQ(refusals_, 0);
    Do("type Text13 3; type Text13 5; ? MSFlexGrid1=,Segment1,Segment2,Segment3,"
       "Segment4,Segment5/Diameter,1.500,1.250,1.000,0.750,0.500/"
       "Length,2.000,1.500,1.000,3.000,0.500; focus Command19; keys ~");
    EXPECT_EQ(cli::Run({"shaft", "segments=1.5:2,1.25:1.5,1:1,.75:3,.5:.5", "base=2,3", "layer=L1"},
                       ws_.program)
                  .out,
              ws_.Script());
    auto* grid = Find<QTableWidget>("MSFlexGrid1");
    EXPECT_LE(grid->columnViewportPosition(5) + grid->columnWidth(5), grid->viewport()->width());
    // Tab leaves the grid for the value box, where Enter enters the value and goes on.
    Do("focus MSFlexGrid1; keys >");
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("Text14"));
    Do("type Text13 2; focus Text14; select 1 2; keys 7~; at 2,2; keys 8~; "
       "? MSFlexGrid1=,Segment1,Segment2/Diameter,1.500,7.000/Length,2.000,8.000");
    EXPECT_EQ(TakeMessages(), Messages{});
}

}  // namespace
}  // namespace bw::test
