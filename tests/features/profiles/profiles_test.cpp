// Slots, cams, keyways, shafts and center drills: hand-worked scripts, check messages in
// OK's order, the tables' columns (directions over many inputs: the preview's).
#include <gtest/gtest.h>

#include <limits>

#include "features/feature_test_util.h"
#include "features/profiles/cam.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::At;
using test::Face;
using test::Kept;
using test::PlainRecord;
using test::Records;
using test::Rows;
using test::Side;

TEST(ProfileScripts, WholeScripts) {
    const test::Case cases[] = {
        // Hidden only repeats the current layer around a hub keyway's arc.
        {"keyway, hub, hidden",
         KeywayScript({"0.250", "1.000", KeywayKind::Hub, Side(0, true)}, At(1, 1)),
         "Layer set 0 \r\nLine .875,1.484123 .875,1.609123 1.125,1.609123 1.125,1.484123  "
         "Layer set 0 \r\nARC C 1,1 .875,1.484123 1.125,1.484123 Layer set 0 \r\n"},
        {"shaft, two segments at 90",
         ShaftScript({{{"1.000", "1.000"}, {"0.500", "2.000"}}, Side(90)}, At(0, 0)),
         "Layer set 0 \r\nLine -.5,0 .5,0 .5,1 -.5,1 -.5,0  Line -.25,1 .25,1 .25,3 -.25,3 -.25,1 "
         " "},
        // A segment behind a larger one is hidden whatever the box says; the text is written
        // as the cell holds it, blanks trimmed.
        {"shaft face, the largest so far stays visible",
         ShaftScript({{{"0.5", "1"}, {" 1.0 ", "1"}, {"0.750", "1"}}, Face()}, At(2, 3, "V", "H")),
         "Layer set V \r\nLayer set V \r\nCircle 2,3 D 0.5\r\nLayer set V \r\nCircle 2,3 D 1.0\r\n"
         "Layer set H \r\nCircle 2,3 D 0.750\r\nLayer set V \r\n"},
        // h1 = .09375 x cot 30 = .1623798, h2 = .03125 x cot 59 = .0187769.
        {"plain center drill",
         CenterDrillScript({PlainCenterDrill{"#1", .25f, .0625f, .0625f}, {}, Side()}, At(1, 1)),
         "Layer set 0 \r\nLine 1,1.125 1.16238,1.03125 \r\nLine 1.16238,1.03125 1.22488,1.03125 "
         "\r\nLine 1.22488,1.03125 1.243657,1 \r\nLine 1.243657,1 1.22488,.96875 \r\n"
         "Line 1.22488,.96875 1.16238,.96875 \r\nLine 1.16238,.96875 1,.875 \r\n"
         "Line 1.16238,1.03125 1.16238,.96875 \r\nLine 1.22488,1.03125 1.22488,.96875 \r\n"},
        // h0 = .09375 x cot 60 = .0541266, h1 = .1623798; the pilot, as long as it is wide,
        // runs from .2165064 to .3415064.
        {"bell center drill",
         CenterDrillScript({{}, BellCenterDrill{"#11", .5f, .125f, .3125f}, Side()}, At(1, 1)),
         "Layer set 0 \r\nLine 1,1.25 1.054127,1.15625 \r\nLine 1.054127,1.15625 1.216506,1.0625 "
         "\r\nLine 1.216506,1.0625 1.341506,1.0625 \r\nLine 1.341506,1.0625 1.37906,1 \r\n"
         "Line 1.37906,1 1.341506,.9375 \r\nLine 1.341506,.9375 1.216506,.9375 \r\n"
         "Line 1.216506,.9375 1.054127,.84375 \r\nLine 1.054127,.84375 1,.75 \r\n"
         "Line 1.054127,1.15625 1.054127,.84375 \r\nLine 1.216506,1.0625 1.216506,.9375 \r\n"
         "Line 1.341506,1.0625 1.341506,.9375 \r\n"},
        // Tangent points carry the double cosine of the single angle, times the distance,
        // rounded to single: a single cosine changes a last digit. The cam at its start-up
        // values, 270, Hidden; single cosines give -.046875 and -.04687494 where double ones
        // give -.04687506 and -.046875.
        {"cam at 270: the double cosine",
         CamScript({"0.500", "0.375", "1.000", Side(270, true)}, At(1, 1, "0", "HIDDEN")),
         "Layer set HIDDEN \r\n"
         "ARC C 1,1 1.496078,.9375 .5039216,.9374999 ARC C 1,0 .6279415,-.04687506 "
         "1.372059,-.046875 Line .5039216,.9374999 .6279415,-.04687506  "
         "Line 1.496078,.9375 1.372059,-.046875 \r\nLayer set 0 \r\n"},
        // A slot 1 wide, 1.5 apart, 90. Single cosine: -6.556708E-08.
        {"slot at 90: the double cosine", SlotScript({"1.000", "1.500", Side(90)}, At(1, 1)),
         "Layer set 0 \r\nARC C 1,1 0,.9999999 2,1 ARC C .9999999,2.5 2,2.5 -6.556709E-08,2.5 "
         "Line 2,1 2,2.5  Line 0,.9999999 -6.556709E-08,2.5 \r\n"},
    };
    test::ExpectCases(cases);
    // A width typed with two points counts up to the second; equal radii make the slot.
    EXPECT_EQ(SlotScript({"1.2.3", "2"}, At(1, 1)), SlotScript({"1.2", "2"}, At(1, 1)));
    EXPECT_EQ(CamScript({"0.250", "0.250"}, At(1, 1)), SlotScript({}, At(1, 1)));
}

