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

TEST(SlotTable, MissingFileIsNotFoundWithEmptyLists) {
    TempDir dir;
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::NotFound);
    EXPECT_EQ(TableMessage(kSlotMessages, load.diagnostic), "Slot Data File NOT Found");
    EXPECT_EQ(load.table.widths.size(), 0u);
    EXPECT_EQ(load.table.centerDistances.size(), 0u);
}

TEST(SlotTable, ASecondCountPromisingMoreKeepsWhatWasThere) {
    TempDir dir;
    dir.Write("Slot.dat", "1\n\"1/4\",.25\n3\n\"1\",1\n\"2\",2\n");
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(TableMessage(kSlotMessages, load.diagnostic), "Slot Data File Is Corrupt");
    EXPECT_EQ(load.diagnostic.detail,
              "field 9 at byte 26: the file ends before all its fields were read");
    EXPECT_EQ(load.table.widths.size(), 1u);
    EXPECT_EQ(load.table.centerDistances.values, (std::vector<float>{1.0f, 2.0f}));
}

TEST(SlotTable, ALabelWithoutItsNumberStaysWithZero) {
    TempDir dir;
    dir.Write("Slot.dat", "2\n\"1/4\",.25\n\"3/8\"\n");
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.table.widths.labels, (std::vector<std::string>{"1/4", "3/8"}));
    EXPECT_EQ(load.table.widths.values, (std::vector<float>{0.25f, 0.0f}));
}

TEST(SlotTable, ANumberThatDoesNotParseIsCorruptWithItsPosition) {
    TempDir dir;
    dir.Write("Slot.dat", "1\n\"1/4\",quarter\n1\nA,1\n");
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.diagnostic.detail, "field 3 at byte 8: not a number");
    EXPECT_EQ(load.table.centerDistances.size(), 0u);
}

TEST(SlotTable, CountsBelowOneAreEmptySections) {
    TempDir dir;
    dir.Write("Slot.dat", "0\n-2\n");
    const SlotTableLoad load = LoadSlotTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.widths.size(), 0u);
    EXPECT_EQ(load.table.centerDistances.size(), 0u);
}

TEST(KeywayTable, UsesItsOwnFileAndMessages) {
    TempDir dir;
    dir.Write("Slot.dat", "1\nS,9\n1\nS,9\n");
    EXPECT_EQ(LoadKeywayTable(dir.Path()).diagnostic.status, TableStatus::NotFound);
    EXPECT_EQ(TableMessage(kKeywayMessages, {TableStatus::NotFound, ""}),
              "Keyway Data File NOT Found");
    dir.Write("Keyway.dat", "1\n\"1/4\",.25\n2\n\"1\",1\n");
    const KeywayTableLoad load = LoadKeywayTable(dir.Path());
    EXPECT_EQ(TableMessage(kKeywayMessages, load.diagnostic), "Keyway Data File Is Corrupt");
    EXPECT_EQ(load.table.keyWidths.values, (std::vector<float>{0.25f}));
    EXPECT_EQ(load.table.diameters.labels, (std::vector<std::string>{"1"}));
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
    ASSERT_EQ(plain.drills.size(), 3u);
    EXPECT_EQ(plain.drills[1].name, "#2        ");
    EXPECT_EQ(plain.drills[1].countersinkDiameter, 0.1875f);
    EXPECT_EQ(plain.drills[1].drillDiameter, 0.078125f);
    EXPECT_EQ(plain.drills[2].pilotLength, 0.109375f);

    dir.Write("001", three + "abcd");
    plain = LoadPlainCenterDrills(dir.Path());
    EXPECT_EQ(plain.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(plain.drills.size(), 3u);

    dir.Write("002", BellRecord("#11", 0.125f, 0.046875f, 0.1f) + "x");
    const BellCenterDrillLoad bell = LoadBellCenterDrills(dir.Path());
    ASSERT_EQ(bell.drills.size(), 1u);
    EXPECT_EQ(bell.drills[0].name, "#11        ");
    EXPECT_EQ(bell.drills[0].chamferDiameter, 0.125f);
    EXPECT_EQ(bell.drills[0].drillDiameter, 0.046875f);
    EXPECT_EQ(bell.drills[0].countersinkDiameter, 0.1f);
}

TEST(CenterDrillTables, MissingFilesAreNotFoundAndAnEmptyFileHoldsNoRecord) {
    TempDir dir;
    EXPECT_EQ(TableMessage(kPlainCenterDrillMessages, LoadPlainCenterDrills(dir.Path()).diagnostic),
              "Plain Centerdrill File NOT Found");
    EXPECT_EQ(TableMessage(kBellCenterDrillMessages, LoadBellCenterDrills(dir.Path()).diagnostic),
              "Bell Centerdrill File NOT Found");
    dir.Write("002", std::string(22, 'x'));
    const BellCenterDrillLoad bell = LoadBellCenterDrills(dir.Path());
    EXPECT_EQ(bell.diagnostic.status, TableStatus::Loaded);
    EXPECT_TRUE(bell.drills.empty());
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
    ASSERT_EQ(plain.drills.size(), 10u);
    EXPECT_EQ(plain.drills[0].name, "#00       ");
    EXPECT_EQ(plain.drills[9].drillDiameter, 0.3125f);
    for (const auto& d : plain.drills) EXPECT_TRUE(IsDrawable(d)) << d.name;
    const BellCenterDrillLoad bell = LoadBellCenterDrills(BW_DATA_DIR);
    ASSERT_EQ(bell.drills.size(), 8u);
    EXPECT_EQ(bell.drills[7].countersinkDiameter, 0.6f);
    for (const auto& d : bell.drills) EXPECT_TRUE(IsDrawable(d)) << d.name;
}

}  // namespace
}  // namespace bw
