#include <filesystem>

#include "features/pins/core_note_tab.h"
#include "features/pins/pin_tab_fixture.h"

namespace bw::test {
namespace {

class CoreNoteTabTest : public PinTabTest {};

constexpr int kThreeSixteenths = 4;  // "3/16", core number 12

TEST_F(CoreNoteTabTest, StartsWithCxPinSelected) {
    StartWithInfo();
    EXPECT_EQ(Caption("Frame15"), "Options");
    EXPECT_EQ(Caption("Option25"), "C Pin");
    EXPECT_EQ(Caption("Option26"), "CX Pin");
    EXPECT_EQ(Caption("Frame16"), "Pin Size");
    EXPECT_EQ(Caption("Command5"), "OK");
    EXPECT_TRUE(Checked("Option26"));
    EXPECT_FALSE(Checked("Option25"));
    ASSERT_EQ(Entries("List7").size(), 14u);
    EXPECT_EQ(Entries("List7")[kThreeSixteenths], "3/16");
    for (const char* name : {"Option25", "Option26"}) {
        Window().SSTab1()->setCurrentIndex(0);
        FocusIn(name);
        EXPECT_EQ(Window().SSTab1()->currentIndex(), 4) << name;
    }
}

TEST_F(CoreNoteTabTest, CPinOkInsertsDmesnoteAtTheInsertionScale) {
    StartWithInfo();
    Pick("List7", kThreeSixteenths);
    Click("Option25");
    Click("Command5");
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(), "insert Dmesnote 2,3 .5 .5 0 12\r\n");
    EXPECT_FALSE(App().State().InsertionInfoRead);
    EXPECT_TRUE(Window().isMinimized());
}

TEST_F(CoreNoteTabTest, WithoutInfoFileTheNoteGoesToTheDefaults) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    Window().showNormal();
    Pick("List7", kThreeSixteenths);
    Click("Command5");
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(), "insert Dmehnote 1,1 1 1 0 12\r\n");
}

TEST_F(CoreNoteTabTest, NoSizeLeavesTheEarlierScriptAndTheInfo) {
    StartWithInfo();
    ws_.dir.Write("cad/Brasswick/Brasswick.scr", "earlier\r\n");
    Click("Command5");
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    EXPECT_EQ(ws_.Script(), "earlier\r\n");
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_FALSE(Window().isMinimized());
    Pick("List7", 0);
    Click("Command5");
    EXPECT_EQ(ws_.Script(), "insert Dmehnote 2,3 .5 .5 0 4\r\n");
}

TEST_F(CoreNoteTabTest, MissingTableDisablesOk) {
    std::filesystem::remove(ws_.ProgramFile("Corenum.dat"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeMessages(), (Messages{"Core Number Data File NOT Found",
                                        "Insertion Info NOT Found, Using Defaults"}));
    EXPECT_FALSE(Enabled("Command5"));
}

TEST_F(CoreNoteTabTest, TheCommandLinePrintsTheBytesTheOkWrote) {
    StartWithInfo();
    Pick("List7", kThreeSixteenths);
    Click("Command5");
    ASSERT_EQ(TakeMessages(), Messages{});
    const cli::Result r = Cli({"corenote", "number=12", "base=2,3", "scale=.5"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ws_.Script());
    EXPECT_EQ(r.out, "insert Dmehnote 2,3 .5 .5 0 12\r\n");
}

}  // namespace
}  // namespace bw::test