TEST(ProfileChecks, MessagesInTheOrderOkRunsThem) {
    const test::Case cases[] = {
        {"slot: empty width", CheckSlot({"", ""}), "You Must Enter Slot Width"},
        {"slot: a lone point", CheckSlot({".", "1.000"}), "You Must Enter Slot Width"},
        {"slot: empty distance", CheckSlot({"0.250", ""}), "You Must Enter Center Distance"},
        // At or below the stand-in radius difference there are no tangents; above it, a
        // distance too small to move a point is still refused.
        {"slot: 1E-08", CheckSlot({"0.250", "0.00000001"}), "You Must Enter Center Distance"},
        {"slot: 2E-08", CheckSlot({"0.250", "0.00000002"}),
         "Center Distance Must Be At Least .0001"},
        {"slot: small but usable", CheckSlot({"0.0625", "0.001"}), nullptr},
        {"slot: 1.2.3 is 1.2", CheckSlot({"1.2.3", "2"}), nullptr},
        {"cam: zero radius", CheckCam({"0"}), "You Must Enter Radius"},
        {"cam: radius before distance", CheckCam({"", "0.375", ""}), "You Must Enter Radius"},
        {"cam: empty second radius", CheckCam({"0.500", ""}), "You Must Enter Radius"},
        {"cam: empty distance", CheckCam({"0.500", "0.375", ""}),
         "Center Distance Must Be Greater Than Sum Of Radi"},
        {"cam: just over the sum", CheckCam({"0.500", "0.375", "0.876"}), nullptr},
        {"keyway: empty key", CheckKeyway({"", "1.000"}), "You Must Enter Key Width"},
        {"keyway: key before diameter", CheckKeyway({"0", ""}), "You Must Enter Key Width"},
        {"keyway: empty diameter", CheckKeyway({"0.250", ""}), "You Must Enter Shaft Diameter"},
        {"keyway: three keys the diameter", CheckKeyway({"0.250", "0.750"}), nullptr},
        {"shaft: zero diameter", CheckShaft({{{"0.000", "1.000"}, {"1.000", ""}}}),
         "Diameter Missing In Segment1"},
        {"shaft: a lone point", CheckShaft({{{"1.000", "."}, {"1.000", "2"}}}),
         "Length Missing In Segment1"},
        {"shaft: no segment", CheckShaft({{}}), "Diameter Missing In Segment1"},
        {"shaft: 50 segments", CheckShaft({std::vector<ShaftSegment>(50, {"1", "1"})}), nullptr},
        {"shaft: 51 segments", CheckShaft({std::vector<ShaftSegment>(51, {"1", "1"})}),
         "Number Of Segments Can Not Exceed 50"},
    };
    test::ExpectCases(cases);
}

