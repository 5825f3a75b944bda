#include "exchange/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bw {
namespace {

TEST(FieldReader, TextFields) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        // Commas and every kind of line end end a field.
        {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
        // Blanks before a field are skipped, not after it.
        {"  a ,\t b", {"a ", "b"}},
        // Quoted text keeps its commas and loses its quotes.
        {"\"1,2\",x,\"\",y", {"1,2", "x", "", "y"}},
        // Text after a closing quote is passed over; an unclosed quote runs to the end.
        {"\"ab\"cd,e", {"ab", "e"}},
        {"\"ab,cd", {"ab,cd"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& [data, fields] : cases) {
        FieldReader reader(data);
        std::vector<std::string> read;
        for (std::string field; reader.ReadText(field);) read.push_back(field);
        EXPECT_EQ(read, fields) << data;
        EXPECT_EQ(reader.Error(), FieldError::EndOfFile) << data;
    }
}

TEST(FieldReader, NumbersConvertToTheNearestSingleUntilOneDoesNotRead) {
    // Once failed, every further read fails the same way, so the 4 after the x is never taken.
    FieldReader reader(".015, 1.5 ,-2,3e-2,+4,x,4");
    for (const float expected : {0.015f, 1.5f, -2.0f, 0.03f, 4.0f}) {
        float value = 0;
        EXPECT_TRUE(reader.ReadSingle(value));
        EXPECT_EQ(value, expected);
    }
    float value = 0;
    EXPECT_FALSE(reader.ReadSingle(value));
    EXPECT_FALSE(reader.ReadSingle(value));
    EXPECT_EQ(reader.Describe(), "field 6 at byte 22: not a number");
    for (const char* text :
         {"abc", ",", "1.2.3", "nan", "inf", "0x10", "5e", "--1", ".", "1e400"}) {
        FieldReader alone(text);
        EXPECT_FALSE(alone.ReadSingle(value)) << text;
        EXPECT_EQ(alone.Error(), FieldError::BadNumber) << text;
    }
}

TEST(FieldReader, CountsAreWholeSixteenBitNumbers) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{"12", true, 12},       {"2.5", true, 2},         {"3.5", true, 4},
                 {"32767", true, 32767}, {"-32768", true, -32768}, {"0", true, 0},
                 {"32768", false, -1},   {"-40000", false, -1},    {"1e9", false, -1}};
    for (const auto& c : cases) {
        FieldReader reader(c.text);
        int value = -1;
        EXPECT_EQ(reader.ReadCount(value), c.ok) << c.text;
        EXPECT_EQ(reader.Error(), c.ok ? FieldError::None : FieldError::CountOutOfRange);
        EXPECT_EQ(value, c.value) << c.text;  // a count out of range is not stored
    }
}

}  // namespace
}  // namespace bw
