#include <QListWidget>
#include <filesystem>

#include "features/pins/pin_tab_fixture.h"
#include "features/pins/taper_pin_tab.h"

namespace bw::test {
namespace {

class TaperPinTabTest : public PinTabTest {};

constexpr int kNumberFour = 10;  // "No. 4", large end .25, lengths 1 to 4 inches

const std::string kQuarterPinOneInchAtOrigin =
    "Layer set L1 \r\n"
    "Line 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
    "ARC 0,.125 -.03349365,0 0,-.125 "
    "ARC 1,-.114585 1.027806,0 1,.114585 ";

TEST_F(TaperPinTabTest, StartsWithEveryControlCaptionedAndSet) {
    StartWithInfo();
    const std::pair<const char*, const char*> captions[] = {
        {"Frame41", "Pin Size Number"},
        {"Frame42", "Pin Length"},
        {"Frame43", "Direction"},
        {"Option41", "Zero"},
        {"Option42", "90"},
        {"Option43", "180"},
        {"Option44", "270"},
        {"Frame44", "Options"},
        {"Check10", "Hidden"},
        {"Command16", "OK"},
    };
    for (auto [name, caption] : captions) EXPECT_EQ(Caption(name), caption) << name;
    EXPECT_TRUE(Checked("Option41"));
    EXPECT_FALSE(Checked("Check10"));
    const std::vector<std::string> sizes = Entries("List14");
    ASSERT_EQ(sizes.size(), 17u);
    EXPECT_EQ(sizes.front(), "No. 7/0     ") << "all twelve characters are shown";
    EXPECT_EQ(sizes[kNumberFour], "No. 4       ");
    EXPECT_TRUE(Entries("List15").empty());
    Window().SSTab1()->setCurrentIndex(0);
    FocusIn("Check10");
    EXPECT_EQ(Window().SSTab1()->currentIndex(), 11);
}

TEST_F(TaperPinTabTest, PickingASizeListsItsLengths) {
    StartWithInfo();
    Pick("List14", kNumberFour);
    const std::vector<std::string> lengths = Entries("List15");
    ASSERT_EQ(lengths.size(), 11u);
    EXPECT_EQ(lengths.front(), "1     ");
    EXPECT_EQ(lengths[1], "1-1/4 ");
    EXPECT_EQ(lengths.back(), "4     ");
    Pick("List14", 0);
    EXPECT_EQ(Entries("List15").size(), 7u);
    EXPECT_EQ(Entries("List15").front(), "1/4   ");
}

TEST_F(TaperPinTabTest, OkDrawsThePinWithNoLineEndAfterIt) {
    StartWithInfo("A,0,0,1,1,[L1]");
    Pick("List14", kNumberFour);
    Pick("List15", 0);
    Click("Command16");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(), kQuarterPinOneInchAtOrigin);
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(TaperPinTabTest, HiddenAtNinetySetsTheCurrentLayerOnTheSameLine) {
    StartWithInfo("A,0,0,1,1,[L1]");
    App().State().DirectionAngle = 180.0f;
    Pick("List14", kNumberFour);
    Pick("List15", 0);
    Click("Option42");
    Click("Check10");
    Click("Command16");
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "Line -.125,0 .125,0 .114585,1 -.114585,1 -.125,0  "
              "ARC -.125,0 0,-.03349365 .125,0 "
              "ARC .114585,1 0,1.027806 -.114585,1 "
              "Layer set L1 \r\n");
    EXPECT_EQ(App().State().DirectionAngle, 180.0f) << "the taper pin keeps its own angle";
}

TEST_F(TaperPinTabTest, ChecksComeBeforeTheInfoIsRead) {
    ASSERT_TRUE(Start());
    Window().showNormal();
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    ws_.WriteInfo("A,5,6,1,1,[L2]");

    Click("Command16");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    // A size selected without being picked: the length list is still empty.
    Find<QListWidget>("List14")->setCurrentRow(kNumberFour);
    EXPECT_TRUE(Entries("List15").empty());
    Click("Command16");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Length"});
    EXPECT_TRUE(Exists(ws_.InfoPath())) << "a failed check reads no info";
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_FALSE(Window().isMinimized());

    Pick("List14", kNumberFour);
    Pick("List15", 0);
    Click("Command16");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_FALSE(Exists(ws_.InfoPath()));
    EXPECT_EQ(ws_.Script().substr(0, 24), "Layer set L2 \r\nLine 5,6.");
}

TEST_F(TaperPinTabTest, MissingLengthFileKeepsTheListAndDisablesOk) {
    StartWithInfo();
    Pick("List14", kNumberFour);
    std::filesystem::remove(ws_.ProgramFile("003"));
    Pick("List14", 0);
    EXPECT_EQ(TakeMessages(), Messages{"Taper Pin Length File NOT Found"});
    EXPECT_EQ(Entries("List15").size(), 11u) << "the lengths of No. 4 stay";
    EXPECT_FALSE(Enabled("Command16"));
    Pick("List14", 1);
    EXPECT_EQ(TakeMessages(), Messages{"Taper Pin Length File NOT Found"});
}

TEST_F(TaperPinTabTest, ASizeWhoseRecordsLieOutsideTheLengthFileIsRefused) {
    using test::Le16;
    using test::LeSingle;
    using test::Padded;
    ws_.dir.Write("program/000", Padded("Good", 12) + LeSingle(.25f) + Le16(1) + Le16(2) +
                                     Padded("Beyond", 12) + LeSingle(.25f) + Le16(2) + Le16(3) +
                                     Padded("Backwards", 12) + LeSingle(.25f) + Le16(2) + Le16(1) +
                                     Padded("Zero", 12) + LeSingle(.25f) + Le16(0) + Le16(1));
    ws_.dir.Write("program/003", Padded("1", 6) + LeSingle(1) + Padded("2", 6) + LeSingle(2));
    StartWithInfo();
    const std::pair<int, const char*> refused[] = {
        {1, "Pin Size Beyond Has Invalid Length Records"},
        {2, "Pin Size Backwards Has Invalid Length Records"},
        {3, "Pin Size Zero Has Invalid Length Records"},
    };
    for (auto [row, message] : refused) {
        Pick("List14", 0);
        EXPECT_EQ(Entries("List15"), (std::vector<std::string>{"1     ", "2     "}));
        Pick("List14", row);
        EXPECT_EQ(TakeMessages(), Messages{message});
        EXPECT_TRUE(Entries("List15").empty()) << message;
        EXPECT_TRUE(Enabled("Command16"));
    }
    Click("Command16");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Length"});
}

TEST_F(TaperPinTabTest, AFileOfFortyFiveBytesHoldsTwoSizes) {
    using test::Le16;
    using test::LeSingle;
    using test::Padded;
    ws_.dir.Write("program/000", Padded("A", 12) + LeSingle(.25f) + Le16(1) + Le16(1) +
                                     Padded("B", 12) + LeSingle(.5f) + Le16(1) + Le16(1) + "12345");
    StartWithInfo();
    EXPECT_EQ(Entries("List14"), (std::vector<std::string>{"A           ", "B           "}));
}

TEST_F(TaperPinTabTest, MissingSizeFileDisablesOk) {
    std::filesystem::remove(ws_.ProgramFile("000"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), (Messages{"Taper Pin Diameter File NOT Found",
                                        "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command16"));
    EXPECT_TRUE(Entries("List14").empty());
}

TEST_F(TaperPinTabTest, KeyboardMovesPickSizesToo) {
    StartWithInfo();
    auto* list = Find<QListWidget>("List14");
    list->setCurrentRow(kNumberFour);
    QTest::keyClick(list, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(list->currentRow(), kNumberFour + 1);
    const std::vector<std::string> lengths = Entries("List15");
    ASSERT_EQ(lengths.size(), 13u) << "No. 5 comes from 1 to 5 inches";
    EXPECT_EQ(lengths.front(), "1     ");
    EXPECT_EQ(lengths.back(), "5     ");
}

TEST_F(TaperPinTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo("A,0,0,1,1,[L1]");
    Pick("List14", kNumberFour);
    Pick("List15", 0);
    Click("Command16");
    ASSERT_EQ(TakeMessages(), Messages{});
    const cli::Result r =
        Cli({"taper", "diameter=.25", "length=1", "base=0,0", "layer=L1", "hidden-layer=HIDDEN"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_EQ(r.out, kQuarterPinOneInchAtOrigin);
}

}  // namespace
}  // namespace bw::test
