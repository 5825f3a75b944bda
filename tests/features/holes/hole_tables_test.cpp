// The hole features' text tables: which field lands in which column, what a short file
// keeps, and that the shipped rows make sense as holes. What each file reports at start-up
// is the table files test's part; the rows the lists show, the window tests'.
#include <gtest/gtest.h>

#include "features/feature_test_util.h"
#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"

namespace bw {
namespace {

using test::Rows;

TEST(HoleTables, FieldsLandInTheirColumns) {
    const auto tap = ParseTapTable(
        "2\r\n\"1/4-20, UNC\",.25,.201\r\n  #10-32 UNF , .19 , .159\r\n"
        "3\r\n1/2,.5\r\n\"1\",1\r\n2,2\r\nanything after the last record\r\n");
    EXPECT_EQ(tap.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(Rows(tap.table.sizeLabels, tap.table.majorDiameter, tap.table.drillDiameter),
              "1/4-20, UNC|0.25|0.201; #10-32 UNF |0.19|0.159");
    EXPECT_EQ(Rows(tap.table.depthLabels, tap.table.depth), "1/2|0.5; 1|1; 2|2");

    // Threads per unit are whole 16-bit counts: 12.5 goes to the even 12.
    const auto thread = ParseThreadTable("2\r\nA,.25,20\r\nB,.5,12.5\r\n1\r\nL,.5\r\n");
    EXPECT_EQ(thread.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(Rows(thread.table.sizeLabels, thread.table.diameter, thread.table.threadsPerUnit),
              "A|0.25|20; B|0.5|12");
    EXPECT_EQ(Rows(thread.table.depthLabels, thread.table.depth), "L|0.5");

    const auto csink = ParseCsinkTable("1\r\n\"1/4 (drill 17/64)\",.265625,.531\r\n");
    EXPECT_EQ(Rows(csink.table.labels, csink.table.drillDiameter, csink.table.csinkDiameter),
              "1/4 (drill 17/64)|0.265625|0.531");
}

TEST(HoleTables, AShortFileKeepsTheLabelWhoseNumbersAreMissing) {
    // The count promises two sizes; the file ends after the second one's major diameter.
    const auto tap = ParseTapTable("2\r\nA,.25,.201\r\nB,.3");
    EXPECT_EQ(tap.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(Rows(tap.table.sizeLabels, tap.table.majorDiameter, tap.table.drillDiameter),
              "A|0.25|0.201; B|0.3|0");
    EXPECT_TRUE(tap.table.depthLabels.empty());
}

TEST(HoleTables, ShippedRowsNestAsHoles) {
    const auto tap = LoadTapTable(BW_DATA_DIR).table;
    for (size_t i = 0; i < tap.sizeLabels.size(); ++i) {
        EXPECT_LT(tap.drillDiameter[i], tap.majorDiameter[i]) << tap.sizeLabels[i];
    }
    const auto cbore = LoadCboreTable(BW_DATA_DIR).table;
    for (size_t i = 0; i < cbore.labels.size(); ++i) {
        EXPECT_GT(cbore.cboreDiameter[i], cbore.screwDiameter[i]) << cbore.labels[i];
    }
    const auto csink = LoadCsinkTable(BW_DATA_DIR).table;
    for (size_t i = 0; i < csink.labels.size(); ++i) {
        EXPECT_GT(csink.csinkDiameter[i], csink.drillDiameter[i]) << csink.labels[i];
    }
    EXPECT_FALSE(tap.sizeLabels.empty() || cbore.labels.empty() || csink.labels.empty());
}

}  // namespace
}  // namespace bw
