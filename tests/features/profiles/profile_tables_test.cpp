// The slot and keyway text tables and the center drill record files: which field lands in
// which column, what a short file keeps, and that the shipped drills can be drawn. What each
// file reports at start-up is the table files test's part.
#include <gtest/gtest.h>

#include "features/feature_test_util.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/slot.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::LeSingle;
using test::Padded;
using test::Records;
using test::Rows;

TEST(SlotTable, BothSectionsAndAShortFile) {
    const auto slot =
        ParseSlotTable("2\r\n\"1/4\",.25\r\n\"5/16, wide\",.3125\r\n3\r\nA,1,B,1.5,\"C\",2\r\n");
    EXPECT_EQ(slot.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(Rows(slot.table.widths.labels, slot.table.widths.values),
              "1/4|0.25; 5/16, wide|0.3125");
    EXPECT_EQ(Rows(slot.table.centerDistances.labels, slot.table.centerDistances.values),
              "A|1; B|1.5; C|2");
    // A label without its number stays, with zero.
    const auto corrupt = ParseSlotTable("2\n\"1/4\",.25\n\"3/8\"\n");
    EXPECT_EQ(corrupt.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(Rows(corrupt.table.widths.labels, corrupt.table.widths.values), "1/4|0.25; 3/8|0");
}

std::string PlainRecord(const std::string& name, float d1, float d2, float l) {
    return Padded(name, 10) + LeSingle(d1) + LeSingle(d2) + LeSingle(l);
}

TEST(CenterDrillTables, RecordsInFieldOrderAndAShortTailIgnored) {
    // 66 bytes hold three plain records, and so do 70.
    const std::string three = PlainRecord("#1", .125f, .046875f, .03125f) +
                              PlainRecord("#2", .1875f, .078125f, .0625f) +
                              PlainRecord("#3", .25f, .109375f, .09375f);
    const std::string expected =
        "#1        |0.125|0.046875|0.03125; #2        |0.1875|0.078125|0.0625; "
        "#3        |0.25|0.109375|0.09375";
    for (const std::string& bytes : {three, three + "abcd"}) {
        const PlainCenterDrillLoad plain = ParsePlainCenterDrills(bytes);
        EXPECT_EQ(plain.diagnostic.status, TableStatus::Loaded);
        EXPECT_EQ(
            Records(plain.table, &PlainCenterDrill::name, &PlainCenterDrill::countersinkDiameter,
                    &PlainCenterDrill::drillDiameter, &PlainCenterDrill::pilotLength),
            expected)
            << bytes.size() << " bytes";
    }
    const BellCenterDrillLoad bell = ParseBellCenterDrills(
        Padded("#11", 11) + LeSingle(.125f) + LeSingle(.046875f) + LeSingle(.1f) + "x");
    EXPECT_EQ(Records(bell.table, &BellCenterDrill::name, &BellCenterDrill::chamferDiameter,
                      &BellCenterDrill::drillDiameter, &BellCenterDrill::countersinkDiameter),
              "#11        |0.125|0.046875|0.1");
}

TEST(ShippedProfileTables, EveryCenterDrillCanBeDrawn) {
    const PlainCenterDrillLoad plain = LoadPlainCenterDrills(BW_DATA_DIR);
    for (const auto& d : plain.table) EXPECT_TRUE(IsDrawable(d)) << d.name;
    const BellCenterDrillLoad bell = LoadBellCenterDrills(BW_DATA_DIR);
    for (const auto& d : bell.table) EXPECT_TRUE(IsDrawable(d)) << d.name;
    EXPECT_FALSE(plain.table.empty() || bell.table.empty());
}

}  // namespace
}  // namespace bw
