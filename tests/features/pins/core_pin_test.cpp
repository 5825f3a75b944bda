#include "features/pins/core_pin.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace bw {
namespace {

DrawContext Context(const std::string& current = "0", const std::string& hidden = "0") {
    DrawContext c;
    c.BasePoint = {1.0f, 1.0f};
    c.CurrentLayer = current;
    c.HiddenLayer = hidden;
    return c;
}

CorePinInput Input(View view, int direction, bool hidden) {
    CorePinInput in;
    in.size = CorePinSize{0.25f, 0.375f, 0.25f};
    in.view = view;
    in.direction = direction;
    in.hidden = hidden;
    return in;
}

TEST(CorePinScript, FaceWithoutHiddenIsPinThenHeadOnTheCurrentLayer) {
    EXPECT_EQ(CorePinScript(Input(View::Face, 0, false), Context()),
              "Layer set 0 \r\n"
              "Circle 1,1 D .25\r\n"
              "Circle 1,1 D .375\r\n");
}

TEST(CorePinScript, FaceWithHiddenPutsTheHeadOnTheHiddenLayer) {
    EXPECT_EQ(CorePinScript(Input(View::Face, 90, true), Context("PART", "HID")),
              "Layer set PART \r\n"
              "Circle 1,1 D .25\r\n"
              "Layer set HID \r\n"
              "Circle 1,1 D .375\r\n"
              "Layer set PART \r\n");
}

TEST(CorePinScript, SideRunsThePinToFourHeadLengths) {
    // Head .375 (.1875 either side) from x = 1 to 1.25; pin .25 from 1.25 to 2.
    EXPECT_EQ(CorePinScript(Input(View::Side, 0, true), Context("PART", "HID")),
              "Layer set HID \r\n"
              "Line 1,1.1875 1.25,1.1875 \r\n"
              "Line 1.25,1.1875 1.25,.8125 \r\n"
              "Line 1.25,.8125 1,.8125 \r\n"
              "Line 1.25,1.125 2,1.125 \r\n"
              "Line 1.25,.875 2,.875 \r\n"
              "Layer set PART \r\n");
}

TEST(CorePinScript, SideWithoutHiddenHasNoClosingLayerLine) {
    EXPECT_EQ(CorePinScript(Input(View::Side, 0, false), Context("PART", "HID")),
              "Layer set PART \r\n"
              "Line 1,1.1875 1.25,1.1875 \r\n"
              "Line 1.25,1.1875 1.25,.8125 \r\n"
              "Line 1.25,.8125 1,.8125 \r\n"
              "Line 1.25,1.125 2,1.125 \r\n"
              "Line 1.25,.875 2,.875 \r\n");
}

TEST(CorePinScript, SideAt270RunsTowardsMinusY) {
    EXPECT_EQ(CorePinScript(Input(View::Side, 270, false), Context()),
              "Layer set 0 \r\n"
              "Line 1.1875,1 1.1875,.75 \r\n"
              "Line 1.1875,.75 .8125,.75 \r\n"
              "Line .8125,.75 .8125,1 \r\n"
              "Line 1.125,.75 1.125,0 \r\n"
              "Line .875,.75 .875,0 \r\n");
}

TEST(CorePinScript, SideAt90And180) {
    EXPECT_EQ(CorePinScript(Input(View::Side, 90, false), Context()),
              "Layer set 0 \r\n"
              "Line .8125,1 .8125,1.25 \r\n"
              "Line .8125,1.25 1.1875,1.25 \r\n"
              "Line 1.1875,1.25 1.1875,1 \r\n"
              "Line .875,1.25 .875,2 \r\n"
              "Line 1.125,1.25 1.125,2 \r\n");
    EXPECT_EQ(CorePinScript(Input(View::Side, 180, false), Context()),
              "Layer set 0 \r\n"
              "Line 1,.8125 .75,.8125 \r\n"
              "Line .75,.8125 .75,1.1875 \r\n"
              "Line .75,1.1875 1,1.1875 \r\n"
              "Line .75,.875 0,.875 \r\n"
              "Line .75,1.125 0,1.125 \r\n");
}

struct CheckCase {
    std::optional<CorePinSize> size;
    View view;
    std::optional<std::string> message;
};

TEST(CheckCorePin, RefusesNoSelectionAndUnusableRows) {
    const CheckCase cases[] = {
        {std::nullopt, View::Side, "You Must Select Pin Size"},
        {std::nullopt, View::Face, "You Must Select Pin Size"},
        {CorePinSize{0.25f, 0.375f, 0.25f}, View::Side, std::nullopt},
        {CorePinSize{0.0f, 0.375f, 0.25f}, View::Face, "Pin Diameter Must Be Greater Than Zero"},
        {CorePinSize{-1.0f, 0.375f, 0.25f}, View::Side, "Pin Diameter Must Be Greater Than Zero"},
        {CorePinSize{0.25f, 0.0f, 0.25f}, View::Face, "Head Diameter Must Be Greater Than Zero"},
        {CorePinSize{0.25f, 0.375f, 0.0f}, View::Side, "Head Length Must Be Greater Than Zero"},
        {CorePinSize{0.25f, 0.375f, -0.1f}, View::Side, "Head Length Must Be Greater Than Zero"},
        // The face view draws no length, so a missing head length does not stop it.
        {CorePinSize{0.25f, 0.375f, 0.0f}, View::Face, std::nullopt},
        {CorePinSize{0.0f, 0.0f, 0.0f}, View::Side, "Pin Diameter Must Be Greater Than Zero"},
    };
    for (const CheckCase& c : cases) {
        CorePinInput in;
        in.size = c.size;
        in.view = c.view;
        EXPECT_EQ(CheckCorePin(in), c.message);
    }
}

TEST(LoadCorePinTable, ReadsLabelAndThreeNumbersPerRecord) {
    test::TempDir dir;
    dir.Write("Corepin.dat", "2\r\n1/8,.125,.3125,.125\r\n\"1/4\"\r\n.25\r\n.4375\r\n.1875\r\n");
    const CorePinTableLoad load = LoadCorePinTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.labels, (std::vector<std::string>{"1/8", "1/4"}));
    ASSERT_EQ(load.table.sizes.size(), 2u);
    EXPECT_EQ(load.table.sizes[0].pinDiameter, 0.125f);
    EXPECT_EQ(load.table.sizes[0].headDiameter, 0.3125f);
    EXPECT_EQ(load.table.sizes[0].headLength, 0.125f);
    EXPECT_EQ(load.table.sizes[1].pinDiameter, 0.25f);
    EXPECT_EQ(load.table.sizes[1].headDiameter, 0.4375f);
    EXPECT_EQ(load.table.sizes[1].headLength, 0.1875f);
}

