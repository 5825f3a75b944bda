#include <gtest/gtest.h>

#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

TEST(TapTableFile, ReadsBothSectionsWithQuotedLabels) {
    const auto load = ParseTapTable(
        "2\r\n\"1/4-20, UNC\",.25,.201\r\n  #10-32 UNF , .19 , .159\r\n"
        "3\r\n1/2,.5\r\n\"1\",1\r\n2,2\r\nanything after the last record\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.sizeLabels, (std::vector<std::string>{"1/4-20, UNC", "#10-32 UNF "}));
    EXPECT_EQ(load.table.majorDiameter, (std::vector<float>{.25f, .19f}));
    EXPECT_EQ(load.table.drillDiameter, (std::vector<float>{.201f, .159f}));
    EXPECT_EQ(load.table.depthLabels, (std::vector<std::string>{"1/2", "1", "2"}));
    EXPECT_EQ(load.table.depth, (std::vector<float>{.5f, 1.0f, 2.0f}));
}

TEST(TapTableFile, ShortFileKeepsTheLabelWhoseNumbersAreMissing) {
    // The count promises two sizes; the file ends after the second one's major diameter.
    const auto load = ParseTapTable("2\r\nA,.25,.201\r\nB,.3");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.diagnostic.detail,
              "field 7 at byte 19: the file ends before all its fields were read");
    EXPECT_EQ(load.table.sizeLabels, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(load.table.majorDiameter, (std::vector<float>{.25f, .3f}));
    EXPECT_EQ(load.table.drillDiameter, (std::vector<float>{.201f, 0.0f}));
    EXPECT_TRUE(load.table.depthLabels.empty());
    EXPECT_EQ(TableMessage(kTapMessages, load.diagnostic), "Tap Data File Is Corrupt");
}

TEST(ThreadTableFile, ThreadsPerUnitAreWholeSixteenBitCounts) {
    const auto load = ParseThreadTable("2\r\nA,.25,20\r\nB,.5,12.5\r\n1\r\nL,.5\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    // 12.5 rounds half to even.
    EXPECT_EQ(load.table.threadsPerUnit, (std::vector<int>{20, 12}));
    EXPECT_EQ(load.table.diameter, (std::vector<float>{.25f, .5f}));
    EXPECT_EQ(load.table.depth, (std::vector<float>{.5f}));
}

TEST(DrillTableFiles, CsinkReadsDrillThenCountersink) {
    const auto load = ParseCsinkTable("1\r\n\"1/4 (drill 17/64)\",.265625,.531\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.labels, (std::vector<std::string>{"1/4 (drill 17/64)"}));
    EXPECT_EQ(load.table.drillDiameter, (std::vector<float>{.265625f}));
    EXPECT_EQ(load.table.csinkDiameter, (std::vector<float>{.531f}));
}

TEST(HoleTableLoaders, AFolderNamedLikeTheFileIsNotFound) {
    test::TempDir dir;
    dir.MakeDir("Tap.dat");
    EXPECT_EQ(LoadTapTable(dir.Path()).diagnostic.status, TableStatus::NotFound);
}

TEST(ShippedHoleTables, TapSizesAreUnifiedThreadsWithSmallerTapDrills) {
    const auto load = LoadTapTable(BW_DATA_DIR);
    ASSERT_EQ(load.diagnostic.status, TableStatus::Loaded) << load.diagnostic.detail;
    const TapTable& t = load.table;
    ASSERT_EQ(t.sizeLabels.size(), 39u);
    EXPECT_EQ(t.sizeLabels.front(), "#0-80 UNF (drill 3/64)");
    for (size_t i = 0; i < t.sizeLabels.size(); ++i) {
        EXPECT_GT(t.drillDiameter[i], 0.0f) << t.sizeLabels[i];
        EXPECT_LT(t.drillDiameter[i], t.majorDiameter[i]) << t.sizeLabels[i];
        if (t.sizeLabels[i] == "1/4-20 UNC (drill #7)") {
            EXPECT_EQ(t.majorDiameter[i], .25f);
            EXPECT_EQ(t.drillDiameter[i], .201f);
        }
    }
    ASSERT_EQ(t.depth.size(), 15u);
    EXPECT_EQ(t.depth.front(), .125f);
    EXPECT_EQ(t.depth.back(), 2.0f);
}

TEST(ShippedHoleTables, ThreadsCounterboresDrillsAndCountersinks) {
    const auto thread = LoadThreadTable(BW_DATA_DIR);
    ASSERT_EQ(thread.diagnostic.status, TableStatus::Loaded) << thread.diagnostic.detail;
    ASSERT_EQ(thread.table.sizeLabels.size(), 39u);
    for (size_t i = 0; i < thread.table.sizeLabels.size(); ++i) {
        if (thread.table.sizeLabels[i] == "1/2-13 UNC") {
            EXPECT_EQ(thread.table.diameter[i], .5f);
            EXPECT_EQ(thread.table.threadsPerUnit[i], 13);
        }
        EXPECT_GT(thread.table.threadsPerUnit[i], 0);
    }

    const auto cbore = LoadCboreTable(BW_DATA_DIR);
    ASSERT_EQ(cbore.diagnostic.status, TableStatus::Loaded) << cbore.diagnostic.detail;
    ASSERT_EQ(cbore.table.labels.size(), 18u);
    EXPECT_EQ(cbore.table.labels[9], "1/4");
    EXPECT_EQ(cbore.table.screwDiameter[9], .25f);
    EXPECT_EQ(cbore.table.cboreDiameter[9], .4375f);
    for (size_t i = 0; i < cbore.table.labels.size(); ++i) {
        EXPECT_GT(cbore.table.cboreDiameter[i], cbore.table.screwDiameter[i]);
    }

    const auto drill = LoadDrillTable(BW_DATA_DIR);
    ASSERT_EQ(drill.diagnostic.status, TableStatus::Loaded) << drill.diagnostic.detail;
    // 64 fractions, 80 numbers, 26 letters.
    EXPECT_EQ(drill.table.labels[64 + 6], "#7 (.201)");
    EXPECT_EQ(drill.table.dimension[64 + 6], .201f);
    EXPECT_EQ(drill.table.labels[64 + 80 + 5], "F (.257)");

    const auto csink = LoadCsinkTable(BW_DATA_DIR);
    ASSERT_EQ(csink.diagnostic.status, TableStatus::Loaded) << csink.diagnostic.detail;
    ASSERT_EQ(csink.table.labels.size(), 18u);
    EXPECT_EQ(csink.table.labels[9], "1/4 (drill 17/64)");
    EXPECT_EQ(csink.table.drillDiameter[9], .265625f);
    EXPECT_EQ(csink.table.csinkDiameter[9], .531f);
    for (size_t i = 0; i < csink.table.labels.size(); ++i) {
        EXPECT_GT(csink.table.csinkDiameter[i], csink.table.drillDiameter[i]);
    }
}

}  // namespace
}  // namespace bw
