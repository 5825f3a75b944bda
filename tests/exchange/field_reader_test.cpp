#include "exchange/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bw {
namespace {

std::vector<std::string> AllTexts(std::string_view data) {
    FieldReader reader(data);
    std::vector<std::string> fields;
    std::string field;
    while (reader.ReadText(field)) fields.push_back(field);
    EXPECT_EQ(reader.Error(), FieldError::EndOfFile);
    return fields;
}

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
    for (const auto& [data, fields] : cases) EXPECT_EQ(AllTexts(data), fields) << data;
    // Records may be packed on one line or spread over several.
    EXPECT_EQ(AllTexts("2,\"1/4\",.25,\"3/8\",.375\r\n"),
              AllTexts("2\r\n\"1/4\"\r\n.25\r\n\"3/8\"\r\n.375\r\n"));
}

TEST(FieldReader, NumbersConvertToTheNearestSingle) {
    FieldReader reader(".015, 1.5 ,-2,3e-2,+4");
    float a = 0, b = 0, c = 0, d = 0, e = 0;
    ASSERT_TRUE(reader.ReadSingle(a) && reader.ReadSingle(b) && reader.ReadSingle(c) &&
                reader.ReadSingle(d) && reader.ReadSingle(e));
    EXPECT_EQ(a, 0.015f);
    EXPECT_EQ(b, 1.5f);
    EXPECT_EQ(c, -2.0f);
    EXPECT_EQ(d, 0.03f);
    EXPECT_EQ(e, 4.0f);
}

TEST(FieldReader, WhatIsNotADecimalNumberFailsWithItsPosition) {
    const char* bad[] = {"abc", ",", "1.2.3", "nan", "inf", "0x10", "5e", "--1", ".", "1e400"};
    for (const char* text : bad) {
        FieldReader reader(text);
        float value = 0;
        EXPECT_FALSE(reader.ReadSingle(value)) << text;
        EXPECT_EQ(reader.Error(), FieldError::BadNumber) << text;
    }
    FieldReader reader("1,2,x,4");
    float v = 0;
    EXPECT_TRUE(reader.ReadSingle(v));
    EXPECT_TRUE(reader.ReadSingle(v));
    EXPECT_FALSE(reader.ReadSingle(v));
    EXPECT_EQ(reader.Describe(), "field 3 at byte 4: not a number");
    // Once failed, every further read fails the same way.
    EXPECT_FALSE(reader.ReadSingle(v));
    EXPECT_EQ(reader.Error(), FieldError::BadNumber);
}

TEST(FieldReader, ReadingPastTheLastFieldIsEndOfFile) {
    FieldReader reader("3\r\n\"a\",1\r\n");
    int count = 0;
    std::string label;
    float value = 0;
    ASSERT_TRUE(reader.ReadCount(count));
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(reader.ReadText(label));
    EXPECT_TRUE(reader.ReadSingle(value));
    EXPECT_FALSE(reader.ReadText(label));
    EXPECT_EQ(reader.Error(), FieldError::EndOfFile);
    EXPECT_EQ(reader.Describe(),
              "field 4 at byte 10: the file ends before all its fields were read");
}

TEST(FieldReader, CountsAreWholeSixteenBitNumbers) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{"12", true, 12},       {"2.5", true, 2},         {"3.5", true, 4},
                 {"32767", true, 32767}, {"-32768", true, -32768}, {"0", true, 0},
                 {"32768", false, 0},    {"-40000", false, 0},     {"1e9", false, 0}};
    for (const auto& c : cases) {
        FieldReader reader(c.text);
        int value = -1;
        EXPECT_EQ(reader.ReadCount(value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        } else {
            EXPECT_EQ(reader.Error(), FieldError::CountOutOfRange) << c.text;
        }
    }
}

TEST(FieldReader, AtEndIgnoresTrailingLineEnds) {
    FieldReader reader("1\r\n\r\n  ");
    float v = 0;
    EXPECT_FALSE(reader.AtEnd());
    ASSERT_TRUE(reader.ReadSingle(v));
    EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
}  // namespace bw
