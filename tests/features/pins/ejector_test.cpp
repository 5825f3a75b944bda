#include "features/pins/ejector.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

#include <cmath>

#include "support/temp_dir.h"

namespace bw {
namespace {

DrawContext Context(const std::string& current = "0", const std::string& hidden = "0",
                    float clearance = 0.015f) {
    DrawContext c = test::At(1, 1, current, hidden);
    c.EjectorClearance = clearance;
    return c;
}

EjectorInput Input(View view, int direction, bool hidden, std::optional<float> depth = 1.0f) {
    EjectorInput in;
    in.pinDiameter = 0.25f;
    in.depth = depth;
    in.view = view;
    in.direction = direction;
    in.hidden = hidden;
    return in;
}

struct ScriptCase {
    EjectorInput in;
    DrawContext context;
    const char* script;
};

TEST(EjectorScript, FaceAndSideInEachDirectionWithAndWithoutHidden) {
    // Dh = .25 + 2 x .0075 = .265, so the clearance bore's sides lie .1325 either side of the
    // axis; the pin bore (.125 either side) runs a depth further on.
    const ScriptCase cases[] = {
        {Input(View::Face, 0, false), Context(),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .265\r\n"},
        // The face view ignores the direction and the depth.
        {Input(View::Face, 270, false, std::nullopt), Context(),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .265\r\n"},
        {Input(View::Face, 0, true), Context("WALLS", "HID"),
         "Layer set WALLS \r\nCircle 1,1 D .25\r\nLayer set HID \r\nCircle 1,1 D .265\r\n"
         "Layer set WALLS \r\n"},
        {Input(View::Face, 0, false), Context("0", "0", 0.0f),
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .25\r\n"},
        // The side view with hidden is wholly on the hidden layer.
        {Input(View::Side, 0, true), Context("WALLS", "HID"),
         "Layer set HID \r\nLine 1,1.1325 2,1.1325 \r\nLine 2,1.1325 2,.8675 \r\n"
         "Line 2,.8675 1,.8675 \r\nLine 2,1.125 3,1.125 \r\nLine 2,.875 3,.875 \r\n"
         "Layer set WALLS \r\n"},
        // Each direction turns the side view counter-clockwise.
        {Input(View::Side, 90, false), Context(),
         "Layer set 0 \r\nLine .8675,1 .8675,2 \r\nLine .8675,2 1.1325,2 \r\n"
         "Line 1.1325,2 1.1325,1 \r\nLine .875,2 .875,3 \r\nLine 1.125,2 1.125,3 \r\n"},
        {Input(View::Side, 180, false), Context(),
         "Layer set 0 \r\nLine 1,.8675 0,.8675 \r\nLine 0,.8675 0,1.1325 \r\n"
         "Line 0,1.1325 1,1.1325 \r\nLine 0,.875 -1,.875 \r\nLine 0,1.125 -1,1.125 \r\n"},
        {Input(View::Side, 270, false), Context(),
         "Layer set 0 \r\nLine 1.1325,1 1.1325,0 \r\nLine 1.1325,0 .8675,0 \r\n"
         "Line .8675,0 .8675,1 \r\nLine 1.125,0 1.125,-1 \r\nLine .875,0 .875,-1 \r\n"},
        {Input(View::Side, 0, false, 0.5f), Context("0", "0", 0.0f),
         "Layer set 0 \r\nLine 1,1.125 1.5,1.125 \r\nLine 1.5,1.125 1.5,.875 \r\n"
         "Line 1.5,.875 1,.875 \r\nLine 1.5,1.125 2,1.125 \r\nLine 1.5,.875 2,.875 \r\n"},
    };
    for (const ScriptCase& c : cases) {
        EXPECT_EQ(EjectorScript(c.in, c.context), c.script)
            << "direction " << c.in.direction << " hidden " << c.in.hidden;
    }
}

struct CheckCase {
    std::optional<float> pin;
    std::optional<float> depth;
    View view;
    std::optional<std::string> message;
};

TEST(CheckEjector, RunsTheChecksInOrder) {
    const float nan = std::nanf("");
    const CheckCase cases[] = {
        {std::nullopt, std::nullopt, View::Side, "You Must Select Pin Size"},
        {std::nullopt, 1.0f, View::Face, "You Must Select Pin Size"},
        {0.25f, std::nullopt, View::Side, "You Must Select Depth"},
        {0.25f, std::nullopt, View::Face, std::nullopt},
        {0.25f, 1.0f, View::Side, std::nullopt},
        {0.0f, 1.0f, View::Side, "Pin Diameter Must Be Greater Than Zero"},
        {-0.25f, 1.0f, View::Face, "Pin Diameter Must Be Greater Than Zero"},
        {nan, 1.0f, View::Side, "Pin Diameter Must Be Greater Than Zero"},
        {0.0f, std::nullopt, View::Side, "Pin Diameter Must Be Greater Than Zero"},
        {0.25f, 0.0f, View::Side, "Depth Must Be Greater Than Zero"},
        {0.25f, -1.0f, View::Side, "Depth Must Be Greater Than Zero"},
        {0.25f, 0.0f, View::Face, std::nullopt},
    };
    for (const CheckCase& c : cases) {
        EjectorInput in;
        in.pinDiameter = c.pin;
        in.depth = c.depth;
        in.view = c.view;
        EXPECT_EQ(CheckEjector(in), c.message)
            << "pin " << c.pin.value_or(-99) << " depth " << c.depth.value_or(-99);
    }
}

TEST(LoadEjectorTable, ReadsBothSectionsWhateverTheLineLayout) {
    test::TempDir dir;
    dir.Write("ejector.dat",
              "2\r\n1/8,.125\r\n\"1/4, long\",  .25\r\n"
              "3, 1/2,.5,1,1\r\n\"2\",2\r\nnot read\r\n");
    const EjectorTableLoad load = LoadEjectorTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Loaded);
    EXPECT_EQ(load.table.pinLabels, (std::vector<std::string>{"1/8", "1/4, long"}));
    EXPECT_EQ(load.table.pinDiameters, (std::vector<float>{0.125f, 0.25f}));
    EXPECT_EQ(load.table.depthLabels, (std::vector<std::string>{"1/2", "1", "2"}));
    EXPECT_EQ(load.table.depths, (std::vector<float>{0.5f, 1.0f, 2.0f}));
}

TEST(LoadEjectorTable, ShortPinSectionKeepsTheWholeRecordsOnly) {
    test::TempDir dir;
    // Three pin sizes promised, the third has its label but no diameter.
    dir.Write("ejector.dat", "3\r\nA,.1\r\nB,.2\r\nC\r\n");
    const EjectorTableLoad load = LoadEjectorTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(TableMessage(kEjectorTableMessages, load.diagnostic), "Ejector Data File Is Corrupt");
    EXPECT_EQ(load.diagnostic.detail,
              "field 7 at byte 18: the file ends before all its fields were read");
    EXPECT_EQ(load.table.pinLabels, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(load.table.pinDiameters, (std::vector<float>{0.1f, 0.2f}));
    EXPECT_TRUE(load.table.depthLabels.empty());
}

TEST(LoadEjectorTable, ShortDepthSectionKeepsTheLastLabelWithDepthZero) {
    test::TempDir dir;
    dir.Write("ejector.dat", "1\r\nA,.1\r\n2\r\nX,1\r\nY\r\n");
    const EjectorTableLoad load = LoadEjectorTable(dir.Path());
    EXPECT_EQ(load.diagnostic.status, TableStatus::Corrupt);
    EXPECT_EQ(load.table.depthLabels, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(load.table.depths, (std::vector<float>{1.0f, 0.0f}));
    // The row is listed, but OK refuses its zero depth instead of drawing nothing.
    EjectorInput in;
    in.pinDiameter = load.table.pinDiameters[0];
    in.depth = load.table.depths[1];
    EXPECT_EQ(CheckEjector(in), "Depth Must Be Greater Than Zero");
}

TEST(LoadEjectorTable, ShippedTableRunsFromOneSixteenthToOneInch) {
    const EjectorTableLoad load = LoadEjectorTable(BW_DATA_DIR);
    ASSERT_EQ(load.diagnostic.status, TableStatus::Loaded) << load.diagnostic.detail;
    EXPECT_EQ(load.table.pinLabels.front(), "1/16");
    EXPECT_EQ(load.table.pinDiameters.front(), 0.0625f);
    EXPECT_EQ(load.table.depthLabels.front(), "1/4");
    EXPECT_EQ(load.table.depths.front(), 0.25f);
    for (size_t i = 1; i < load.table.pinDiameters.size(); ++i) {
        EXPECT_GT(load.table.pinDiameters[i], load.table.pinDiameters[i - 1]) << i;
    }
}

}  // namespace
}  // namespace bw
