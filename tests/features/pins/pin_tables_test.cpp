// The pin features' tables: which field lands in which column, what a short file keeps (each
// table keeps a different amount), the taper pin's record files, and that the shipped rows
// make sense as pins. What each file reports at start-up is the table files test's part.
#include <gtest/gtest.h>

#include <filesystem>

#include "features/feature_test_util.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::LeSingle;
using test::Padded;
using test::Records;
using test::Rows;

std::string Pins(const CorePinTableLoad& load) {
    return Records(load.table.sizes, &CorePinSize::pinDiameter, &CorePinSize::headDiameter,
                   &CorePinSize::headLength);
}

TEST(PinTables, FieldsLandInTheirColumnsWhateverTheLineLayout) {
    const auto ejector = ParseEjectorTable(
        "2\r\n1/8,.125\r\n\"1/4, long\",  .25\r\n3, 1/2,.5,1,1\r\n\"2\",2\r\nx\r\n");
    EXPECT_EQ(ejector.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(Rows(ejector.table.pinLabels, ejector.table.pinDiameters),
              "1/8|0.125; 1/4, long|0.25");
    EXPECT_EQ(Rows(ejector.table.depthLabels, ejector.table.depths), "1/2|0.5; 1|1; 2|2");

    const auto corePin =
        ParseCorePinTable("2\r\n1/8,.125,.3125,.125\r\n\"1/4\"\r\n.25\r\n.4375\r\n.1875\r\n");
    EXPECT_EQ(corePin.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(corePin.table.labels, (std::vector<std::string>{"1/8", "1/4"}));
    EXPECT_EQ(Pins(corePin), "0.125|0.3125|0.125; 0.25|0.4375|0.1875");

    // Core numbers are whole 16-bit values; halves go to the even neighbour.
    const auto numbers = ParseCoreNumberTable("4\r\n1/8,8\r\nA,12.5\r\nB,13.5\r\n\"C, x\",-3\r\n");
    EXPECT_EQ(numbers.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(Rows(numbers.table.labels, numbers.table.numbers), "1/8|8; A|12; B|14; C, x|-3");
}

TEST(PinTables, AShortFileKeepsWhatItsTableKeeps) {
    // The ejector's pin sizes keep whole records only; its depths, the core pins and the core
    // numbers keep the last label with the numbers it had and zero for the rest.
    const auto pins = ParseEjectorTable("3\r\nA,.1\r\nB,.2\r\nC\r\n");
    EXPECT_EQ(Rows(pins.table.pinLabels, pins.table.pinDiameters), "A|0.1; B|0.2");
    EXPECT_TRUE(pins.table.depthLabels.empty());
    const auto depths = ParseEjectorTable("1\r\nA,.1\r\n2\r\nX,1\r\nY\r\n");
    EXPECT_EQ(Rows(depths.table.depthLabels, depths.table.depths), "X|1; Y|0");
    const auto corePin = ParseCorePinTable("3\r\nA,.1,.2,.3\r\nB,.5\r\n");
    EXPECT_EQ(corePin.table.labels, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Pins(corePin), "0.1|0.2|0.3; 0.5|0|0");
    const auto numbers = ParseCoreNumberTable("3\r\nA,4\r\nB\r\n");
    EXPECT_EQ(Rows(numbers.table.labels, numbers.table.numbers), "A|4; B|0");
    for (TableStatus status : {pins.diagnostic.status, depths.diagnostic.status,
                               corePin.diagnostic.status, numbers.diagnostic.status}) {
        EXPECT_EQ(status, TableStatus::Corrupt);
    }
    // The rows are listed, but OK refuses their zeros instead of drawing nothing.
    EXPECT_EQ(CheckEjector({.1f, depths.table.depths[1]}), "Depth Must Be Greater Than Zero");
    EXPECT_EQ(CheckCorePin({corePin.table.sizes[1]}), "Head Diameter Must Be Greater Than Zero");
}

std::string SizeRecord(const std::string& name, float diameter, int first, int last) {
    return Padded(name, 12) + LeSingle(diameter) + test::Le16(first) + test::Le16(last);
}

std::string Sizes(const TaperPinSizesLoad& load) {
    return Records(load.table, &TaperPinSize::name, &TaperPinSize::diameter,
                   &TaperPinSize::firstRecord, &TaperPinSize::lastRecord);
}

TEST(TaperPinSizes, WholeTwentyByteRecordsWithSignedRecordNumbers) {
    // 45 bytes: two records and 5 bytes that are not a record. 65535 is -1.
    EXPECT_EQ(Sizes(ParseTaperPinSizes(SizeRecord("No. 1", .172f, 1, 3) +
                                       SizeRecord("Twelve chars", .25f, -2, 65535) + "junk!")),
              "No. 1       |0.172|1|3; Twelve chars|0.25|-2|-1");
    EXPECT_EQ(Sizes(ParseTaperPinSizes("nineteen bytes long")), "");
    // More records than a 16-bit count holds is a corrupt file.
    const auto tooMany = ParseTaperPinSizes(std::string(32768 * 20, 'x'));
    EXPECT_EQ(tooMany.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(tooMany.diagnostic.detail, "32768 records, more than 32767");
    EXPECT_TRUE(tooMany.table.empty());
    std::string most;
    for (int i = 0; i < 32767; ++i) most += SizeRecord("A", .25f, 1, 1);
    EXPECT_EQ(ParseTaperPinSizes(most + std::string(19, 'x')).table.size(), 32767u);
}

TaperPinSize No4(int first, int last) {
    return {"No. 4       ", .25f, static_cast<float>(first), static_cast<float>(last)};
}

TEST(TaperPinLengths, RecordsFirstToLastBothIncludedOrTheRangeIsRefused) {
    test::TempDir dir;
    // Four whole records; the 4-byte tail is not a fifth.
    dir.Write("003", Padded("1/2", 6) + LeSingle(.5f) + Padded("3/4", 6) + LeSingle(.75f) +
                         Padded("1", 6) + LeSingle(1) + Padded("1-1/4", 6) + LeSingle(1.25f) +
                         "tail");
    // The status, the message and the lengths listed, on one line.
    const auto lengths = [&](int first, int last) {
        const TaperPinLengthsLoad load = LoadTaperPinLengths(dir.Path(), No4(first, last));
        const char* status[] = {"", "not found: ", "refused: "};
        const std::string line = status[static_cast<int>(load.status)] + load.message;
        const std::string listed =
            Records(load.lengths, &TaperPinLength::label, &TaperPinLength::length);
        return line + (line.empty() || listed.empty() ? "" : "; ") + listed;
    };
    EXPECT_EQ(lengths(2, 4), "3/4   |0.75; 1     |1; 1-1/4 |1.25");
    EXPECT_EQ(lengths(1, 1), "1/2   |0.5");
    EXPECT_EQ(lengths(1, 4), "1/2   |0.5; 3/4   |0.75; 1     |1; 1-1/4 |1.25");
    const std::pair<int, int> outside[] = {{0, 2}, {-1, 1}, {3, 2}, {2, 5}, {5, 5}};
    for (auto [first, last] : outside) {
        EXPECT_EQ(lengths(first, last), "refused: Pin Size No. 4 Has Invalid Length Records")
            << first << ".." << last;
    }
    // A length that is no size is refused, keeping the lengths before it.
    dir.Write("003", Padded("1/2", 6) + LeSingle(.5f) + Padded("huge", 6) + LeSingle(3e38f) +
                         Padded("1", 6) + LeSingle(1));
    EXPECT_EQ(lengths(1, 3),
              "refused: Data File Is Corrupt: 003, record 2 (huge), length 3e+38 is more than "
              "1000000; 1/2   |0.5");
    std::filesystem::remove(dir.File("003"));
    EXPECT_EQ(lengths(1, 1), "not found: Taper Pin Length File NOT Found");
}

TEST(ShippedPinTables, EveryRowMakesAPin) {
    const TaperPinSizesLoad sizes = LoadTaperPinSizes(BW_DATA_DIR);
    ASSERT_EQ(sizes.table.size(), 17u);
    float previousLast = 0.0f;
    for (const TaperPinSize& size : sizes.table) {
        // Each size's lengths follow the previous size's in 003, and each pin can be drawn.
        EXPECT_EQ(size.firstRecord, previousLast + 1.0f) << size.name;
        previousLast = size.lastRecord;
        const TaperPinLengthsLoad lengths = LoadTaperPinLengths(BW_DATA_DIR, size);
        EXPECT_EQ(lengths.status, TaperLengthsStatus::Loaded) << size.name;
        for (const TaperPinLength& length : lengths.lengths) {
            EXPECT_EQ(CheckTaperPin({size.diameter, length.length}), std::nullopt) << size.name;
        }
    }
    EXPECT_EQ(previousLast, 209.0f);  // the last record of 003
    for (const CorePinSize& s : LoadCorePinTable(BW_DATA_DIR).table.sizes) {
        EXPECT_GT(s.headDiameter, s.pinDiameter);
    }
    const auto ejector = LoadEjectorTable(BW_DATA_DIR).table.pinDiameters;
    for (size_t i = 1; i < ejector.size(); ++i) EXPECT_GT(ejector[i], ejector[i - 1]) << i;
}

}  // namespace
}  // namespace bw
