#include "exchange/insertion_info.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace bw {
namespace {

TEST(InsertionInfo, ReadsTheSixFieldsAndDeletesTheFileOrReportsItAndLeavesItInPlace) {
    const std::string l255(255, 'L');
    const struct {
        std::string contents;
        const char* problem;  // nullptr: the file reads as the values that follow
        PointXY point = {};
        float scale = 0;
        std::string layer = "";
    } cases[] = {
        {"A, 2.5, 3, 7, 0.5, [WALLS]\r\n", nullptr, {2.5f, 3.0f}, 0.5f, "WALLS"},
        // Field four never matters; any delimiters surround the layer.
        {"A,1,1,9,2,xLx", nullptr, {1.0f, 1.0f}, 2.0f, "L"},
        // The limits themselves are read.
        {"A,-1000000,1000000,1,.0001,[" + l255 + "]", nullptr, {-1e6f, 1e6f}, 1e-4f, l255},
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
        const std::string what = c.contents.substr(0, 40);
        const InfoReadResult r = ReadInsertionInfoFile(path);
        EXPECT_EQ(r.status, c.problem ? InfoStatus::Malformed : InfoStatus::Read) << what;
        EXPECT_EQ(r.problem, c.problem ? c.problem : "") << what;
        if (c.problem) {
            EXPECT_TRUE(test::ReadFile(path) == c.contents) << "the file must stay as it was";
            continue;
        }
        EXPECT_EQ(r.info.BasePoint, c.point) << what;
        EXPECT_EQ(r.info.InsertScale, c.scale) << what;
        EXPECT_EQ(r.info.CurrentLayer, c.layer) << what;
        // The file that was read is deleted; the next read finds none.
        EXPECT_EQ(ReadInsertionInfoFile(path).status, InfoStatus::NotFound) << what;
    }
}

}  // namespace
}  // namespace bw
