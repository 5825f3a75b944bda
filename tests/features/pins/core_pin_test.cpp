#include "features/pins/core_pin.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include "support/temp_dir.h"

namespace bw {
namespace {

CorePinInput Input(View view, int direction, bool hidden) {
    CorePinInput in;
    in.size = CorePinSize{0.25f, 0.375f, 0.25f};
    in.view = view;
    in.direction = direction;
    in.hidden = hidden;
    return in;
}

struct ScriptCase {
    View view;
    int direction;
    bool hidden;
    const char* script;
};

TEST(CorePinScript, FaceAndSideInEachDirectionWithAndWithoutHidden) {
    // Head .375 (.1875 either side) from x = 1 to 1.25; pin .25 from 1.25 to 2.
    const ScriptCase cases[] = {
        {View::Face, 0, false, "Layer set PART \r\nCircle 1,1 D .25\r\nCircle 1,1 D .375\r\n"},
        {View::Face, 90, true,
         "Layer set PART \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .375\r\n"
         "Layer set PART \r\n"},
        {View::Side, 0, true,
         "Layer set HID \r\nLine 1,1.1875 1.25,1.1875 \r\nLine 1.25,1.1875 1.25,.8125 \r\n"
         "Line 1.25,.8125 1,.8125 \r\nLine 1.25,1.125 2,1.125 \r\nLine 1.25,.875 2,.875 \r\n"
         "Layer set PART \r\n"},
        {View::Side, 0, false,
         "Layer set PART \r\nLine 1,1.1875 1.25,1.1875 \r\nLine 1.25,1.1875 1.25,.8125 \r\n"
         "Line 1.25,.8125 1,.8125 \r\nLine 1.25,1.125 2,1.125 \r\nLine 1.25,.875 2,.875 \r\n"},
        {View::Side, 90, false,
         "Layer set PART \r\nLine .8125,1 .8125,1.25 \r\nLine .8125,1.25 1.1875,1.25 \r\n"
         "Line 1.1875,1.25 1.1875,1 \r\nLine .875,1.25 .875,2 \r\nLine 1.125,1.25 1.125,2 \r\n"},
        {View::Side, 180, false,
         "Layer set PART \r\nLine 1,.8125 .75,.8125 \r\nLine .75,.8125 .75,1.1875 \r\n"
         "Line .75,1.1875 1,1.1875 \r\nLine .75,.875 0,.875 \r\nLine .75,1.125 0,1.125 \r\n"},
        {View::Side, 270, false,
         "Layer set PART \r\nLine 1.1875,1 1.1875,.75 \r\nLine 1.1875,.75 .8125,.75 \r\n"
         "Line .8125,.75 .8125,1 \r\nLine 1.125,.75 1.125,0 \r\nLine .875,.75 .875,0 \r\n"},
    };
    for (const ScriptCase& c : cases) {
        EXPECT_EQ(
            CorePinScript(Input(c.view, c.direction, c.hidden), test::At(1, 1, "PART", "HID")),
            c.script)
            << "direction " << c.direction << " hidden " << c.hidden;
    }
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
