// Every feature page of the real window, table by table: the start-up state of its controls,
// the bytes its OK writes (the same bytes brasswick-script prints), when its OK reads the
// insertion info, its table files missing or short, focus and view options.
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

class PagesTest : public WindowTest {
  protected:
    // The insertion info of a row as brasswick-script's common names.
    static std::vector<std::string> CommonArgs(const std::string& info) {
        std::vector<std::string> f;
        std::istringstream in(info);
        for (std::string field; std::getline(in, field, ',');) f.push_back(field);
        return {"base=" + f[1] + "," + f[2], "scale=" + f[4],
                "layer=" + f[5].substr(1, f[5].size() - 2), "hidden-layer=HIDDEN"};
    }
};

// Page by page, "name|caption|start-up state; ...": "on"/"off" (checked), "=TEXT" (a box),
// "-=TEXT" (a disabled box), nothing (a caption only); a box's or list's caption is its frame's.
const char* const kStartUp[] = {
    "frame1|Options|; Option01|Draw Side|on; Option02|Draw Face|off; Check01|Hidden|on; "
    "frame2|Direction|; Option06|Zero|on; Option05|90|off; Option04|180|off; Option03|270|off; "
    "frame3|Pin Size|; frame4|Depth|; Command1|OK|",
    "Frame5|Options|; Option07|Draw Side|on; Option08|Draw Face|off; Check02|Hidden|on; "
    "Frame6|Direction|; Option12|Zero|on; Option11|90|; Option10|180|; Option09|270|; Frame7|Pin "
    "Size|; Command2|OK|",
    "Frame8|Options|; Option13|Draw Side|on; Option14|Draw Face|off; Check03|Hidden|on; "
    "Frame9|Direction|; Option18|Zero|on; Option17|90|; Option16|180|; Option15|270|; Frame10|Tap "
    "Size|; Frame11|Depth|; Command3|OK|",
    "Frame12|Screw Size|; Frame13|Direction|; Option22|Zero|on; Option21|90|; Option20|180|; "
    "Option19|270|; Frame14|Options|; Option23|Draw Side|on; Option24|Draw Face|off; "
    "Check04|Hidden|on; Command4|OK|",
    "Frame15|Options|; Option25|C Pin|off; Option26|CX Pin|on; Frame16|Pin Size|; Command5|OK|",
    "Frame17|Options|; Check05|Left Hand|off; Check06|Hidden|off; Frame18|Direction|; "
    "Option30|Zero|on; Option29|90|; Option28|180|; Option27|270|; Frame19|Thread Size|; "
    "Frame20|Depth|; Command6|OK|",
    "Frame24|Options|; Check07|Hidden|off; Frame26|Direction|; Option31|Zero|on; Option32|90|; "
    "Option33|180|; Option34|270|; Frame27|Center Distance|; Frame28|Slot Width|; Frame29|Slot "
    "Width|; Frame30|Center Distance|; Command13|OK|",
    "Text6|Slot Width|=0.250; Text7|Center Distance|=1.000; Frame32|Pick Point Radius|; "
    "Frame31|Second Radius|; Frame35|Center Distance|; Frame33|Direction|; Option35|Zero|on; "
    "Option36|90|; Option37|180|; Option38|270|; Frame34|Options|; Check08|Hidden|off; "
    "Command14|OK|",
    "Text8|Pick Point Radius|=0.500; Text9|Second Radius|=0.375; Text10|Center Distance|=1.000; "
    "Frame37|Options|; Check09|Hidden|off; Option39|Hub|off; Option40|Shaft|on; Frame36|Key "
    "Width|; Frame40|Shaft/Hub Diameter|; Frame38|Key Width|; Frame39|Shaft/Hub Diameter|; "
    "Command15|OK|",
    "Text11|Key Width|=0.250; Text12|Shaft/Hub Diameter|=1.000; Frame41|Pin Size Number|; "
    "Frame42|Pin Length|; Frame43|Direction|; Option41|Zero|on; Option42|90|; Option43|180|; "
    "Option44|270|; Frame44|Options|; Check10|Hidden|off; Command16|OK|",
    "Frame48|Type|; Option51|Bell|off; Option52|Plain|on; Frame47|Options|; Check11|Hidden|on; "
    "Option45|Draw Side|on; Option46|Draw Face|off; Frame46|Direction|; Option47|Zero|on; "
    "Option48|90|; Option49|180|; Option50|270|; Frame45|Drill Size|; Command17|OK|",
    "Frame52|Number of Segments|; Frame49|Shaft Dimensions|; Command18|Enter Value|; "
    "Frame50|Options|; Option53|Draw Side|on; Option54|Draw Face|off; Check12|Hidden|off; "
    "Frame51|Direction|; Option55|Zero|on; Option56|90|; Option57|180|; Option58|270|; "
    "Command19|OK|",
    "Text13|Number of Segments|=1; Text14||=1.000; Frame60|Screw Size|; Frame59|Dimensions|; "
    "Frame58|Drill Diameter|; Frame57|Countersink Diameter|; Frame56|Drill Depth|; Frame55|Angle|; "
    "Option65|100|off; Option66|82|on; Frame54|Direction|; Option61|Zero|on; Option62|90|; "
    "Option63|180|; Option64|270|; Frame53|Options|; Check13|Countersunk|off; Check14|Hidden|on; "
    "Option59|Draw Side|on; Option60|Draw Face|off; Command20|OK|",
    "Text15|Countersink Diameter|-=0.5625; Text16|Drill Diameter|=0.500; Text17|Drill "
    "Depth|=1.000; List1|Pin Size|; List2|Depth|; List10|Center Distance|; List11|Slot Width|; "
    "List12|Key Width|; List13|Shaft/Hub Diameter|; List16|Drill Size|; MSFlexGrid1|Shaft "
    "Dimensions|"};