TEST(LoadCorePinTable, ShortFileKeepsTheLastLabelWithTheNumbersItHad) {
    test::TempDir dir;
    dir.Write("Corepin.dat", "3\r\nA,.1,.2,.3\r\nB,.5\r\n");
    const CorePinTableLoad load = LoadCorePinTable(dir.Path());
    EXPECT_EQ(TableMessage(kCorePinTableMessages, load.diagnostic), "Core Data File Is Corrupt");
    EXPECT_EQ(load.table.labels, (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(load.table.sizes.size(), 2u);
    EXPECT_EQ(load.table.sizes[1].pinDiameter, 0.5f);
    EXPECT_EQ(load.table.sizes[1].headDiameter, 0.0f);
    EXPECT_EQ(load.table.sizes[1].headLength, 0.0f);
    CorePinInput in;
    in.size = load.table.sizes[1];
    EXPECT_EQ(CheckCorePin(in), "Head Diameter Must Be Greater Than Zero");
}

TEST(LoadCorePinTable, ShippedTableHasFourteenHeadedPins) {
    const CorePinTableLoad load = LoadCorePinTable(BW_DATA_DIR);
    ASSERT_EQ(load.diagnostic.status, TableStatus::Loaded) << load.diagnostic.detail;
    ASSERT_EQ(load.table.labels.size(), 14u);
    EXPECT_EQ(load.table.labels[4], "3/16");
    EXPECT_EQ(load.table.sizes[4].pinDiameter, 0.1875f);
    EXPECT_EQ(load.table.sizes[4].headDiameter, 0.375f);
    EXPECT_EQ(load.table.sizes[4].headLength, 0.1875f);
    for (const CorePinSize& s : load.table.sizes) {
        EXPECT_GT(s.headDiameter, s.pinDiameter);
        EXPECT_GT(s.headLength, 0.0f);
    }
}

}  // namespace
}  // namespace bw
