// The frame every feature OK runs in, driven with a generator of the test's own.
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

namespace fs = std::filesystem;

class FeatureOkTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        StartThenLeaveInfo("A,2,3,1,1,[L1]");
    }
    // An OK whose script names the point and layer it was drawn with, or whose check fails.
    bool Ok(InfoTiming timing, std::string failedCheck = "") {
        return App().RunFeatureOk(timing, [failedCheck](const DrawContext& c) -> StepOutcome {
            if (!failedCheck.empty()) return {"", failedCheck};
            return {"Circle " + FormatPoint(c.BasePoint) + " D 1 " + c.CurrentLayer + "\r\n", ""};
        });
    }
};

TEST_F(FeatureOkTest, AFailedCheckKeepsTheInfoReadBeforeItForTheNextOkAlone) {
    EXPECT_FALSE(Ok(InfoTiming::BeforeChecks, "You Must Select Pin Size"));
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    EXPECT_FALSE(Exists(ws_.InfoPath()));
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_FALSE(Window().isMinimized());
    ASSERT_TRUE(Ok(InfoTiming::AfterChecks));
    EXPECT_EQ(ws_.Script(), "Circle 2,3 D 1 L1\r\n");
    EXPECT_TRUE(Window().isMinimized());
    ASSERT_TRUE(Ok(InfoTiming::BeforeChecks));  // the info was used up: the defaults
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(), "Circle 1,1 D 1 0\r\n");
}

TEST_F(FeatureOkTest, AMalformedInfoOrAnUnwritableScriptStopsTheOkAndKeepsEverything) {
    ws_.WriteInfo("A,2,x,1,1,[L1]");
    ws_.dir.Write("cad/Brasswick/Brasswick.scr", "previous");
    EXPECT_FALSE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info File Is Malformed: " + ws_.InfoPath() +
                                       " (field 3 is not a number). The file was left in place "
                                       "and nothing was drawn."});
    EXPECT_EQ(ReadFile(ws_.InfoPath()), "A,2,x,1,1,[L1]");
    EXPECT_EQ(ws_.Script(), "previous");
    ws_.WriteInfo("A,2,3,1,1,[L1]");
    fs::remove_all(ws_.cad + "Brasswick");
    EXPECT_FALSE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Script File Could Not Be Written: " + ws_.ScriptPath() +
                                       " (the folder " + ws_.cad + "Brasswick does not exist)"});
    EXPECT_TRUE(App().State().InsertionInfoRead) << "the info stays for the next OK";
    EXPECT_FALSE(Exists(ws_.cad + "Brasswick")) << "the folder is never created";
    EXPECT_FALSE(Window().isMinimized());
    ws_.dir.MakeDir("cad/Brasswick");
    ASSERT_TRUE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(ws_.Script(), "Circle 2,3 D 1 L1\r\n");
}

}  // namespace
}  // namespace bw::test