TEST_F(PagesTest, EveryControlStartsCaptionedAndSet) {
    StartWithInfo();
    std::vector<std::string> rows;
    for (const char* page : kStartUp) {
        for (const std::string& row : Split(page, ';'))
            rows.push_back(row.substr(row.find_first_not_of(' ')));
    }
    for (const std::string& row : rows) {
        SCOPED_TRACE(row);
        std::vector<std::string> f = Split(row, '|');
        f.resize(3);
        const struct {
            const char* name;
            const char* caption;
        } c{f[0].c_str(), f[1].c_str()};
        const std::string& state = f[2];
        auto* widget = Find<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QListWidget*>(widget) ||
            qobject_cast<QTableWidget*>(widget)) {
            if (*c.caption) {
                EXPECT_EQ(FrameOf(c.name), c.caption);
            }
        } else {
            EXPECT_EQ(Caption(c.name), c.caption);
        }
        if (state == "on" || state == "off") {
            EXPECT_EQ(Checked(c.name), state == "on");
        }
        if (state.rfind("=", 0) == 0 || state.rfind("-=", 0) == 0) {
            EXPECT_EQ(Text(c.name), state.substr(state.find('=') + 1));
            EXPECT_EQ(Enabled(c.name), state[0] == '=');
        }
    }
    // The lists the loaders fill: how many entries, and one of them as shown.
    const struct {
        const char* list;
        size_t count;
        int row;
        const char* entry;
    } lists[] = {{"List1", 22, 9, "1/4"},          {"List2", 11, 0, nullptr},
                 {"List3", 14, 4, "3/16"},         {"List4", 39, 15, "#10-24 UNC (drill #25)"},
                 {"List5", 15, 0, nullptr},        {"List6", 18, 9, "1/4"},
                 {"List7", 14, 4, "3/16"},         {"List8", 39, 19, "1/4-20 UNC"},
                 {"List9", 10, 0, nullptr},        {"List10", 11, 0, nullptr},
                 {"List11", 11, 2, "3/16"},        {"List12", 13, 0, nullptr},
                 {"List13", 14, 0, nullptr},       {"List14", 17, 0, "No. 7/0     "},
                 {"List15", 0, 0, nullptr},        {"List16", 10, 9, "#8        "},
                 {"List17", 170, 70, "#7 (.201)"}, {"List18", 18, 9, "1/4 (drill 17/64)"}};
    for (const auto& l : lists) {
        const std::vector<std::string> entries = Entries(l.list);
        EXPECT_EQ(entries.size(), l.count) << l.list;
        if (l.entry && entries.size() > static_cast<size_t>(l.row)) {
            EXPECT_EQ(entries[static_cast<size_t>(l.row)], l.entry) << l.list;
        }
        EXPECT_EQ(Find<QListWidget>(l.list)->selectedItems().size(), 0) << l.list;
    }
}

