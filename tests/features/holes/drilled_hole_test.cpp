#include "features/holes/drilled_hole.h"

#include <gtest/gtest.h>

#include "features/feature_test_util.h"

namespace bw {
namespace {

DrawContext Context(float x, float y) { return test::At(x, y, "WALLS", "HID"); }

DrilledHoleInput Countersunk(const std::string& csink, const std::string& drill,
                             const std::string& depth, int angle = 82) {
    DrilledHoleInput in;
    in.countersinkText = csink;
    in.drillText = drill;
    in.depthText = depth;
    in.countersunk = true;
    in.angle = angle;
    in.hidden = false;
    return in;
}

TEST(DrilledHoleSide, StartUpValuesAtTheOrigin) {
    // Drill .5 deep 1, hidden on, plain: the point is .25 × .6008606 = .1502151 long.
    EXPECT_EQ(DrilledHoleScript(DrilledHoleInput{}, Context(0, 0)),
              "Layer set HID \r\n"
              "Line 0,.25 1,.25 \r\n"
              "Line 1,.25 1.150215,0 \r\n"
              "Line 1.150215,0 1,-.25 \r\n"
              "Line 1,-.25 0,-.25 \r\n"
              "Line 1,.25 1,-.25 \r\n"
              "Layer set WALLS \r\n");
}

TEST(DrilledHoleSide, PlainDirectionNinety) {
    DrilledHoleInput in;
    in.hidden = false;
    in.direction = 90;
    EXPECT_EQ(DrilledHoleScript(in, Context(1, 1)),
              "Layer set WALLS \r\n"
              "Line .75,1 .75,2 \r\n"
              "Line .75,2 1,2.150215 \r\n"
              "Line 1,2.150215 1.25,2 \r\n"
              "Line 1.25,2 1.25,1 \r\n"
              "Line .75,2 1.25,2 \r\n");
}

TEST(DrilledHoleSide, CountersunkEightyTwo) {
    // Cone .25 × cot 41° = .2875921 long, then the drill 1 deep and its point .1502151.
    EXPECT_EQ(DrilledHoleScript(Countersunk("1", ".5", "1"), Context(0, 0)),
              "Layer set WALLS \r\n"
              "Line 0,.5 .2875921,.25 \r\n"
              "Line .2875921,.25 1.287592,.25 \r\n"
              "Line 1.287592,.25 1.437807,0 \r\n"
              "Line 1.437807,0 1.287592,-.25 \r\n"
              "Line 1.287592,-.25 .2875921,-.25 \r\n"
              "Line .2875921,-.25 0,-.5 \r\n"
              "Line .2875921,.25 .2875921,-.25 \r\n"
              "Line 1.287592,.25 1.287592,-.25 \r\n");
}

TEST(DrilledHoleSide, EqualDiametersGiveAConeOfNoLength) {
    const std::string script = DrilledHoleScript(Countersunk(".5", ".5", "1"), Context(0, 0));
    EXPECT_NE(script.find("Line 0,.25 0,.25 \r\n"), std::string::npos) << script;
    EXPECT_NE(script.find("Line 0,-.25 0,-.25 \r\n"), std::string::npos) << script;
}

TEST(DrilledHoleSide, AxialSumsAreRoundedOnceNotTermByTerm) {
    // Drill .257 (the single .25699999928), countersink 1, depth 1: the cone is .4273619 and
    // the point .07721058 long. Their exact sum with the depth, 1.5045724586, rounds to the
    // single 1.5045725 (written 1.504573); rounding after the cone and again after the depth
    // would give 1.5045724 (1.504572).
    const std::string script = DrilledHoleScript(Countersunk("1", ".257", "1"), Context(0, 0));
    EXPECT_NE(script.find(" 1.504573,0 \r\n"), std::string::npos) << script;
}

TEST(DrilledHoleFace, HiddenCountersunkAndPlain) {
    DrilledHoleInput in = Countersunk("0.5625", "0.500", "1.000");
    in.view = View::Face;
    in.hidden = true;
    EXPECT_EQ(DrilledHoleScript(in, Context(1, 1)),
              "Layer set HID \r\n"
              "Circle 1,1 D .5625\r\n"
              "Circle 1,1 D .5\r\n"
              "Layer set WALLS \r\n");
    in.countersunk = false;
    in.hidden = false;
    in.countersinkText = "";
    EXPECT_EQ(DrilledHoleScript(in, Context(1, 1)),
              "Layer set WALLS \r\n"
              "Circle 1,1 D .5\r\n");
}

TEST(DrilledHoleChecks, MessagesInOrder) {
    struct Case {
        const char* what;
        std::string csink, drill, depth;
        bool countersunk;
        std::optional<std::string> message;
    };
    const std::string forty(40, '9');
    const std::string tiny = "." + std::string(50, '0') + "1";
    const Case cases[] = {
        {"start-up values", "0.5625", "0.500", "1.000", false, std::nullopt},
        {"countersunk start-up values", "0.5625", "0.500", "1.000", true, std::nullopt},
        {"countersunk, empty countersink", "", "0.500", "1.000", true,
         "You Must Supply Countersink Diameter"},
        {"countersunk, lone point", ".", "0.500", "1.000", true,
         "You Must Supply Countersink Diameter"},
        {"not countersunk, empty countersink", "", "0.500", "1.000", false, std::nullopt},
        {"countersink before drill", "", "", "", true, "You Must Supply Countersink Diameter"},
        {"empty drill", "", "", "1.000", false, "You Must Supply Drill Diameter"},
        {"zero drill", "0.5625", "0.000", "1.000", false, "You Must Supply Drill Diameter"},
        {"drill before depth", "0.5625", "", "", false, "You Must Supply Drill Diameter"},
        {"empty depth", "0.5625", "0.500", "", false, "You Must Supply Drill Depth"},
        {"narrow countersink", ".25", ".5", "1", true,
         "Drill Diameter Is Larger Than Countersink Diameter"},
        {"narrow countersink not asked for", ".25", ".5", "1", false, std::nullopt},
        {"equal diameters", ".5", ".5", "1", true, std::nullopt},
        {"two points read up to the second", "1.2", "1.2.5", "1", true, std::nullopt},
        {"1.2.5 is wider than 1.19", "1.19", "1.2.5", "1", true,
         "Drill Diameter Is Larger Than Countersink Diameter"},
        {"a value no single holds", "0.5625", forty, "1", false,
         "Drill Diameter Must Not Exceed 1000000"},
        {"a value a single rounds to zero", "0.5625", "0.5", tiny, false,
         "You Must Supply Drill Depth"},
    };
    for (const Case& c : cases) {
        DrilledHoleInput in;
        in.countersinkText = c.csink;
        in.drillText = c.drill;
        in.depthText = c.depth;
        in.countersunk = c.countersunk;
        EXPECT_EQ(CheckDrilledHole(in), c.message) << c.what;
    }
}

TEST(DrilledHoleChecks, FaceViewStillNeedsADepth) {
    DrilledHoleInput in;
    in.view = View::Face;
    in.depthText = "";
    EXPECT_EQ(CheckDrilledHole(in), "You Must Supply Drill Depth");
}

}  // namespace
}  // namespace bw
