// Keyways and stepped shafts.
#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"

namespace bw {
namespace {

using test::At;
using test::Expected;

KeywayInput Keyway(KeywayKind kind, bool hidden, const std::string& key = "0.250",
                   const std::string& diameter = "1.000") {
    return KeywayInput{key, diameter, kind, hidden};
}

struct KeywayCase {
    const char* name;
    KeywayKind kind;
    bool hidden;
    const char* script;
};

TEST(Keyway, TheFourCasesAtStartUpValues) {
    const KeywayCase cases[] = {
        {"shaft", KeywayKind::Shaft, false,
         "Layer set 0 \r\n"
         "Line .875,1.484123 .875,1.359123 1.125,1.359123 1.125,1.484123  Circle 1,1 .5\r\n"},
        {"shaft hidden", KeywayKind::Shaft, true,
         "Layer set HID \r\n"
         "Line .875,1.484123 .875,1.359123 1.125,1.359123 1.125,1.484123  Layer set 0 \r\n"
         "Circle 1,1 .5\r\n"
         "Layer set 0 \r\n"},
        // A hub keyway's script ends without a line end.
        {"hub", KeywayKind::Hub, false,
         "Layer set 0 \r\n"
         "Line .875,1.484123 .875,1.609123 1.125,1.609123 1.125,1.484123  "
         "ARC C 1,1 .875,1.484123 1.125,1.484123 "},
        {"hub hidden", KeywayKind::Hub, true,
         "Layer set 0 \r\n"
         "Line .875,1.484123 .875,1.609123 1.125,1.609123 1.125,1.484123  Layer set 0 \r\n"
         "ARC C 1,1 .875,1.484123 1.125,1.484123 Layer set 0 \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeywayScript(Keyway(c.kind, c.hidden), At(1, 1, "0", "HID")), c.script) << c.name;
    }
}

TEST(Keyway, ChecksKeyThenDiameterThenThreeKeys) {
    struct {
        const char *key, *diameter, *message;
    } cases[] = {
        {"", "1.000", "You Must Enter Key Width"},
        {"0", "", "You Must Enter Key Width"},
        {"0.250", "", "You Must Enter Shaft Diameter"},
        {"0.250", ".", "You Must Enter Shaft Diameter"},
        {"0.260", "0.750", "Ket Width Is Excessive"},
        {"0.250", "0.750", nullptr},  // three keys exactly the diameter
        {"0.5", "1.5", nullptr},
    };
    for (const auto& c : cases) {
        const auto message = CheckKeyway(Keyway(KeywayKind::Hub, false, c.key, c.diameter));
        EXPECT_EQ(message, Expected(c.message)) << c.key << " / " << c.diameter;
    }
}

TEST(Keyway, AKeyOfAThirdDrawsItsChordWhereTheCircleIsAtThatWidth) {
    // r = .375, h = .125: s = sqrt(.140625 - .015625) = .3535534, e = .0214466.
    EXPECT_EQ(KeywayScript(Keyway(KeywayKind::Shaft, false, "0.250", "0.750"), At(0, 0)),
              "Layer set 0 \r\n"
              "Line -.125,.3535534 -.125,.2285534 .125,.2285534 .125,.3535534  "
              "Circle 0,0 .375\r\n");
}

ShaftInput Shaft(std::vector<ShaftSegment> segments, View view = View::Side, int direction = 0,
                 bool hidden = false) {
    return ShaftInput{std::move(segments), view, direction, hidden};
}

TEST(Shaft, StartUpGridDrawsOneRectangleWithoutALineEnd) {
    EXPECT_EQ(ShaftScript(Shaft({{"1.000", "1.000"}}), At(1, 1)),
              "Layer set 0 \r\nLine 1,1.5 1,.5 2,.5 2,1.5 1,1.5  ");
}

TEST(Shaft, HiddenSideViewSwitchesBackWithALineEnd) {
    EXPECT_EQ(ShaftScript(Shaft({{"1.000", "1.000"}}, View::Side, 0, true), At(1, 1, "0", "HID")),
              "Layer set HID \r\nLine 1,1.5 1,.5 2,.5 2,1.5 1,1.5  Layer set 0 \r\n");
}

TEST(Shaft, SegmentsFollowOneAnotherInEachDirection) {
    const std::vector<ShaftSegment> two{{"1.000", "1.000"}, {"0.500", "2.000"}};
    struct {
        int direction;
        const char* lines;
    } cases[] = {
        {0, "Line 0,.5 0,-.5 1,-.5 1,.5 0,.5  Line 1,.25 1,-.25 3,-.25 3,.25 1,.25  "},
        {90, "Line -.5,0 .5,0 .5,1 -.5,1 -.5,0  Line -.25,1 .25,1 .25,3 -.25,3 -.25,1  "},
        {180, "Line 0,-.5 0,.5 -1,.5 -1,-.5 0,-.5  Line -1,-.25 -1,.25 -3,.25 -3,-.25 -1,-.25  "},
        {270, "Line .5,0 -.5,0 -.5,-1 .5,-1 .5,0  Line .25,-1 -.25,-1 -.25,-3 .25,-3 .25,-1  "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShaftScript(Shaft(two, View::Side, c.direction), At(0, 0)),
                  std::string("Layer set 0 \r\n") + c.lines)
            << c.direction;
    }
}

TEST(Shaft, FaceViewHidesSegmentsBehindALargerOneWhateverTheHiddenBox) {
    const std::string expected =
        "Layer set 0 \r\nLayer set 0 \r\nCircle 0,0 D 1.000\r\n"
        "Layer set HID \r\nCircle 0,0 D 0.500\r\nLayer set 0 \r\n";
    const std::vector<ShaftSegment> two{{"1.000", "1.000"}, {"0.500", "2.000"}};
    for (bool hidden : {false, true}) {
        EXPECT_EQ(ShaftScript(Shaft(two, View::Face, 90, hidden), At(0, 0, "0", "HID")), expected);
    }
}

TEST(Shaft, FaceViewKeepsASegmentVisibleWhenItIsTheLargestSoFar) {
    const std::vector<ShaftSegment> three{{"0.5", "1"}, {" 1.0 ", "1"}, {"0.750", "1"}};
    EXPECT_EQ(ShaftScript(Shaft(three, View::Face), At(2, 3, "V", "H")),
              "Layer set V \r\n"
              "Layer set V \r\nCircle 2,3 D 0.5\r\n"
              "Layer set V \r\nCircle 2,3 D 1.0\r\n"
              "Layer set H \r\nCircle 2,3 D 0.750\r\n"
              "Layer set V \r\n");
}

TEST(Shaft, ChecksEveryDiameterBeforeAnyLength) {
    struct {
        std::vector<ShaftSegment> segments;
        const char* message;
    } cases[] = {
        {{{"1.000", "1.000"}, {"", ""}, {"", ""}}, "Diameter Missing In Segment2"},
        {{{"0.000", "1.000"}, {"1.000", ""}}, "Diameter Missing In Segment1"},
        {{{"1.000", "1.000"}, {"1.000", ""}}, "Length Missing In Segment2"},
        {{{"1.000", "."}, {"1.000", "2"}}, "Length Missing In Segment1"},
        {{}, "Diameter Missing In Segment1"},
        {{{"1.000", "1.000"}, {"0.5", "0.25"}}, nullptr},
    };
    for (const auto& c : cases) {
        const auto message = CheckShaft(Shaft(c.segments));
        EXPECT_EQ(message, Expected(c.message));
    }
}

TEST(Shaft, MoreSegmentsThanTheGridTakesAreRefused) {
    EXPECT_EQ(CheckShaft(Shaft(std::vector<ShaftSegment>(50, {"1", "1"}))), std::nullopt);
    EXPECT_EQ(CheckShaft(Shaft(std::vector<ShaftSegment>(51, {"1", "1"}))),
              std::string("Number Of Segments Can Not Exceed 50"));
}

}  // namespace
}  // namespace bw
