// The window's DXF: "Save DXF..." under the preview, and Brasswick.dxf beside the script.
#include <QCheckBox>
#include <QTabWidget>
#include <utility>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

using Messages = std::vector<std::string>;

// Answers "save as" choosers from a queue (empty: cancelled) and records where they opened.
class SaveFileToolkit : public RecordingToolkit {
  public:
    QString ChooseSaveFile(QWidget*, const QString&, const QString& start,
                           const QString& suffix) override {
        saveStarts.push_back(start.toStdString());
        suffixes.push_back(suffix.toStdString());
        if (saveAnswers.empty()) return {};
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    std::vector<std::string> saveStarts;
    std::vector<std::string> suffixes;
    std::deque<QString> saveAnswers;
};

// The ejector with the 1/4 pin, depth 1, side view, direction 0, Hidden ticked (the tab's
// start-up state), drawn at (2.5, 3) on layer WALLS with the hidden layer HIDDEN and the
// clearance .015: Dh = .265, so the bore's sides stand at 3 +- .1325.
const std::string kEjectorScript =
    "Layer set HIDDEN \r\n"
    "Line 2.5,3.1325 3.5,3.1325 \r\n"
    "Line 3.5,3.1325 3.5,2.8675 \r\n"
    "Line 3.5,2.8675 2.5,2.8675 \r\n"
    "Line 3.5,3.125 4.5,3.125 \r\n"
    "Line 3.5,2.875 4.5,2.875 \r\n"
    "Layer set WALLS \r\n";
// Its upper pin-bore line, exactly as the DXF holds it.
const std::string kPinBoreLine =
    "  0\r\nLINE\r\n  8\r\nHIDDEN\r\n 10\r\n3.5\r\n 20\r\n3.125\r\n 30\r\n0\r\n"
    " 11\r\n4.5\r\n 21\r\n3.125\r\n 31\r\n0\r\n";
// The insertion point is the file's base point, so an inserted block lands where the
// script would draw.
const std::string kBasePoint = "  9\r\n$INSBASE\r\n 10\r\n2.5\r\n 20\r\n3\r\n 30\r\n0\r\n";
const std::string kHiddenLayer =
    "  0\r\nLAYER\r\n  2\r\nHIDDEN\r\n 70\r\n0\r\n 62\r\n7\r\n  6\r\nHIDDEN\r\n";
const std::string kCurrentLayer = "  0\r\nLAYER\r\n  2\r\nWALLS\r\n";

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Checks that `dxf` is the known ejector's drawing.
void ExpectEjectorDxf(const std::string& dxf) {
    EXPECT_EQ(Count(dxf, "  0\r\nLINE\r\n"), 5u);
    EXPECT_EQ(Count(dxf, kPinBoreLine), 1u);
    EXPECT_EQ(Count(dxf, kBasePoint), 1u);
    EXPECT_EQ(Count(dxf, kHiddenLayer), 1u);
    EXPECT_EQ(Count(dxf, kCurrentLayer), 1u);
    EXPECT_TRUE(dxf.ends_with("  0\r\nEOF\r\n"));
}

class DxfWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ws_.WriteInfo("A,2.5,3,1,1,[WALLS]");
        StartWindow();
    }
    void StartWindow() {
        main_ = std::make_unique<Main>(dialogs_, ws_.program);
        ASSERT_TRUE(main_->StartUp());
        Window().showNormal();
        dialogs_.messages.clear();
    }
    // The 1/4 pin and depth 1 on the ejector page.
    void PickEjector() {
        Window().SSTab1()->setCurrentIndex(0);
        Pick("List1", 9);
        Pick("List2", 6);
    }
    Messages TakeDialogMessages() { return std::exchange(dialogs_.messages, {}); }
    std::string BesideScript() const { return ws_.cad + "Brasswick/Brasswick.dxf"; }

    SaveFileToolkit dialogs_;
};

