// Lengths outside the drawable range are refused with a message naming the field, in the
// checks the window and the command line share.
#include <gtest/gtest.h>

#include <tuple>

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

const std::string kForty(40, '9');  // overflows a single to infinity

TEST(Limits, TheRuleSortsEverySingle) {
    // The table loaders' messages pin the classes away from the edges; these are the edges.
    const std::pair<float, SizeClass> rows[] = {
        {1e6f, SizeClass::Usable},        {1000000.1f, SizeClass::TooLarge},
        {1e-4f, SizeClass::Usable},       {9.9e-5f, SizeClass::TooSmall},
        {-0.0f, SizeClass::NotAboveZero}, {-INFINITY, SizeClass::NotFinite}};
    for (auto [value, expected] : rows) EXPECT_EQ(ClassifySize(value), expected) << value;
}

TEST(Limits, ChecksNameTheFieldThatIsOutOfRange) {
    const std::pair<std::optional<std::string>, std::optional<std::string>> rows[] = {
        {CheckEjector({2.9e38f, 1}), "Pin Diameter Must Not Exceed 1000000"},
        {CheckEjector({1e-45f, 1}), "Pin Diameter Must Be At Least .0001"},
        {CheckEjector({.25f, 2.9e38f}), "Depth Must Not Exceed 1000000"},
        {CheckCorePin({CorePinSize{.25f, .375f, 1e-30f}}), "Head Length Must Be At Least .0001"},
        {CheckTaperPin({.25f, 1e-45f}), "Pin Length Must Be At Least .0001"},
        {CheckTaperPin({2e6f, 1}), "Pin Diameter Must Not Exceed 1000000"},
        {CheckTappedHole({TapSize{.25f, 2e38f}, 1}), "Tap Drill Diameter Must Not Exceed 1000000"},
        {CheckCounterbore({CboreSize{.25f, 1e-5f}}), "Counterbore Diameter Must Be At Least .0001"},
        {CheckThread({ThreadSize{3e38f, 20}, 1.0f}), "Thread Diameter Must Not Exceed 1000000"},
        {CheckDrilledHole({kForty, "1", "1", true}),
         "Countersink Diameter Must Not Exceed 1000000"},
        {CheckDrilledHole({"1", "0.00001", "1", true}), "Drill Diameter Must Be At Least .0001"},
        {CheckDrilledHole({"1", ".5", "1000001", true}), "Drill Depth Must Not Exceed 1000000"},
        {CheckSlot({kForty, "1"}), "Slot Width Must Not Exceed 1000000"},
        {CheckSlot({"1", kForty}), "Center Distance Must Not Exceed 1000000"},
        {CheckSlot({"0.00005", "1"}), "Slot Width Must Be At Least .0001"},
        {CheckCam({".5", kForty, "1"}), "Radius Must Not Exceed 1000000"},
        {CheckCam({".5", ".00001", "1"}), "Radius Must Be At Least .0001"},
        {CheckCam({".5", ".375", "2000000"}), "Center Distance Must Not Exceed 1000000"},
        {CheckKeyway({kForty, "1"}), "Key Width Must Not Exceed 1000000"},
        {CheckKeyway({".25", kForty}), "Shaft Diameter Must Not Exceed 1000000"},
        {CheckKeyway({".00001", "1"}), "Key Width Must Be At Least .0001"},
        {CheckShaft({{{"1", "1"}, {"2", kForty}}}), "Value Must Not Exceed 1000000 In Segment2"},
        {CheckShaft({{{"1", "1"}, {".00001", "1"}}}), "Value Must Be At Least .0001 In Segment2"},
        {CheckShaft({{{kForty, "1"}, {"", "1"}}}), "Diameter Missing In Segment2"},
        {CheckCenterDrill({PlainCenterDrill{"P", .25f, .1f, 3e38f}, std::nullopt}),
         "Drill Size Data Is Invalid"},
        {CheckCenterDrill({PlainCenterDrill{"P", .25f, 1e-45f, .1f}, std::nullopt}),
         "Drill Size Data Is Invalid"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].first, rows[i].second) << i;
}

TEST(Limits, TheCommandLineRefusesInsertionInfoAndSettingsNothingCanBeDrawnWith) {
    const std::string huge(300, 'L');
    const std::string shown =
        "\"" + std::string(40, 'L') + "...\" (the layer name is longer than 255 characters)";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"ejector", "pin=.25", "depth=1", "clearance=-.5"},
         "Ejector Clearance Must Not Be Negative"},
        {{"slot", "layer=" + huge}, "Layer Name Not Usable: " + shown},
        {{"slot", "hidden-layer=" + huge}, "Hidden Layer Name Not Usable: " + shown},
        {{"corenote", "number=4", "scale=0"}, "Insertion Scale Must Be Greater Than Zero"},
        {{"corenote", "number=4", "scale=.00001"}, "Insertion Scale Must Be At Least .0001"},
        {{"corenote", "number=4", "base=2000000,1"},
         "Insertion Point Must Lie Within 1000000 Of The Origin"},
    };
    for (const auto& [args, err] : rows) {
        const cli::Result result = cli::Run(args, BW_DATA_DIR);
        EXPECT_EQ(std::tie(result.exitCode, result.out, result.err), std::tuple(1, "", err + "\n"));
    }
}

}  // namespace
}  // namespace bw
