#include "exchange/insertion_info.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace bw {
namespace {

TEST(InsertionInfo, ReadsTheSixFields) {
    const std::string l255(255, 'L');
    const struct {
        std::string contents;
        PointXY point;
        float scale;
        std::string layer;
    } cases[] = {
        {"A, 2.5, 3, 7, 0.5, [WALLS]\r\n", {2.5f, 3.0f}, 0.5f, "WALLS"},
        // Field four never matters; any delimiters surround the layer.
        {"A,1,1,9,2,xLx", {1.0f, 1.0f}, 2.0f, "L"},
        // The limits themselves are read.
        {"A,-1000000,1000000,1,.0001,[" + l255 + "]", {-1e6f, 1e6f}, 1e-4f, l255},
    };
    for (const auto& c : cases) {
        const InfoReadResult r = ParseInsertionInfo(c.contents);
        ASSERT_EQ(r.status, InfoStatus::Read) << c.contents;
        EXPECT_EQ(r.info.BasePoint, c.point) << c.contents;
        EXPECT_EQ(r.info.InsertScale, c.scale) << c.contents;
        EXPECT_EQ(r.info.CurrentLayer, c.layer) << c.contents;
    }
    // The file that was read is deleted; the next read finds none.
    test::TempDir dir;
    const std::string path = dir.Write("BW_Info.txt", "A,2,3,1,1,[0]");
    EXPECT_EQ(ReadInsertionInfoFile(path).status, InfoStatus::Read);
    EXPECT_EQ(ReadInsertionInfoFile(path).status, InfoStatus::NotFound);
}

TEST(InsertionInfo, AMalformedFileIsReportedAndLeftInPlace) {
    const struct {
        std::string contents;
        const char* problem;
    } cases[] = {
        {"A,1,1,1,1", "it holds fewer than six fields"},
        {"A,x,1,1,1,[0]", "field 2 is not a number"},
        {"A,1,1,1,one,[0]", "field 5 is not a number"},
        {"A,1,1,1,1,0", "the layer field is shorter than two characters"},
        {"A,1,1,1,1,[]", "the layer name is empty"},
        {"A,1,1,1,1,[A B]", "the layer name holds a blank"},
        {"A,1,1,1,1,\"[A\rB]\"", "the layer name holds a control character"},
        {"A,1,1,1,0,[0]", "the scale is not above zero"},
        {"A,1,1,1,1e-45,[0]", "the scale is below .0001"},
        {"A,1,1,1,2e6,[0]", "the scale exceeds 1000000"},
        {"A,2e6,1,1,1,[0]", "the insertion point lies beyond 1000000"},
        {"A,1,-3e38,1,1,[0]", "the insertion point lies beyond 1000000"},
        {"A,1,1,1,1,[" + std::string(256, 'L') + "]",
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

}  // namespace
}  // namespace bw
