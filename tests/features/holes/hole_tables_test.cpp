#include <gtest/gtest.h>

#include <functional>

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

TEST(TapTableFile, NumberThatDoesNotParseStopsTheLoadingWhereItIs) {
    const auto load = ParseTapTable("1\r\nA,x,.2\r\n0\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.diagnostic.detail, "field 3 at byte 5: not a number");
    EXPECT_EQ(load.table.sizeLabels, (std::vector<std::string>{"A"}));
    EXPECT_EQ(load.table.majorDiameter, (std::vector<float>{0.0f}));
}

TEST(TapTableFile, CountsBelowOneAreEmptySections) {
    const auto load = ParseTapTable("0\r\n2\r\nA,.5\r\nB,1\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_TRUE(load.table.sizeLabels.empty());
    EXPECT_EQ(load.table.depthLabels.size(), 2u);
    const auto negative = ParseTapTable("-3\r\n-1\r\n");
    EXPECT_EQ(negative.diagnostic.status, TableStatus::Loaded);
    EXPECT_TRUE(negative.table.sizeLabels.empty());
    EXPECT_TRUE(negative.table.depthLabels.empty());
}

TEST(TapTableFile, EmptyFileIsCorrupt) {
    const auto load = ParseTapTable("");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.diagnostic.detail,
              "field 1 at byte 0: the file ends before all its fields were read");
}

TEST(ThreadTableFile, ThreadsPerUnitAreWholeSixteenBitCounts) {
    const auto load = ParseThreadTable("2\r\nA,.25,20\r\nB,.5,12.5\r\n1\r\nL,.5\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    // 12.5 rounds half to even.
    EXPECT_EQ(load.table.threadsPerUnit, (std::vector<int>{20, 12}));
    EXPECT_EQ(load.table.diameter, (std::vector<float>{.25f, .5f}));
    EXPECT_EQ(load.table.depth, (std::vector<float>{.5f}));

    const auto tooMany = ParseThreadTable("1\r\n\"1/4-20, UNC\",.25,40000\r\n1\r\nL,.5\r\n");
    EXPECT_EQ(tooMany.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(tooMany.diagnostic.detail, "field 4 at byte 21: count out of range");
    EXPECT_EQ(tooMany.table.sizeLabels, (std::vector<std::string>{"1/4-20, UNC"}));
    EXPECT_EQ(tooMany.table.threadsPerUnit, (std::vector<int>{0}));
    EXPECT_TRUE(tooMany.table.depthLabels.empty());
}

TEST(DrillTableFiles, CsinkReadsDrillThenCountersink) {
    const auto load = ParseCsinkTable("1\r\n\"1/4 (drill 17/64)\",.265625,.531\r\n");
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.labels, (std::vector<std::string>{"1/4 (drill 17/64)"}));
    EXPECT_EQ(load.table.drillDiameter, (std::vector<float>{.265625f}));
    EXPECT_EQ(load.table.csinkDiameter, (std::vector<float>{.531f}));
}

// Every loader of the group, for the cases they share.
struct LoaderCase {
    const char* file;
    TableMessages messages;
    std::function<std::pair<TableDiagnostic, size_t>(const std::string&)> load;
    const char* shortContents;  // the count promises one record more than the file holds
    size_t labelsKept;
};

std::vector<LoaderCase> Loaders() {
    return {
        {"Tap.dat", kTapMessages,
         [](const std::string& f) {
             auto l = LoadTapTable(f);
             return std::make_pair(l.diagnostic, l.table.sizeLabels.size());
         },
         "2\r\nA,.25,.201\r\n", 1},
        {"Cbore.dat", kCboreMessages,
         [](const std::string& f) {
             auto l = LoadCboreTable(f);
             return std::make_pair(l.diagnostic, l.table.labels.size());
         },
         "3\r\nA,.25,.4375\r\nB,.5,.8125\r\n", 2},
        {"Thread.dat", kThreadMessages,
         [](const std::string& f) {
             auto l = LoadThreadTable(f);
             return std::make_pair(l.diagnostic, l.table.sizeLabels.size());
         },
         "1\r\nA,.25,20\r\n2\r\nL,.5\r\n", 1},
        {"Drill.dat", kDrillMessages,
         [](const std::string& f) {
             auto l = LoadDrillTable(f);
             return std::make_pair(l.diagnostic, l.table.labels.size());
         },
         "2\r\nA,.234\r\n", 1},
        {"Csink.dat", kCsinkMessages,
         [](const std::string& f) {
             auto l = LoadCsinkTable(f);
             return std::make_pair(l.diagnostic, l.table.labels.size());
         },
         "2\r\nA,.067,.138\r\nB,.081", 2},
    };
}

TEST(HoleTableLoaders, MissingFileIsNotFoundWithNothingLoaded) {
    test::TempDir dir;
    for (const LoaderCase& c : Loaders()) {
        const auto [diagnostic, labels] = c.load(dir.Path());
        EXPECT_EQ(diagnostic.status, TableStatus::NotFound) << c.file;
        EXPECT_EQ(labels, 0u) << c.file;
    }
    EXPECT_EQ(TableMessage(kTapMessages, {TableStatus::NotFound, ""}), "Tap Data File NOT Found");
    EXPECT_EQ(TableMessage(kCboreMessages, {TableStatus::NotFound, ""}),
              "Counterbore Data File NOT Found");
    EXPECT_EQ(TableMessage(kThreadMessages, {TableStatus::NotFound, ""}),
              "Thread Data File NOT Found");
    EXPECT_EQ(TableMessage(kDrillMessages, {TableStatus::NotFound, ""}),
              "Drill Data File NOT Found");
    EXPECT_EQ(TableMessage(kCsinkMessages, {TableStatus::NotFound, ""}),
              "Countersink Data File NOT Found");
}

TEST(HoleTableLoaders, ShortFileIsCorruptAndKeepsWhatWasRead) {
    test::TempDir dir;
    for (const LoaderCase& c : Loaders()) {
        dir.Write(c.file, c.shortContents);
        const auto [diagnostic, labels] = c.load(dir.Path());
        EXPECT_EQ(diagnostic.status, TableStatus::Corrupt) << c.file;
        EXPECT_EQ(labels, c.labelsKept) << c.file;
    }
    EXPECT_EQ(TableMessage(kCboreMessages, {TableStatus::Corrupt, ""}),
              "Counterbore Data File Is Corrupt");
    EXPECT_EQ(TableMessage(kThreadMessages, {TableStatus::Corrupt, ""}),
              "Thread Data File Is Corrupt");
    EXPECT_EQ(TableMessage(kDrillMessages, {TableStatus::Corrupt, ""}),
              "Drill Data File Is Corrupt");
    EXPECT_EQ(TableMessage(kCsinkMessages, {TableStatus::Corrupt, ""}),
              "Countersink Data File Is Corrupt");
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
    EXPECT_EQ(drill.table.labels.size(), 64u + 80u + 26u);
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
