#include "exchange/insertion_info.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace bw {
namespace {

TEST(InsertionInfo, ReadsTheSixFieldsAndDeletesTheFile) {
    test::TempDir dir;
    const std::string path = dir.Write("BW_Info.txt", "A, 2.5, 3, 7, 0.5, [WALLS]\r\n");
    const InfoReadResult r = ReadInsertionInfoFile(path);
    ASSERT_EQ(r.status, InfoStatus::Read);
    EXPECT_EQ(r.info.BasePoint, (PointXY{2.5f, 3.0f}));
    EXPECT_EQ(r.info.InsertScale, 0.5f);
    EXPECT_EQ(r.info.CurrentLayer, "WALLS");
    EXPECT_FALSE(test::Exists(path));
}

TEST(InsertionInfo, TheLimitsThemselvesAreRead) {
    const InfoReadResult r =
        ParseInsertionInfo("A,-1000000,1000000,1,.0001,[" + std::string(255, 'L') + "]");
    ASSERT_EQ(r.status, InfoStatus::Read);
    EXPECT_EQ(r.info.BasePoint, (PointXY{-1e6f, 1e6f}));
    EXPECT_EQ(r.info.InsertScale, 1e-4f);
}

TEST(InsertionInfo, FieldFourNeverMatters) {
    const InfoReadResult r = ParseInsertionInfo("A,1,1,9,2,xLx");
    ASSERT_EQ(r.status, InfoStatus::Read);
    EXPECT_EQ(r.info.InsertScale, 2.0f);
    EXPECT_EQ(r.info.CurrentLayer, "L");
}

TEST(InsertionInfo, FieldsMayStandOnSeparateLinesAndInQuotes) {
    const InfoReadResult r = ParseInsertionInfo("\"a,b\"\r\n-4\r\n5.25\r\n1\r\n1\r\n\"(M-1)\"\r\n");
    ASSERT_EQ(r.status, InfoStatus::Read);
    EXPECT_EQ(r.info.BasePoint, (PointXY{-4.0f, 5.25f}));
    EXPECT_EQ(r.info.CurrentLayer, "M-1");
}

TEST(InsertionInfo, AMissingFileGivesTheDefaults) {
    test::TempDir dir;
    const InfoReadResult r = ReadInsertionInfoFile(dir.File("BW_Info.txt"));
    EXPECT_EQ(r.status, InfoStatus::NotFound);
    EXPECT_EQ(r.info.BasePoint, (PointXY{1.0f, 1.0f}));
    EXPECT_EQ(r.info.InsertScale, 1.0f);
    EXPECT_EQ(r.info.CurrentLayer, "0");
}

TEST(InsertionInfo, AMalformedFileIsReportedAndLeftInPlace) {
    const struct {
        std::string contents;
        const char* problem;
    } cases[] = {
        {"A,1,1,1,1", "it holds fewer than six fields"},
        {"", "it holds fewer than six fields"},
        {"A,x,1,1,1,[0]", "field 2 is not a number"},
        {"A,1,1,1,one,[0]", "field 5 is not a number"},
        {"A,1,1,1,1,0", "the layer field is shorter than two characters"},
        {"A,1,1,1,1,[]", "the layer name is empty"},
        {"A,1,1,1,1,[A B]", "the layer name holds a blank"},
        {"A,1,1,1,1,\"[A\rB]\"", "the layer name holds a control character"},
        {"A,1,1,1,0,[0]", "the scale is not above zero"},
        {"A,1,1,1,-2,[0]", "the scale is not above zero"},
        {"A,1,1,1,1e-45,[0]", "the scale is below .0001"},
        {"A,1,1,1,2e6,[0]", "the scale exceeds 1000000"},
        {"A,2e6,1,1,1,[0]", "the insertion point lies beyond 1000000"},
        {"A,1,-3e38,1,1,[0]", "the insertion point lies beyond 1000000"},
        {"A,1,1,1,1,[" + std::string(256, 'L') + "]",
         "the layer name is longer than 255 characters"},
        {"A,1,1,1,1,[" + std::string(10'000'000, 'L') + "]",
         "the layer name is longer than 255 characters"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string path = dir.Write("BW_Info.txt", c.contents);
        const InfoReadResult r = ReadInsertionInfoFile(path);
        EXPECT_EQ(r.status, InfoStatus::Malformed) << c.contents.substr(0, 40);
        EXPECT_EQ(r.problem, c.problem) << c.contents.substr(0, 40);
        EXPECT_TRUE(test::ReadFile(path) == c.contents) << "the file must stay as it was";
    }
}

TEST(InsertionInfo, MalformedMessageNamesTheFile) {
    EXPECT_EQ(MalformedInfoMessage("/d/BW_Info.txt", "field 2 is not a number"),
              "Insertion Info File Is Malformed: /d/BW_Info.txt (field 2 is not a number). "
              "The file was left in place and nothing was drawn.");
}

}  // namespace
}  // namespace bw