TEST(ProfileChecks, AShaftRefusalNamesTheCellWhereReadingTheGridStopped) {
    using Cell = std::optional<std::pair<int, int>>;  // (row, segment)
    const struct {
        ShaftInput input;
        Cell stoppedAt;
    } cases[] = {
        {{{{"1", "1"}, {"", ""}, {"", ""}}}, std::pair{1, 2}},
        {{{{"1", "1"}, {"1", ""}}}, std::pair{2, 2}},
        {{{{"1", "."}, {"1", "2"}}}, std::pair{2, 1}},
        {{{}}, std::pair{0, 0}},
        {{std::vector<ShaftSegment>(51, {"1", "1"})}, std::pair{0, 0}},
        {{{{"1", "1"}, {"2", "2000000"}}}, std::nullopt},  // found after every cell
    };
    for (const auto& c : cases) {
        const std::optional<ShaftRefusal> refusal = CheckShaftGrid(c.input);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->stoppedAt, c.stoppedAt) << refusal->message;
    }
}

TEST(ProfileChecks, ACenterDrillRecordThatCannotMakeAHoleIsRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float a, b, c;
        bool plainOk, bellOk;
    } cases[] = {
        {.25f, .0625f, .0625f, true, false},  // bell: cone narrower than the pilot
        {0, .0625f, .1f, false, false},      {.25f, -.0625f, .1f, false, false},
        {nan, .0625f, .1f, false, false},    {.25f, .0625f, inf, false, false},
        {.25f, .25f, .25f, false, false},  // pilot as wide as the cone
        {.5f, .125f, .5f, true, false},    // bell: cone as wide as the chamfer
    };
    const std::optional<std::string> invalid = "Drill Size Data Is Invalid";
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c);
        EXPECT_EQ(CheckCenterDrill({PlainCenterDrill{"#1", c.a, c.b, c.c}, {}}),
                  c.plainOk ? std::nullopt : invalid);
        EXPECT_EQ(CheckCenterDrill({{}, BellCenterDrill{"#11", c.a, c.b, c.c}}),
                  c.bellOk ? std::nullopt : invalid);
    }
}

TEST(ProfileTables, FieldsInOrderAndAShortTailIgnored) {
    const auto slot =
        ParseSlotTable("2\r\n\"1/4\",.25\r\n\"5/16, wide\",.3125\r\n3\r\nA,1,B,1.5,\"C\",2\r\n");
    EXPECT_EQ(Kept(slot, Rows(slot.table.widths.labels, slot.table.widths.values)),
              "1/4|0.25; 5/16, wide|0.3125");
    EXPECT_EQ(Rows(slot.table.centerDistances.labels, slot.table.centerDistances.values),
              "A|1; B|1.5; C|2");
    // 48 bytes hold two 22-byte plain records and a tail that is not a third.
    const PlainCenterDrillLoad plain =
        ParsePlainCenterDrills(PlainRecord("#1", .125f, .046875f, .03125f) +
                               PlainRecord("#2", .1875f, .078125f, .0625f) + "abcd");
    EXPECT_EQ(
        Kept(plain,
             Records(plain.table, &PlainCenterDrill::name, &PlainCenterDrill::countersinkDiameter,
                     &PlainCenterDrill::drillDiameter, &PlainCenterDrill::pilotLength)),
        "#1        |0.125|0.046875|0.03125; #2        |0.1875|0.078125|0.0625");
    const BellCenterDrillLoad bell =
        ParseBellCenterDrills(test::BellRecord("#11", .125f, .046875f, .1f) + "x");
    EXPECT_EQ(Records(bell.table, &BellCenterDrill::name, &BellCenterDrill::chamferDiameter,
                      &BellCenterDrill::drillDiameter, &BellCenterDrill::countersinkDiameter),
              "#11        |0.125|0.046875|0.1");
}

}  // namespace
}  // namespace bw