// One OK per row, from a window started on the row's insertion info. `script` is the exact
// bytes where they were worked out by hand, else nullptr (then the command line decides);
// `angle` the DirectionAngle the OK leaves (-1: not looked at).
struct Ok {
    const char* ok;
    const char* steps;  // "pick List1 9; click Option02"
    const char* cli;    // brasswick-script's words, without the insertion info
    const char* script;
    int angle = -1;
    const char* info = "A,2,3,1,.5,[L1]";
};
const std::string kQuarterPin =
    "Layer set L1 \r\nLine 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
    "ARC 0,.125 -.03349365,0 0,-.125 ARC 1,-.114585 1.027806,0 1,.114585 ";
const Ok kOks[] = {
    {"Command1", "pick List1 9; click Option02", "ejector pin=.25 view=face",
     "Layer set L1 \r\nCircle 2,3 D .25\r\nLayer set HIDDEN \r\nCircle 2,3 D .265\r\n"
     "Layer set L1 \r\n"},
    // Dh = .125 + .015 = .14; the clearance bore runs from y = 3 to 3.5, the pin bore to 4.
    {"Command1", "pick List1 4; pick List2 2; click Option05; click Check01",
     "ejector pin=.125 depth=.5 dir=90 hidden=0",
     "Layer set L1 \r\nLine 1.93,3 1.93,3.5 \r\nLine 1.93,3.5 2.07,3.5 \r\n"
     "Line 2.07,3.5 2.07,3 \r\nLine 1.9375,3.5 1.9375,4 \r\nLine 2.0625,3.5 2.0625,4 \r\n",
     90},
    // Head .375 from y = 3 down to 2.8125, pin .1875 on to 3 - 4 x .1875 = 2.25.
    {"Command2", "pick List3 4; click Option09",
     "corepin pin=.1875 head=.375 headlen=.1875 dir=270",
     "Layer set HIDDEN \r\nLine 2.1875,3 2.1875,2.8125 \r\nLine 2.1875,2.8125 1.8125,2.8125 \r\n"
     "Line 1.8125,2.8125 1.8125,3 \r\nLine 2.09375,2.8125 2.09375,2.25 \r\n"
     "Line 1.90625,2.8125 1.90625,2.25 \r\nLayer set L1 \r\n",
     270},
    {"Command2", "pick List3 4; click Option08; click Check02",
     "corepin pin=.1875 head=.375 headlen=.1875 view=face hidden=0",
     "Layer set L1 \r\nCircle 2,3 D .1875\r\nCircle 2,3 D .375\r\n"},
    {"Command5", "pick List7 4; click Option25", "corenote kind=C number=12",
     "insert Dmesnote 2,3 .5 .5 0 12\r\n"},
    {"Command5", "pick List7 4", "corenote number=12", "insert Dmehnote 2,3 .5 .5 0 12\r\n"},
    {"Command16", "pick List14 10; pick List15 0", "taper diameter=.25 length=1",
     kQuarterPin.c_str(), -1, "A,0,0,1,1,[L1]"},
    {"Command16", "pick List14 10; pick List15 0; click Option42; click Check10",
     "taper diameter=.25 length=1 dir=90 hidden=1",
     "Layer set HIDDEN \r\nLine -.125,0 .125,0 .114585,1 -.114585,1 -.125,0  "
     "ARC -.125,0 0,-.03349365 .125,0 ARC .114585,1 0,1.027806 -.114585,1 Layer set L1 \r\n",
     0,  // the taper pin keeps its own angle
     "A,0,0,1,1,[L1]"},
    {"Command3", "pick List4 15; click Option14", "tap major=.19 drill=.1495 view=face",
     "Layer set HIDDEN \r\nCircle 2,3 D .19\r\nCircle 2,3 D .252499997615814\r\n"
     "Circle 2,3 D .1495\r\nLayer set L1 \r\n"},
    {"Command3", "pick List4 27; pick List5 10; click Option17; click Check03",
     "tap major=.5 drill=.421875 depth=1 dir=90 hidden=0", nullptr, 90},
    {"Command4", "pick List6 9", "cbore screw=.25 cbore=.4375",
     "Layer set HIDDEN \r\nLine 2,3.21875 2.25,3.21875 \r\nLine 2.25,3.21875 2.25,2.78125 \r\n"
     "Line 2.25,2.78125 2,2.78125 \r\nLine 2.25,3.125 3,3.125 \r\nLine 2.25,2.875 3,2.875 \r\n"
     "Layer set L1 \r\n"},
    {"Command4", "pick List6 9; click Option24; click Check04",
     "cbore screw=.25 cbore=.4375 view=face hidden=0",
     "Layer set L1 \r\nCircle 2,3 D .25\r\nCircle 2,3 D .4375\r\n"},
    {"Command6", "pick List8 19; pick List9 2; click Check05; click Check06; click Option27",
     "thread diameter=.25 tpi=20 length=.5 left=1 hidden=1 dir=270", nullptr, 270},
    {"Command20", "", "drill",
     "Layer set HIDDEN \r\nLine 2,3.25 3,3.25 \r\nLine 3,3.25 3.150215,3 \r\n"
     "Line 3.150215,3 3,2.75 \r\nLine 3,2.75 2,2.75 \r\nLine 3,3.25 3,2.75 \r\nLayer set L1 \r\n"},
    {"Command20", "pick List18 9; click Option64; click Check14",
     "drill drill=0.265625 csink=0.531 countersunk=1 dir=270 hidden=0", nullptr, 270},
    {"Command20", "click Check13; type Text15 .5; click Option60",
     "drill countersunk=1 csink=0.500 view=face",
     "Layer set HIDDEN \r\nCircle 2,3 D .5\r\nCircle 2,3 D .5\r\nLayer set L1 \r\n"},
    // At 90 degrees from (2,3) the second centre lies at (2,4).
    {"Command13", "click Check07; click Option32", "slot dir=90 hidden=1",
     "Layer set HIDDEN \r\nARC C 2,3 1.75,3 2.25,3 ARC C 2,4 2.25,4 1.75,4 Line 2.25,3 2.25,4  "
     "Line 1.75,3 1.75,4 \r\nLayer set L1 \r\n",
     90},
    {"Command14", "click Option37", "cam dir=180", nullptr, 180},
    // From (2,3): the chord ends at y = 3.5 - .01587708, the keyway rises .125 above it.
    {"Command15", "click Option39; click Check09", "keyway kind=hub hidden=1",
     "Layer set L1 \r\nLine 1.875,3.484123 1.875,3.609123 2.125,3.609123 2.125,3.484123  "
     "Layer set L1 \r\nARC C 2,3 1.875,3.484123 2.125,3.484123 Layer set L1 \r\n"},
    {"Command15", "pick List12 1; pick List13 2", "keyway key=0.125 diameter=0.5625", nullptr},
    {"Command19", "", "shaft", "Layer set L1 \r\nLine 2,3.5 2,2.5 3,2.5 3,3.5 2,3.5  ", 0},
    {"Command19", "click Check12", "shaft hidden=1",
     "Layer set HIDDEN \r\nLine 2,3.5 2,2.5 3,2.5 3,3.5 2,3.5  Layer set L1 \r\n"},
    {"Command19", "type Text13 2; cell 1 2 0.5; cell 2 2 2; click Option56",
     "shaft segments=1.000:1.000,0.500:2.000 dir=90",
     "Layer set 0 \r\nLine -.5,0 .5,0 .5,1 -.5,1 -.5,0  Line -.25,1 .25,1 .25,3 -.25,3 -.25,1  ",
     90, "A,0,0,1,1,[0]"},
    {"Command19", "type Text13 2; cell 1 2 0.5; cell 2 2 2; click Option54; click Check12",
     "shaft segments=1.000:1.000,0.500:2.000 view=face hidden=1",
     "Layer set 0 \r\nLayer set 0 \r\nCircle 0,0 D 1.000\r\nLayer set HIDDEN \r\n"
     "Circle 0,0 D 0.500\r\nLayer set 0 \r\n",
     -1, "A,0,0,1,1,[0]"},
    {"Command17", "pick List16 6; click Option50",
     "centerdrill d1=0.4375 d2=0.1875 l=0.1875 dir=270", nullptr, 270},
    {"Command17", "click Option51; pick List16 5; click Option46; click Check11",
     "centerdrill type=bell b1=0.5 b2=0.1875 b3=0.4 view=face hidden=0",
     "Layer set L1 \r\nCircle 2,3 D 0.5\r\nCircle 2,3 D 0.4\r\nCircle 2,3 D 0.1875\r\n"},
};

