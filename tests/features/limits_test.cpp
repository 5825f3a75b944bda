// Lengths outside the drawable range are refused with a message naming the field, in the
// checks the window and the command line share.
#include <gtest/gtest.h>

#include "cli/cli.h"
#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "features/profiles/cam.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"

namespace bw {
namespace {

using Message = std::optional<std::string>;
const std::string kForty(40, '9');  // overflows a single to infinity

TEST(Limits, TheRuleSortsEverySingle) {
    const struct {
        float value;
        SizeClass expected;
    } rows[] = {{1.0f, SizeClass::Usable},         {1e6f, SizeClass::Usable},
                {1e-4f, SizeClass::Usable},        {1000000.1f, SizeClass::TooLarge},
                {3.4e38f, SizeClass::TooLarge},    {9.9e-5f, SizeClass::TooSmall},
                {1e-45f, SizeClass::TooSmall},     {0.0f, SizeClass::NotAboveZero},
                {-1.0f, SizeClass::NotAboveZero},  {INFINITY, SizeClass::NotFinite},
                {-INFINITY, SizeClass::NotFinite}, {NAN, SizeClass::NotFinite}};
    for (const auto& r : rows) EXPECT_EQ(ClassifySize(r.value), r.expected) << r.value;
}

TEST(Limits, ChecksNameTheFieldThatIsOutOfRange) {
    auto ejector = [](float pin, float depth) {
        return CheckEjector({pin, depth, View::Side, 0, true});
    };
    auto corePin = [](float d1, float d2, float h) {
        return CheckCorePin({CorePinSize{d1, d2, h}, View::Side, 0, true});
    };
    auto tap = [](float major, float drill, float depth) {
        return CheckTappedHole({TapSize{major, drill}, depth, View::Side, true, 0});
    };
    auto drill = [](const char* c, const char* d, const char* depth) {
        DrilledHoleInput in{c, d, depth};
        in.countersunk = true;
        return CheckDrilledHole(in);
    };
    auto slot = [](const std::string& w, const std::string& c) {
        return CheckSlot({w, c, 0, false});
    };
    auto cam = [](const std::string& r1, const std::string& r2, const std::string& c) {
        return CheckCam({r1, r2, c, 0, false});
    };
    auto keyway = [](const std::string& k, const std::string& d) {
        return CheckKeyway({k, d, KeywayKind::Shaft, false});
    };
    auto shaft = [](std::vector<ShaftSegment> s) { return CheckShaft({s, View::Side, 0, false}); };
    auto plain = [](float d1, float d2, float l) {
        CenterDrillInput in;
        in.plain = PlainCenterDrill{"P", d1, d2, l};
        return CheckCenterDrill(in);
    };
    const struct {
        Message got;
        Message expected;
    } rows[] = {
        {ejector(2.9e38f, 1), "Pin Diameter Must Not Exceed 1000000"},
        {ejector(1e-45f, 1), "Pin Diameter Must Be At Least .0001"},
        {ejector(NAN, 1), "Pin Diameter Must Be Greater Than Zero"},
        {ejector(.25f, 2.9e38f), "Depth Must Not Exceed 1000000"},
        {ejector(.25f, 1e6f), std::nullopt},
        {corePin(.25f, .375f, 1e-30f), "Head Length Must Be At Least .0001"},
        {corePin(.25f, -INFINITY, 1), "Head Diameter Must Be Greater Than Zero"},
        {CheckTaperPin({.25f, 1e-45f, 0, false}), "Pin Length Must Be At Least .0001"},
        {CheckTaperPin({2e6f, 1, 0, false}), "Pin Diameter Must Not Exceed 1000000"},
        {tap(.25f, 2e38f, 1), "Tap Drill Diameter Must Not Exceed 1000000"},
        {tap(.25f, .2f, -1), "Depth Must Be Greater Than Zero"},
        {CheckCounterbore({CboreSize{.25f, 1e-5f}, View::Side, true, 0}),
         "Counterbore Diameter Must Be At Least .0001"},
        {CheckThread({ThreadSize{3e38f, 20}, 1.0f, false, false, 0}),
         "Thread Diameter Must Not Exceed 1000000"},
        {drill(kForty.c_str(), "1", "1"), "Countersink Diameter Must Not Exceed 1000000"},
        {drill("1", "0.00001", "1"), "Drill Diameter Must Be At Least .0001"},
        {drill("1", ".5", "1000001"), "Drill Depth Must Not Exceed 1000000"},
        {drill("1", "", "1"), "You Must Supply Drill Diameter"},
        {slot(kForty, "1"), "Slot Width Must Not Exceed 1000000"},
        {slot("1000000", "1"), std::nullopt},
        {slot("1", kForty), "Center Distance Must Not Exceed 1000000"},
        {slot("", kForty), "You Must Enter Slot Width"},
        {slot("0.00005", "1"), "Slot Width Must Be At Least .0001"},
        {cam(".5", kForty, "1"), "Radius Must Not Exceed 1000000"},
        {cam(".5", ".00001", "1"), "Radius Must Be At Least .0001"},
        {cam(".5", ".375", "2000000"), "Center Distance Must Not Exceed 1000000"},
        {keyway(kForty, "1"), "Key Width Must Not Exceed 1000000"},
        {keyway(".25", kForty), "Shaft Diameter Must Not Exceed 1000000"},
        {keyway(".00001", "1"), "Key Width Must Be At Least .0001"},
        {shaft({{"1", "1"}, {"2", kForty}}), "Value Must Not Exceed 1000000 In Segment2"},
        {shaft({{"1", "1"}, {".00001", "1"}}), "Value Must Be At Least .0001 In Segment2"},
        {shaft({{kForty, "1"}, {"", "1"}}), "Diameter Missing In Segment2"},
        {plain(.25f, .1f, 3e38f), "Drill Size Data Is Invalid"},
        {plain(.25f, 1e-45f, .1f), "Drill Size Data Is Invalid"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(rows[i].got, rows[i].expected) << "row " << i;
    }
}

TEST(Limits, TheCommandLineRefusesInsertionInfoAndSettingsNothingCanBeDrawnWith) {
    const std::string hugeLayer(300, 'L');
    const struct {
        std::vector<std::string> args;
        const char* err;
    } rows[] = {
        {{"ejector", "pin=.25", "depth=1", "clearance=3.4e38"},
         "Ejector Clearance Must Not Exceed 1000000"},
        {{"ejector", "pin=.25", "depth=1", "clearance=-.5"},
         "Ejector Clearance Must Not Be Negative"},
        {{"slot", "layer=" + hugeLayer},
         "Layer Name Not Usable: \"LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL...\" (the layer name "
         "is "
         "longer than 255 characters)"},
        {{"slot", "layer=A B"}, "Layer Name Not Usable: \"A B\" (the layer name holds a blank)"},
        {{"slot", "hidden-layer=" + hugeLayer},
         "Hidden Layer Name Not Usable: \"LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL...\" (the layer "
         "name is longer than 255 characters)"},
        {{"corenote", "number=4", "scale=0"}, "Insertion Scale Must Be Greater Than Zero"},
        {{"corenote", "number=4", "scale=-2"}, "Insertion Scale Must Be Greater Than Zero"},
        {{"corenote", "number=4", "scale=.00001"}, "Insertion Scale Must Be At Least .0001"},
        {{"corenote", "number=4", "base=2000000,1"},
         "Insertion Point Must Lie Within 1000000 Of The Origin"},
    };
    for (const auto& r : rows) {
        const cli::Result result = cli::Run(r.args, BW_DATA_DIR);
        EXPECT_EQ(result.exitCode, 1) << r.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, std::string(r.err) + "\n");
    }
}

}  // namespace
}  // namespace bw
