#include "tables/record_reader.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace bw {
namespace {

using test::Le16;
using test::LeSingle;
using test::Padded;

TEST(RecordReader, CountsWholeRecordsAndIgnoresAShortTail) {
    const std::string data(45, 'x');
    EXPECT_EQ(RecordReader(data, 20).Count(), 2u);
    EXPECT_EQ(RecordReader(std::string(19, 'x'), 20).Count(), 0u);
    EXPECT_EQ(RecordReader("", 10).Count(), 0u);
}

TEST(RecordReader, RecordsAreNumberedFromOne) {
    const std::string data = "AAAAABBBBBCCCCC";
    RecordReader reader(data, 5);
    std::string_view record;
    ASSERT_TRUE(reader.Record(1, record));
    EXPECT_EQ(record, "AAAAA");
    ASSERT_TRUE(reader.Record(3, record));
    EXPECT_EQ(record, "CCCCC");
    EXPECT_FALSE(reader.Record(0, record));
    EXPECT_FALSE(reader.Record(4, record));
    EXPECT_FALSE(reader.Record(-1, record));
}

TEST(RecordReader, DecodesLittleEndianFields) {
    // A 20-byte size record: 12 characters, a single, two 16-bit integers.
    const std::string record = Padded("7/0", 12) + LeSingle(0.0625f) + Le16(1) + Le16(-2);
    ASSERT_EQ(record.size(), 20u);
    EXPECT_EQ(TextAt(record, 0, 12), "7/0         ");
    EXPECT_EQ(SingleAt(record, 12), 0.0625f);
    EXPECT_EQ(Int16At(record, 16), 1);
    EXPECT_EQ(Int16At(record, 18), -2);
    // 0.25 is 0x3E800000; 258 is 0x0102.
    const std::string bytes{'\x00', '\x00', '\x80', '\x3e', '\x02', '\x01'};
    EXPECT_EQ(SingleAt(bytes, 0), 0.25f);
    EXPECT_EQ(Int16At(bytes, 4), 258);
}

}  // namespace
}  // namespace bw