TEST_F(PagesTest, EachOkWritesWhatItsPreviewShowedAndTheCommandLinePrints) {
    for (const Ok& row : kOks) {
        SCOPED_TRACE(std::string(row.cli) + " / " + row.steps);
        ws_.WriteInfo(row.info);
        ASSERT_TRUE(Start());
        Window().showNormal();
        ASSERT_EQ(TakeMessages(), Messages{});
        std::filesystem::remove(ws_.ScriptPath());
        Do(row.steps);
        const std::optional<StepOutcome> preview = TabOf(row.ok)->Preview();
        ASSERT_TRUE(preview.has_value());
        EXPECT_EQ(ws_.Script(), "<missing>") << "the preview writes nothing";
        Click(row.ok);
        EXPECT_EQ(TakeMessages(), Messages{});
        const std::string script = ws_.Script();
        if (row.script) {
            EXPECT_EQ(script, row.script);
        }
        EXPECT_EQ(preview->script, script);
        EXPECT_FALSE(App().State().InsertionInfoRead);
        EXPECT_TRUE(Window().isMinimized());
        if (row.angle >= 0) {
            EXPECT_EQ(App().State().DirectionAngle, row.angle);
        }
        std::vector<std::string> args = Split(row.cli, ' ');
        for (const std::string& common : CommonArgs(row.info)) args.push_back(common);
        const cli::Result r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, script);
    }
}

