#include "tables/record_reader.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(RecordReader, NumbersWholeRecordsFromOneAndIgnoresAShortTail) {
    const RecordReader reader("AAAAABBBBBCCCCCxx", 5);
    EXPECT_EQ(reader.Count(), 3u);
    std::string_view record;
    ASSERT_TRUE(reader.Record(1, record));
    EXPECT_EQ(record, "AAAAA");
    ASSERT_TRUE(reader.Record(3, record));
    EXPECT_EQ(record, "CCCCC");
    for (const long long outside : {0LL, 4LL, -1LL}) {
        EXPECT_FALSE(reader.Record(outside, record)) << outside;
    }
}

}  // namespace
}  // namespace bw
