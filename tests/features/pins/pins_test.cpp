// Pin features: hand-worked scripts, check messages in OK's order, the tables' columns and
// short files, the taper pin's record files (directions over many inputs: the preview's).
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "features/feature_test_util.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::At;
using test::Face;
using test::Kept;
using test::LengthRecord;
using test::Records;
using test::Rows;
using test::Side;
using test::SizeRecord;

TEST(PinScripts, WholeScripts) {
    DrawContext noClearance = At(1, 1);
    noClearance.EjectorClearance = 0;
    const test::Case cases[] = {
        // At the default clearance .015, Dh = .25 + 2 x .0075 = .265; the face view needs no depth
        // and has no direction.
        {"ejector face, no depth",
         EjectorScript({.25f, {}, {View::Face, Direction::Down, false}}, At(1, 1)),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .265\r\n"},
        {"ejector face, no clearance", EjectorScript({.25f, 1.0f, Face()}, noClearance),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .25\r\n"},
        // The clearance bore's sides lie .1325 either side of the axis; the pin bore (.125
        // either side) runs a depth further on. Hidden puts the whole side view on HID.
        {"ejector side, hidden", EjectorScript({.25f, 1.0f, Side(0, true)}, At(1, 1, "WALLS")),
         "Layer set HID \r\nLine 1,1.1325 2,1.1325 \r\nLine 2,1.1325 2,.8675 \r\n"
         "Line 2,.8675 1,.8675 \r\nLine 2,1.125 3,1.125 \r\nLine 2,.875 3,.875 \r\n"
         "Layer set WALLS \r\n"},
        {"ejector side, no clearance", EjectorScript({.25f, .5f, Side()}, noClearance),
         "Layer set 0 \r\nLine 1,1.125 1.5,1.125 \r\nLine 1.5,1.125 1.5,.875 \r\n"
         "Line 1.5,.875 1,.875 \r\nLine 1.5,1.125 2,1.125 \r\nLine 1.5,.875 2,.875 \r\n"},
        {"core pin face", CorePinScript({CorePinSize{.25f, .375f, .25f}, Face()}, At(1, 1, "PART")),
         "Layer set PART \r\nCircle 1,1 D .25\r\nCircle 1,1 D .375\r\n"},
        // With hidden the current layer follows on the same line.
        {"taper pin, hidden", TaperPinScript({.25f, 1.0f, Side(0, true)}, At(2, 3, "WALLS")),
         "Layer set HID \r\nLine 2,3.125 2,2.875 3,2.885415 3,3.114585 2,3.125  "
         "ARC 2,3.125 1.966506,3 2,2.875 ARC 3,2.885415 3.027806,3 3,3.114585 "
         "Layer set WALLS \r\n"},
    };
    test::ExpectCases(cases);
}

TEST(PinChecks, MessagesInTheOrderOkRunsThem) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const test::Case cases[] = {
        {"ejector: pin before depth", CheckEjector({}), "You Must Select Pin Size"},
        {"ejector: side without depth", CheckEjector({.25f, {}, Side(0, true)}),
         "You Must Select Depth"},
        {"ejector: face without depth", CheckEjector({.25f, {}, Face(true)}), nullptr},
        {"ejector: pin not a number", CheckEjector({nan, 1.0f}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"ejector: pin before missing depth", CheckEjector({0.0f, {}}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"ejector: zero depth", CheckEjector({.25f, 0.0f}), "Depth Must Be Greater Than Zero"},
        {"ejector: face ignores a zero depth", CheckEjector({.25f, 0.0f, Face(true)}), nullptr},
        {"core pin: nothing selected", CheckCorePin({}), "You Must Select Pin Size"},
        {"core pin: pin first", CheckCorePin({CorePinSize{0, 0, 0}}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"core pin: head diameter", CheckCorePin({CorePinSize{.25f, 0, .25f}, Face(true)}),
         "Head Diameter Must Be Greater Than Zero"},
        {"core pin: head length", CheckCorePin({CorePinSize{.25f, .375f, -.1f}}),
         "Head Length Must Be Greater Than Zero"},
        // The face view draws no length, so a missing head length does not stop it.
        {"core pin: face without head length",
         CheckCorePin({CorePinSize{.25f, .375f, 0}, Face(true)}), nullptr},
        {"core note: number 0 is a number", CheckCoreNote({0}), nullptr},
        {"taper: size first", CheckTaperPin({}), "You Must Select Pin Size"},
        {"taper: no length", CheckTaperPin({.25f, {}}), "You Must Select Pin Length"},
        {"taper: zero diameter", CheckTaperPin({0.0f, 1.0f}),
         "Pin Diameter Must Be Greater Than Zero"},
        {"taper: zero length", CheckTaperPin({.25f, 0.0f}), "Pin Length Must Be Greater Than Zero"},
        // .25 - 12 x .02083 = .00004: still a (thin) pin; at 12.01 the small end is gone, and
        // at 40 the crown's square root has no real value.
        {"taper: 12 long", CheckTaperPin({.25f, 12.0f}), nullptr},
        {"taper: 12.01 long", CheckTaperPin({.25f, 12.01f}),
         "Pin Length Is Too Long For This Pin Size"},
        {"taper: 40 long", CheckTaperPin({.25f, 40.0f}),
         "Pin Length Is Too Long For This Pin Size"},
    };
    test::ExpectCases(cases);
}

TEST(PinTables, FieldsLandInTheirColumnsAndAShortFileKeepsWhatItsTableKeeps) {
    const auto ejector = ParseEjectorTable(
        "2\r\n1/8,.125\r\n\"1/4, long\",  .25\r\n3, 1/2,.5,1,1\r\n\"2\",2\r\nx\r\n");
    EXPECT_EQ(Kept(ejector, Rows(ejector.table.pinLabels, ejector.table.pinDiameters)),
              "1/8|0.125; 1/4, long|0.25");
    EXPECT_EQ(Rows(ejector.table.depthLabels, ejector.table.depths), "1/2|0.5; 1|1; 2|2");
    const auto corePin =
        ParseCorePinTable("2\r\n1/8,.125,.3125,.125\r\n\"1/4\"\r\n.25\r\n.4375\r\n.1875\r\n");
    EXPECT_EQ(Kept(corePin, Rows(corePin.table.labels)), "1/8; 1/4");
    EXPECT_EQ(Records(corePin.table.sizes, &CorePinSize::pinDiameter, &CorePinSize::headDiameter,
                      &CorePinSize::headLength),
              "0.125|0.3125|0.125; 0.25|0.4375|0.1875");
    // Core numbers are whole 16-bit values; halves go to the even neighbour.
    const auto numbers = ParseCoreNumberTable("4\r\n1/8,8\r\nA,12.5\r\nB,13.5\r\n\"C, x\",-3\r\n");
    EXPECT_EQ(Kept(numbers, Rows(numbers.table.labels, numbers.table.numbers)),
              "1/8|8; A|12; B|14; C, x|-3");
    // The ejector's pin sizes keep whole records only; its depths, as every other section,
    // keep the last label with the numbers it had and zero for the rest (OK refuses the zero).
    const auto pins = ParseEjectorTable("3\r\nA,.1\r\nB,.2\r\nC\r\n");
    EXPECT_EQ(Kept(pins, Rows(pins.table.pinLabels, pins.table.pinDiameters)),
              "corrupt: A|0.1; B|0.2");
    const auto depths = ParseEjectorTable("1\r\nA,.1\r\n2\r\nX,1\r\nY\r\n");
    EXPECT_EQ(Kept(depths, Rows(depths.table.depthLabels, depths.table.depths)),
              "corrupt: X|1; Y|0");
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
    EXPECT_EQ(Kept(tooMany, Sizes(tooMany)), "corrupt: ");
    EXPECT_EQ(tooMany.diagnostic.detail, "32768 records, more than 32767");
    std::string most;
    for (int i = 0; i < 32767; ++i) most += SizeRecord("A", .25f, 1, 1);
    EXPECT_EQ(ParseTaperPinSizes(most + std::string(19, 'x')).table.size(), 32767u);
}

TEST(TaperPinLengths, RecordsFirstToLastBothIncludedOrTheRangeIsRefused) {
    test::TempDir dir;
    // Four whole records; the 4-byte tail is not a fifth.
    dir.Write("003", LengthRecord("1/2", .5f) + LengthRecord("3/4", .75f) + LengthRecord("1", 1) +
                         LengthRecord("1-1/4", 1.25f) + "tail");
    // The status, the message and the lengths listed, on one line.
    const auto lengths = [&](float first, float last) {
        const TaperPinLengthsLoad load =
            LoadTaperPinLengths(dir.Path(), {"No. 4       ", .25f, first, last});
        const char* status[] = {"", "not found: ", "refused: "};
        const std::string line = status[static_cast<int>(load.status)] + load.message;
        const std::string listed =
            Records(load.lengths, &TaperPinLength::label, &TaperPinLength::length);
        return line + (line.empty() || listed.empty() ? "" : "; ") + listed;
    };
    EXPECT_EQ(lengths(2, 4), "3/4   |0.75; 1     |1; 1-1/4 |1.25");
    EXPECT_EQ(lengths(1, 1), "1/2   |0.5");
    const std::pair<int, int> outside[] = {{0, 2}, {-1, 1}, {3, 2}, {2, 5}, {5, 5}};
    for (auto [first, last] : outside) {
        EXPECT_EQ(lengths(first, last), "refused: Pin Size No. 4 Has Invalid Length Records")
            << first << ".." << last;
    }
    // A length that is no size is refused, keeping the lengths before it.
    dir.Write("003", LengthRecord("1/2", .5f) + LengthRecord("huge", 3e38f) + LengthRecord("1", 1));
    EXPECT_EQ(lengths(1, 3),
              "refused: Data File Is Corrupt: 003, record 2 (huge), length 3e+38 is more than "
              "1000000; 1/2   |0.5");
    std::filesystem::remove(dir.File("003"));
    EXPECT_EQ(lengths(1, 1), "not found: Taper Pin Length File NOT Found");
}

TEST(ShippedPinTables, EveryRowMakesAPin) {
    // Whether each size's records lie in 003 is the start-up check's part.
    for (const TaperPinSize& size : LoadTaperPinSizes(BW_DATA_DIR).table) {
        const TaperPinLengthsLoad lengths = LoadTaperPinLengths(BW_DATA_DIR, size);
        EXPECT_FALSE(lengths.lengths.empty()) << size.name;
        for (const TaperPinLength& length : lengths.lengths) {
            EXPECT_EQ(CheckTaperPin({size.diameter, length.length}), std::nullopt) << size.name;
        }
    }
    for (const CorePinSize& s : LoadCorePinTable(BW_DATA_DIR).table.sizes) {
        EXPECT_GT(s.headDiameter, s.pinDiameter);
    }
    const auto ejector = LoadEjectorTable(BW_DATA_DIR).table.pinDiameters;
    for (size_t i = 1; i < ejector.size(); ++i) EXPECT_GT(ejector[i], ejector[i - 1]) << i;
}

}  // namespace
}  // namespace bw
