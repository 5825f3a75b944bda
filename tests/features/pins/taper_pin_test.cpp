#include "features/pins/taper_pin.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include "support/temp_dir.h"

namespace bw {
namespace {

using test::Le16;
using test::LeSingle;
using test::Padded;

std::string SizeRecord(const std::string& name, float diameter, int first, int last) {
    return Padded(name, 12) + LeSingle(diameter) + Le16(first) + Le16(last);
}

std::string LengthRecord(const std::string& label, float length) {
    return Padded(label, 6) + LeSingle(length);
}

DrawContext Origin(const std::string& current, const std::string& hidden) {
    return test::At(0, 0, current, hidden);
}

TaperPinInput Quarter(int direction, bool hidden) {
    TaperPinInput in;
    in.diameter = 0.25f;
    in.length = 1.0f;
    in.direction = direction;
    in.hidden = hidden;
    return in;
}

TEST(TaperPinSmallEnd, UsesTheConstantNotAFortyEighth) {
    // .25 - .02083 = .22917; with 1/48 it would be .2291667.
    EXPECT_EQ(TaperPinSmallEnd(0.25f, 1.0f), 0.22917f);
    EXPECT_EQ(ScriptNumber(TaperPinSmallEnd(0.25f, 1.0f)), ".22917");
    EXPECT_EQ(ScriptNumber(TaperPinSmallEnd(0.5f, 4.0f)), ".41668");
}

struct ScriptCase {
    int direction;
    const char* script;
};

TEST(TaperPinScript, QuarterInchPinOneInchLongInEachDirection) {
    // Without hidden all is on the current layer, and the file ends without a line end.
    // s1 = .25 - sqrt(.0625 - .015625) = .03349365; d/2 = .114585;
    // s2 = .25 - sqrt(.0625 - .114585^2) = .02780576, so P6 lies at 1.027806 on the axis.
    const ScriptCase cases[] = {
        {0,
         "Layer set CUR \r\n"
         "Line 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
         "ARC 0,.125 -.03349365,0 0,-.125 "
         "ARC 1,-.114585 1.027806,0 1,.114585 "},
        {90,
         "Layer set CUR \r\n"
         "Line -.125,0 .125,0 .114585,1 -.114585,1 -.125,0  "
         "ARC -.125,0 0,-.03349365 .125,0 "
         "ARC .114585,1 0,1.027806 -.114585,1 "},
        {180,
         "Layer set CUR \r\n"
         "Line 0,-.125 0,.125 -1,.114585 -1,-.114585 0,-.125  "
         "ARC 0,-.125 .03349365,0 0,.125 "
         "ARC -1,.114585 -1.027806,0 -1,-.114585 "},
        {270,
         "Layer set CUR \r\n"
         "Line .125,0 -.125,0 -.114585,-1 .114585,-1 .125,0  "
         "ARC .125,0 0,.03349365 -.125,0 "
         "ARC -.114585,-1 0,-1.027806 .114585,-1 "},
    };
    for (const ScriptCase& c : cases) {
        EXPECT_EQ(TaperPinScript(Quarter(c.direction, false), Origin("CUR", "HID")), c.script)
            << "direction " << c.direction;
    }
}

TEST(TaperPinScript, WithHiddenTheCurrentLayerFollowsOnTheSameLine) {
    DrawContext c = Origin("WALLS", "HID");
    c.BasePoint = {2.0f, 3.0f};
    EXPECT_EQ(TaperPinScript(Quarter(0, true), c),
              "Layer set HID \r\n"
              "Line 2,3.125 2,2.875 3,2.885415 3,3.114585 2,3.125  "
              "ARC 2,3.125 1.966506,3 2,2.875 "
              "ARC 3,2.885415 3.027806,3 3,3.114585 "
              "Layer set WALLS \r\n");
}

struct TaperCheckCase {
    std::optional<float> diameter;
    std::optional<float> length;
    std::optional<std::string> message;
};

TEST(CheckTaperPin, RefusesMissingChoicesAndImpossiblePins) {
    const TaperCheckCase cases[] = {
        {std::nullopt, std::nullopt, "You Must Select Pin Size"},
        {std::nullopt, 1.0f, "You Must Select Pin Size"},
        {0.25f, std::nullopt, "You Must Select Pin Length"},
        {0.25f, 1.0f, std::nullopt},
        {0.0f, 1.0f, "Pin Diameter Must Be Greater Than Zero"},
        {-0.25f, 1.0f, "Pin Diameter Must Be Greater Than Zero"},
        {0.25f, 0.0f, "Pin Length Must Be Greater Than Zero"},
        {0.25f, -30.0f, "Pin Length Must Be Greater Than Zero"},
        // .25 - 12 × .02083 = .00004: still a (thin) pin.
        {0.25f, 12.0f, std::nullopt},
        // .25 - 12.01 × .02083 < 0: the small end would vanish.
        {0.25f, 12.01f, "Pin Length Is Too Long For This Pin Size"},
        // Far too long: d below -2D, where the crown's square root has no real value.
        {0.25f, 40.0f, "Pin Length Is Too Long For This Pin Size"},
    };
    for (const TaperCheckCase& c : cases) {
        TaperPinInput in;
        in.diameter = c.diameter;
        in.length = c.length;
        EXPECT_EQ(CheckTaperPin(in), c.message)
            << c.diameter.value_or(-99) << " " << c.length.value_or(-99);
    }
}

TEST(LoadTaperPinSizes, CountsWholeRecordsAndIgnoresTheTail) {
    test::TempDir dir;
    // 45 bytes: two records of 20 and 5 bytes that are not a record.
    dir.Write("000", SizeRecord("No. 1", 0.172f, 1, 3) + SizeRecord("Twelve chars", 0.25f, 4, 4) +
                         "junk!");
    const TaperPinSizesLoad load = LoadTaperPinSizes(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    ASSERT_EQ(load.table.size(), 2u);
    EXPECT_EQ(load.table[0].name, "No. 1       ");
    EXPECT_EQ(load.table[0].diameter, 0.172f);
    EXPECT_EQ(load.table[0].firstRecord, 1.0f);
    EXPECT_EQ(load.table[0].lastRecord, 3.0f);
    EXPECT_EQ(load.table[1].name, "Twelve chars");
    EXPECT_EQ(load.table[1].firstRecord, 4.0f);
    dir.Write("000", "nineteen bytes long");
    EXPECT_TRUE(LoadTaperPinSizes(dir.Path()).table.empty());
}

TEST(LoadTaperPinSizes, MissingFileAndNegativeRecordNumbers) {
    test::TempDir dir;
    const TaperPinSizesLoad missing = LoadTaperPinSizes(dir.Path());
    EXPECT_EQ(TableMessage(kTaperPinSizeMessages, missing.diagnostic),
              "Taper Pin Diameter File NOT Found");
    EXPECT_TRUE(missing.table.empty());

    dir.Write("000", SizeRecord("X", 0.1f, -2, 65535));
    const TaperPinSizesLoad signedLoad = LoadTaperPinSizes(dir.Path());
    ASSERT_EQ(signedLoad.table.size(), 1u);
    EXPECT_EQ(signedLoad.table[0].firstRecord, -2.0f);
    EXPECT_EQ(signedLoad.table[0].lastRecord, -1.0f);
}

TEST(LoadTaperPinSizes, MoreRecordsThanASixteenBitCountIsCorrupt) {
    test::TempDir dir;
    dir.Write("000", std::string(32768 * 20, 'x'));
    const TaperPinSizesLoad load = LoadTaperPinSizes(dir.Path());
    EXPECT_EQ(TableMessage(kTaperPinSizeMessages, load.diagnostic), "Data File Is Corrupt");
    EXPECT_EQ(load.diagnostic.detail, "32768 records, more than 32767");
    EXPECT_TRUE(load.table.empty());
    std::string most;
    for (int i = 0; i < 32767; ++i) most += SizeRecord("A", 0.25f, 1, 1);
    dir.Write("000", most + std::string(19, 'x'));
    EXPECT_EQ(LoadTaperPinSizes(dir.Path()).table.size(), 32767u);
}

TaperPinSize No4(int first, int last) {
    return TaperPinSize{"No. 4       ", 0.25f, static_cast<float>(first), static_cast<float>(last)};
}

TEST(LoadTaperPinLengths, ReadsRecordsFirstToLastBothIncludedOrRefusesTheRange) {
    test::TempDir dir;
    // Four whole records; the 4-byte tail is not a fifth.
    dir.Write("003", LengthRecord("1/2", 0.5f) + LengthRecord("3/4", 0.75f) +
                         LengthRecord("1", 1.0f) + LengthRecord("1-1/4", 1.25f) + "tail");
    const TaperPinLengthsLoad load = LoadTaperPinLengths(dir.Path(), No4(2, 4));
    EXPECT_EQ(load.status, TaperLengthsStatus::Loaded);
    ASSERT_EQ(load.lengths.size(), 3u);
    EXPECT_EQ(load.lengths[0].label, "3/4   ");
    EXPECT_EQ(load.lengths[0].length, 0.75f);
    EXPECT_EQ(load.lengths[2].label, "1-1/4 ");
    EXPECT_EQ(load.lengths[2].length, 1.25f);
    EXPECT_EQ(LoadTaperPinLengths(dir.Path(), No4(1, 1)).lengths.size(), 1u);
    EXPECT_EQ(LoadTaperPinLengths(dir.Path(), No4(1, 4)).lengths.size(), 4u);
    const std::pair<int, int> bad[] = {{0, 2}, {-1, 1}, {3, 2}, {2, 5}, {5, 5}};
    for (auto [first, last] : bad) {
        const TaperPinLengthsLoad refused = LoadTaperPinLengths(dir.Path(), No4(first, last));
        EXPECT_EQ(refused.status, TaperLengthsStatus::Refused) << first << ".." << last;
        EXPECT_EQ(refused.message, "Pin Size No. 4 Has Invalid Length Records");
        EXPECT_TRUE(refused.lengths.empty());
    }
    test::TempDir empty;
    EXPECT_EQ(LoadTaperPinLengths(empty.Path(), No4(1, 1)).message,
              "Taper Pin Length File NOT Found");
}

TEST(LoadTaperPinLengths, ALengthThatIsNoSizeIsRefusedKeepingTheLengthsBeforeIt) {
    test::TempDir dir;
    dir.Write("003",
              LengthRecord("1/2", 0.5f) + LengthRecord("huge", 3.0e38f) + LengthRecord("1", 1.0f));
    const TaperPinLengthsLoad load = LoadTaperPinLengths(dir.Path(), No4(1, 3));
    EXPECT_EQ(load.status, TaperLengthsStatus::Refused);
    EXPECT_EQ(load.message,
              "Data File Is Corrupt: 003, record 2 (huge), length 3e+38 is more than 1000000");
    ASSERT_EQ(load.lengths.size(), 1u);
    EXPECT_EQ(load.lengths[0].length, 0.5f);
}

TEST(ShippedTaperTables, EverySizeHasItsLengthsAndEveryPinCanBeDrawn) {
    const TaperPinSizesLoad sizes = LoadTaperPinSizes(BW_DATA_DIR);
    ASSERT_EQ(sizes.diagnostic.status, TableStatus::Loaded);
    ASSERT_EQ(sizes.table.size(), 17u);
    EXPECT_EQ(sizes.table[10].name, "No. 4       ");
    EXPECT_EQ(sizes.table[10].diameter, 0.25f);

    float previousLast = 0.0f;
    for (const TaperPinSize& size : sizes.table) {
        // Each size's lengths follow the previous size's in 003.
        EXPECT_EQ(size.firstRecord, previousLast + 1.0f) << size.name;
        previousLast = size.lastRecord;
        const TaperPinLengthsLoad lengths = LoadTaperPinLengths(BW_DATA_DIR, size);
        ASSERT_EQ(lengths.status, TaperLengthsStatus::Loaded) << size.name;
        for (const TaperPinLength& length : lengths.lengths) {
            TaperPinInput in;
            in.diameter = size.diameter;
            in.length = length.length;
            EXPECT_EQ(CheckTaperPin(in), std::nullopt) << size.name << length.label;
        }
    }
    EXPECT_EQ(previousLast, 209.0f);  // the last record of 003
}

}  // namespace
}  // namespace bw
