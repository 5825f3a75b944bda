#include "features/pins/core_note.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace bw {
namespace {

DrawContext At(float x, float y, float scale) {
    DrawContext c;
    c.BasePoint = {x, y};
    c.InsertScale = scale;
    c.CurrentLayer = "IGNORED";
    c.HiddenLayer = "ALSO";
    return c;
}

struct NoteCase {
    bool cx;
    int number;
    DrawContext context;
    const char* script;
};

TEST(CoreNoteScript, IsOneInsertLine) {
    const NoteCase cases[] = {
        {false, 12, At(2, 3, 1), "insert Dmesnote 2,3 1 1 0 12\r\n"},
        {true, 12, At(2, 3, 0.5f), "insert Dmehnote 2,3 .5 .5 0 12\r\n"},
        {true, 7, DrawContext{}, "insert Dmehnote 1,1 1 1 0 7\r\n"},
        {false, -5, At(-0.25f, 10.125f, 2), "insert Dmesnote -.25,10.125 2 2 0 -5\r\n"},
        {true, 32767, At(0, 0, 1), "insert Dmehnote 0,0 1 1 0 32767\r\n"},
    };
    for (const NoteCase& c : cases) {
        CoreNoteInput in;
        in.cxPin = c.cx;
        in.coreNumber = c.number;
        EXPECT_EQ(CoreNoteScript(in, c.context), c.script);
    }
}

TEST(CheckCoreNote, NeedsASize) {
    CoreNoteInput in;
    EXPECT_EQ(CheckCoreNote(in), "You Must Select Pin Size");
    in.coreNumber = 0;
    EXPECT_EQ(CheckCoreNote(in), std::nullopt);
}

TEST(LoadCoreNumberTable, RoundsNumbersToWholeSixteenBitValues) {
    test::TempDir dir;
    dir.Write("Corenum.dat", "4\r\n1/8,8\r\nA,12.5\r\nB,13.5\r\n\"C, x\",-3\r\n");
    const CoreNumberTableLoad load = LoadCoreNumberTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.labels, (std::vector<std::string>{"1/8", "A", "B", "C, x"}));
    // Halves go to the even neighbour, as an integer field takes them.
    EXPECT_EQ(load.table.numbers, (std::vector<int>{8, 12, 14, -3}));
}

TEST(LoadCoreNumberTable, ShortFileKeepsTheLastLabelWithNumberZero) {
    test::TempDir dir;
    dir.Write("Corenum.dat", "3\r\nA,4\r\nB\r\n");
    const CoreNumberTableLoad shortLoad = LoadCoreNumberTable(dir.Path());
    EXPECT_EQ(TableMessage(kCoreNumberTableMessages, shortLoad.diagnostic),
              "Core Number Data File Is Corrupt");
    EXPECT_EQ(shortLoad.table.labels, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(shortLoad.table.numbers, (std::vector<int>{4, 0}));
}

TEST(LoadCoreNumberTable, ShippedTableNumbersAreSixtyFourths) {
    const CoreNumberTableLoad load = LoadCoreNumberTable(BW_DATA_DIR);
    ASSERT_EQ(load.diagnostic.status, TableStatus::Loaded) << load.diagnostic.detail;
    ASSERT_EQ(load.table.labels.size(), 14u);
    EXPECT_EQ(load.table.labels[4], "3/16");
    EXPECT_EQ(load.table.numbers[4], 12);
    EXPECT_EQ(load.table.labels.back(), "1");
    EXPECT_EQ(load.table.numbers.back(), 64);
}

}  // namespace
}  // namespace bw