// A refused OK: its message, nothing written, the window left up; `readsFirst` tells whether
// the OK had read (and deleted) the insertion info before its checks.
struct Refused {
    const char* ok;
    const char* steps;
    const char* message;
    bool readsFirst;
};
const Refused kRefused[] = {
    {"Command1", "", "You Must Select Pin Size", true},
    {"Command1", "pick List1 9", "You Must Select Depth", true},
    {"Command2", "", "You Must Select Pin Size", true},
    {"Command5", "", "You Must Select Pin Size", true},
    {"Command16", "", "You Must Select Pin Size", false},
    {"Command16", "pick List14 10", "You Must Select Pin Length", false},
    {"Command3", "", "You Must Select Tap Size", true},
    {"Command3", "pick List4 27", "You Must Select Depth", true},
    {"Command4", "", "You Must Select Screw Size", true},
    {"Command6", "", "You Must Select Thread Size", true},
    {"Command6", "pick List8 19", "You Must Select Depth", true},
    {"Command20", "type Text17", "You Must Supply Drill Depth", false},
    {"Command20", "click Check13; type Text15 .25",
     "Drill Diameter Is Larger Than Countersink Diameter", false},
    {"Command13", "type Text6", "You Must Enter Slot Width", true},
    {"Command13", "type Text7 0.00000001", "You Must Enter Center Distance", true},
    {"Command14", "type Text8 0.5; type Text9 0.5",
     "Center Distance Must Be Greater Than Sum Of Radi", true},
    {"Command14", "type Text8; type Text10", "You Must Enter Radius", true},
    {"Command15", "type Text12", "You Must Enter Shaft Diameter", true},
    {"Command15", "type Text11 0.26; type Text12 0.75", "Ket Width Is Excessive", true},
    {"Command15", "type Text11", "You Must Enter Key Width", true},
    {"Command19", "type Text13 3", "Diameter Missing In Segment2", false},
    {"Command17", "", "You Must Select Drill Size", true},
    // Bell refills the size list and forgets the size picked for Plain.
    {"Command17", "pick List16 3; click Option51", "You Must Select Drill Size", true},
};