TEST_F(DxfWindowTest, SaveDxfWritesThePageDrawingAndRemembersTheFolder) {
    PickEjector();
    const std::string out = ws_.dir.MakeDir("out");
    dialogs_.saveAnswers.push_back(QString::fromStdString(out + "/e.dxf"));
    Click("CommandDxf");
    EXPECT_EQ(TakeDialogMessages(), Messages{});
    EXPECT_EQ(dialogs_.saveStarts, std::vector<std::string>{ws_.drawing + "Ejector Pin Holes.dxf"});
    EXPECT_EQ(dialogs_.suffixes, std::vector<std::string>{"dxf"});
    ExpectEjectorDxf(ReadFile(out + "/e.dxf"));
    // Saving is not an OK: no script, the info still unused, the window still up.
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());

    // The next chooser opens where the last DXF went, in a later run too.
    main_.reset();
    ws_.WriteInfo("A,2.5,3,1,1,[WALLS]");
    StartWindow();
    PickEjector();
    Click("CommandDxf");  // cancelled
    ASSERT_EQ(dialogs_.saveStarts.size(), 2u);
    EXPECT_EQ(dialogs_.saveStarts[1], out + "/Ejector Pin Holes.dxf");
}

TEST_F(DxfWindowTest, AFailedCheckShowsItsMessageAndAsksForNoFile) {
    Window().SSTab1()->setCurrentIndex(0);
    dialogs_.saveAnswers.push_back(QString::fromStdString(ws_.dir.Path() + "/e.dxf"));
    Click("CommandDxf");
    EXPECT_EQ(TakeDialogMessages(), Messages{"You Must Select Pin Size"});
    EXPECT_TRUE(dialogs_.saveStarts.empty());
    EXPECT_FALSE(Exists(ws_.dir.Path() + "/e.dxf"));
}

TEST_F(DxfWindowTest, AnUnwritableTargetShowsWhyAndKeepsWhatWasThere) {
    PickEjector();
    const std::string target = ws_.dir.MakeDir("e.dxf");
    ws_.dir.Write("e.dxf/old", "old");
    dialogs_.saveAnswers.push_back(QString::fromStdString(target));
    Click("CommandDxf");
    EXPECT_EQ(TakeDialogMessages(),
              Messages{"DXF File Could Not Be Written: " + target + " (it is a folder)"});
    EXPECT_EQ(ReadFile(target + "/old"), "old");
}

TEST_F(DxfWindowTest, TheSettingsBoxMakesEveryOkWriteBrasswickDxfBesideTheScript) {
    const std::string settingsFile = ReadFile(ws_.ProgramFile("DrawPath.txt"));
    // Unset (the first start): the OK writes the script alone.
    PickEjector();
    Click("Command1");
    EXPECT_EQ(ws_.Script(), kEjectorScript);
    EXPECT_FALSE(Exists(BesideScript()));

    // Set and stored: kept by the next start, outside the four-line settings file.
    Click("CheckDxf");
    Click("Command9");
    EXPECT_EQ(ReadFile(ws_.ProgramFile("DrawPath.txt")), settingsFile);
    main_.reset();
    ws_.WriteInfo("A,2.5,3,1,1,[WALLS]");
    StartWindow();
    EXPECT_TRUE(Find<QCheckBox>("CheckDxf")->isChecked());
    PickEjector();
    Click("Command1");
    EXPECT_EQ(TakeDialogMessages(), Messages{});
    EXPECT_EQ(ws_.Script(), kEjectorScript);
    ExpectEjectorDxf(ReadFile(BesideScript()));
    EXPECT_TRUE(Window().isMinimized());

    // Unticked without OK, Cancel shows the stored choice again.
    Click("CheckDxf");
    Click("Command12");
    EXPECT_TRUE(Find<QCheckBox>("CheckDxf")->isChecked());
}

TEST_F(DxfWindowTest, ADxfThatCannotBeWrittenNeverStopsTheScript) {
    Click("CheckDxf");
    Click("Command9");
    ws_.dir.MakeDir("cad/Brasswick/Brasswick.dxf");
    PickEjector();
    Click("Command1");
    EXPECT_EQ(TakeDialogMessages(), Messages{"DXF File Could Not Be Written: " + BesideScript() +
                                             " (it is a folder). The script was written."});
    EXPECT_EQ(ws_.Script(), kEjectorScript);
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

}  // namespace
}  // namespace bw::test
