// The slot and keyway text tables and the center drill record files.
#include <gtest/gtest.h>

#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/slot.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::LeSingle;
using test::Padded;
using test::TempDir;

TEST(SlotTable, ReadsBothSectionsIntoLabelsAndValues) {
    TempDir dir;
    dir.Write("Slot.dat", "2\r\n\"1/4\",.25\r\n\"5/16, wide\",.3125\r\n3\r\nA,1,B,1.5,\"C\",2\r\n");
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.widths.labels, (std::vector<std::string>{"1/4", "5/16, wide"}));
    EXPECT_EQ(load.table.widths.values, (std::vector<float>{0.25f, 0.3125f}));
    EXPECT_EQ(load.table.centerDistances.labels, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(load.table.centerDistances.values, (std::vector<float>{1.0f, 1.5f, 2.0f}));
}

TEST(SlotTable, ALabelWithoutItsNumberStaysWithZero) {
    TempDir dir;
    dir.Write("Slot.dat", "2\n\"1/4\",.25\n\"3/8\"\n");
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.table.widths.labels, (std::vector<std::string>{"1/4", "3/8"}));
    EXPECT_EQ(load.table.widths.values, (std::vector<float>{0.25f, 0.0f}));
}

std::string PlainRecord(const std::string& name, float d1, float d2, float l) {
    return Padded(name, 10) + LeSingle(d1) + LeSingle(d2) + LeSingle(l);
}

std::string BellRecord(const std::string& name, float b1, float b2, float b3) {
    return Padded(name, 11) + LeSingle(b1) + LeSingle(b2) + LeSingle(b3);
}

TEST(CenterDrillTables, RecordsAreReadInFieldOrderAndAShortTailIsIgnored) {
    TempDir dir;
    const std::string three = PlainRecord("#1", 0.125f, 0.046875f, 0.046875f) +
                              PlainRecord("#2", 0.1875f, 0.078125f, 0.078125f) +
                              PlainRecord("#3", 0.25f, 0.109375f, 0.109375f);
    ASSERT_EQ(three.size(), 66u);
    dir.Write("001", three);
    PlainCenterDrillLoad plain = LoadPlainCenterDrills(dir.Path());
    EXPECT_EQ(plain.diagnostic.status, TableStatus::Loaded);
    ASSERT_EQ(plain.table.size(), 3u);
    EXPECT_EQ(plain.table[1].name, "#2        ");
    EXPECT_EQ(plain.table[1].countersinkDiameter, 0.1875f);
    EXPECT_EQ(plain.table[1].drillDiameter, 0.078125f);
    EXPECT_EQ(plain.table[2].pilotLength, 0.109375f);

    dir.Write("001", three + "abcd");
    plain = LoadPlainCenterDrills(dir.Path());
    EXPECT_EQ(plain.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(plain.table.size(), 3u);

    dir.Write("002", BellRecord("#11", 0.125f, 0.046875f, 0.1f) + "x");
    const BellCenterDrillLoad bell = LoadBellCenterDrills(dir.Path());
    ASSERT_EQ(bell.table.size(), 1u);
    EXPECT_EQ(bell.table[0].name, "#11        ");
    EXPECT_EQ(bell.table[0].chamferDiameter, 0.125f);
    EXPECT_EQ(bell.table[0].drillDiameter, 0.046875f);
    EXPECT_EQ(bell.table[0].countersinkDiameter, 0.1f);
}

TEST(ShippedTables, LoadCleanlyWithDrawableSizes) {
    const SlotTableLoad slot = LoadSlotTable(BW_DATA_DIR);
    EXPECT_EQ(slot.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(slot.table.widths.size(), 11u);
    EXPECT_EQ(slot.table.centerDistances.size(), 11u);
    const KeywayTableLoad keyway = LoadKeywayTable(BW_DATA_DIR);
    EXPECT_EQ(keyway.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(keyway.table.keyWidths.values.front(), 0.09375f);
    EXPECT_EQ(keyway.table.diameters.values.back(), 6.5f);
    const PlainCenterDrillLoad plain = LoadPlainCenterDrills(BW_DATA_DIR);
    ASSERT_EQ(plain.table.size(), 10u);
    EXPECT_EQ(plain.table[0].name, "#00       ");
    EXPECT_EQ(plain.table[9].drillDiameter, 0.3125f);
    for (const auto& d : plain.table) EXPECT_TRUE(IsDrawable(d)) << d.name;
    const BellCenterDrillLoad bell = LoadBellCenterDrills(BW_DATA_DIR);
    ASSERT_EQ(bell.table.size(), 8u);
    EXPECT_EQ(bell.table[7].countersinkDiameter, 0.6f);
    for (const auto& d : bell.table) EXPECT_TRUE(IsDrawable(d)) << d.name;
}

}  // namespace
}  // namespace bw