TEST_F(PagesTest, ARefusedOkWritesNothingAndReadsTheInfoOnlyWhereItReadsFirst) {
    for (const Refused& row : kRefused) {
        SCOPED_TRACE(std::string(row.ok) + ": " + row.message);
        std::filesystem::remove(ws_.InfoPath());  // a row before may have left it unread
        StartThenLeaveInfo("A,4,5,1,1,[L4]");
        ws_.dir.Write("cad/Brasswick/Brasswick.scr", "earlier\r\n");
        Do(row.steps);
        Click(row.ok);
        EXPECT_EQ(TakeMessages(), Messages{row.message});
        EXPECT_EQ(ws_.Script(), "earlier\r\n");
        EXPECT_EQ(Exists(ws_.InfoPath()), !row.readsFirst);
        EXPECT_EQ(App().State().InsertionInfoRead, row.readsFirst);
        EXPECT_FALSE(Window().isMinimized());
    }
}

TEST_F(PagesTest, AMissingTableIsReportedAndDisablesTheOksThatNeedIt) {
    const struct {
        const char* file;
        const char* message;
        const char* ok;
        bool disabled;
        const char* emptyLists;  // "List1|List2"
    } rows[] = {
        {"ejector.dat", "Ejector Data File NOT Found", "Command1", true, "List1|List2"},
        {"Corepin.dat", "Core Data File NOT Found", "Command2", true, "List3"},
        {"Tap.dat", "Tap Data File NOT Found", "Command3", true, "List4|List5"},
        {"Cbore.dat", "Counterbore Data File NOT Found", "Command4", true, "List6"},
        {"Corenum.dat", "Core Number Data File NOT Found", "Command5", true, "List7"},
        {"Thread.dat", "Thread Data File NOT Found", "Command6", true, "List8|List9"},
        {"000", "Taper Pin Diameter File NOT Found", "Command16", true, "List14"},
        {"002", "Bell Centerdrill File NOT Found", "Command17", true, ""},
        {"Slot.dat", "Slot Data File NOT Found", "Command13", false, "List10|List11"},
        {"Keyway.dat", "Keyway Data File NOT Found", "Command15", false, "List12|List13"},
        {"Drill.dat", "Drill Data File NOT Found", "Command20", false, "List17"},
        {"Csink.dat", "Countersink Data File NOT Found", "Command20", false, "List18"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        ws_.CopyShippedData();
        std::filesystem::remove(ws_.ProgramFile(row.file));
        ASSERT_TRUE(Start());
        EXPECT_EQ(TakeMessages(),
                  (Messages{row.message, "Insertion Info NOT Found, Using Defaults"}));
        EXPECT_EQ(Enabled(row.ok), !row.disabled);
        for (const std::string& list : Split(row.emptyLists, '|')) {
            EXPECT_TRUE(Entries(list.c_str()).empty()) << list;
        }
        // The preview names the missing file instead of asking for a choice.
        EXPECT_EQ(TabOf(row.ok)->Unavailable(), row.disabled ? row.message : "");
        if (!row.disabled) {
            // The typed boxes still draw, at the defaults.
            Window().showNormal();
            Click(row.ok);
            EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
            EXPECT_NE(ws_.Script(), "<missing>");
        }
    }
}

TEST_F(PagesTest, AShortTableKeepsWhatWasReadAndOkRefusesARowItCannotDraw) {
    const struct {
        const char* file;
        std::string contents;
        const char* corrupt;  // nullptr: the file is whole
        const char* list;
        const char* entries;  // "A|B"
        const char* steps;
        const char* ok;
        const char* refusal;  // nullptr: not pressed
    } rows[] = {
        {"ejector.dat", "3\r\nA,.1\r\nB,.2\r\n", "Ejector Data File Is Corrupt", "List1", "A|B", "",
         nullptr, nullptr},
        {"ejector.dat", "1\r\nA,.25\r\n2\r\nX,1\r\nY\r\n", "Ejector Data File Is Corrupt", "List2",
         "X|Y", "pick List1 0; pick List2 1", "Command1", "Depth Must Be Greater Than Zero"},
        {"Corepin.dat", "2\r\nA,.25,.375,.25\r\nB,.5\r\n", "Core Data File Is Corrupt", "List3",
         "A|B", "pick List3 1", "Command2", "Head Diameter Must Be Greater Than Zero"},
        {"Tap.dat", "2\r\nA,.25,.201\r\nB,.3", "Tap Data File Is Corrupt", "List4", "A|B",
         "pick List4 1; click Option14", "Command3", "Tap Diameter Must Be Greater Than Zero"},
        {"Cbore.dat", "3\r\nA,.25,.4375\r\n", "Counterbore Data File Is Corrupt", "List6", "A", "",
         nullptr, nullptr},
        {"Thread.dat", "2\r\nZ,.25,0\r\nF,.25,20\r\n2\r\nS,.04\r\nL,.5\r\n", nullptr, "List8",
         "Z|F", "pick List8 0; pick List9 1", "Command6",
         "Threads Per Unit Must Be Greater Than Zero"},
        {"Thread.dat", "2\r\nZ,.25,0\r\nF,.25,20\r\n2\r\nS,.04\r\nL,.5\r\n", nullptr, "List9",
         "S|L", "pick List8 1; pick List9 0", "Command6", "Depth Is Shorter Than One Thread"},
        {"Drill.dat", "3\r\nA,.1\r\n", "Drill Data File Is Corrupt", "List17", "A", "", nullptr,
         nullptr},
        {"Csink.dat", "1\r\nB,.1", "Countersink Data File Is Corrupt", "List18", "B", "", nullptr,
         nullptr},
        {"Slot.dat", "1\r\n\"1/4\",.25\r\n3\r\n\"1\",1\r\n\"2\",2\r\n", "Slot Data File Is Corrupt",
         "List10", "1|2", "pick List10 1", nullptr, nullptr},
        {"001", Padded("#X", 10) + LeSingle(0.0625f) + LeSingle(0.25f) + LeSingle(0.1f) + "tail",
         nullptr, "List16", "#X        ", "pick List16 0", "Command17",
         "Drill Size Data Is Invalid"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.contents);
        ws_.CopyShippedData();
        ws_.dir.Write(std::string("program/") + row.file, row.contents);
        ws_.WriteInfo("A,2,3,1,.5,[L1]");
        ASSERT_TRUE(Start());
        Window().showNormal();
        EXPECT_EQ(TakeMessages(), row.corrupt ? Messages{row.corrupt} : Messages{});
        EXPECT_EQ(Entries(row.list), Split(row.entries, '|'));
        Do(row.steps);
        if (!row.ok) continue;
        EXPECT_TRUE(Enabled(row.ok));
        std::filesystem::remove(ws_.ScriptPath());
        Click(row.ok);
        EXPECT_EQ(TakeMessages(), Messages{row.refusal});
        EXPECT_EQ(ws_.Script(), "<missing>");
    }
}

TEST_F(PagesTest, FocusOnAControlBringsItsPageToTheFront) {
    StartWithInfo();
    const std::pair<const char*, int> controls[] = {
        {"List1", 0},     {"Option01", 0},  {"Option02", 0},  {"Option07", 1},  {"Option08", 1},
        {"Option13", 2},  {"Option14", 2},  {"Option23", 3},  {"Option24", 3},  {"Option25", 4},
        {"Option26", 4},  {"Check05", 5},   {"Text1", 6},     {"Text2", 7},     {"Check07", 8},
        {"Check08", 9},   {"Option39", 10}, {"Option40", 10}, {"Check10", 11},  {"Option45", 12},
        {"Option46", 12}, {"Option53", 13}, {"Option54", 13}, {"Option59", 14}, {"Option60", 14},
    };
    for (auto [name, page] : controls) {
        Window().SSTab1()->setCurrentIndex((page + 1) % 15);
        FocusIn(name);
        EXPECT_EQ(Window().SSTab1()->currentIndex(), page) << name;
    }
}

TEST_F(PagesTest, DrawFaceGreysTheDirectionsAndDepthsAndDrawSideKeepsTheirChoice) {
    StartWithInfo();
    const struct {
        const char* side;
        const char* face;
        std::vector<const char*> greyed;  // the direction chosen before is the last
    } rows[] = {
        {"Option01", "Option02", {"List2", "Option06", "Option04", "Option03", "Option05"}},
        {"Option07", "Option08", {"Option12", "Option11", "Option10", "Option09"}},
        {"Option13", "Option14", {"List5", "Option18", "Option17", "Option15", "Option16"}},
        {"Option23", "Option24", {"Option22", "Option21", "Option20", "Option19"}},
        {"Option45", "Option46", {"Option47", "Option48", "Option49", "Option50"}},
        {"Option53", "Option54", {"Option55", "Option56", "Option57", "Option58"}},
        {"Option59", "Option60", {"Option61", "Option62", "Option63", "Option64"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.face);
        Click(row.greyed.back());
        Click(row.face);
        for (const char* name : row.greyed) EXPECT_FALSE(Enabled(name)) << name;
        Click(row.side);
        for (const char* name : row.greyed) EXPECT_TRUE(Enabled(name)) << name;
        EXPECT_TRUE(Checked(row.greyed.back()));
    }
}

TEST_F(PagesTest, EveryInputTheDrawingDependsOnReportsAChange) {
    StartWithInfo();
    const std::pair<const char*, const char*> steps[] = {
        {"List1", "pick List1 1"},      {"List2", "pick List2 1"},
        {"Option02", "click Option02"}, {"Option01", "click Option01"},
        {"Option03", "click Option03"}, {"Check01", "click Check01"},
        {"Option33", "click Option33"}, {"Check07", "click Check07"},
        {"Text7", "type Text7 3"},      {"List11", "pick List11 0"},
        {"Option38", "click Option38"}, {"Check08", "click Check08"},
        {"Option39", "click Option39"}, {"Check09", "click Check09"},
        {"Option51", "click Option51"}, {"Option46", "click Option46"},
        {"Check11", "click Check11"},   {"List16", "pick List16 0"},
        {"Option57", "click Option57"}, {"Option54", "click Option54"},
        {"Check12", "click Check12"},   {"Text13", "type Text13 2"},
        {"Command18", "cell 1 2 4"},
    };
    for (auto [control, step] : steps) {
        QSignalSpy changes(TabOf(control), &FeatureTab::InputsChanged);
        Do(step);
        EXPECT_GE(changes.count(), 1) << step;
    }
}

}  // namespace
}  // namespace bw::test
