// The frame every feature OK runs in, driven with a generator of the test's own.
#include <filesystem>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

using Messages = std::vector<std::string>;
using Timing = InfoTiming;

class FeatureOkTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(Start());
        Window().showNormal();
        TakeMessages();
    }
    // An OK whose script names the point it was drawn at.
    bool Ok(Timing timing, std::optional<std::string> failedCheck = std::nullopt) {
        return App().RunFeatureOk(timing, [failedCheck](const DrawContext& c) -> StepOutcome {
            if (failedCheck) return {"", *failedCheck};
            return {"Circle " + FormatPoint(c.BasePoint) + " D 1\r\nLayer set " + c.CurrentLayer +
                        " \r\n",
                    ""};
        });
    }
};

TEST_F(FeatureOkTest, TwoOksWithOneInfoFileDrawTheSecondAtTheDefaults) {
    ws_.WriteInfo("A,2,3,1,1,[L1]");
    ASSERT_TRUE(Ok(Timing::BeforeChecks));
    Window().showNormal();
    ASSERT_TRUE(Ok(Timing::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(), "Circle 1,1 D 1\r\nLayer set 0 \r\n");
}

TEST_F(FeatureOkTest, AFailedCheckAfterReadingKeepsTheInfoForTheNextOk) {
    ws_.WriteInfo("A,2,3,1,1,[L1]");
    EXPECT_FALSE(Ok(Timing::BeforeChecks, "You Must Select Pin Size"));
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
    EXPECT_FALSE(Exists(ws_.InfoPath())) << "read before the checks";
    EXPECT_TRUE(App().State().InsertionInfoRead);
    EXPECT_EQ(ws_.Script(), "<missing>");
    EXPECT_FALSE(Window().isMinimized());
    ASSERT_TRUE(Ok(Timing::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{});
    EXPECT_EQ(ws_.Script(), "Circle 2,3 D 1\r\nLayer set L1 \r\n");
}

TEST_F(FeatureOkTest, CheckingFirstLeavesTheInfoFileUnread) {
    ws_.WriteInfo("A,2,3,1,1,[L1]");
    EXPECT_FALSE(Ok(Timing::AfterChecks, "You Must Select Pin Length"));
    EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Length"});
    EXPECT_TRUE(Exists(ws_.InfoPath()));
    EXPECT_FALSE(App().State().InsertionInfoRead);
    ASSERT_TRUE(Ok(Timing::AfterChecks));
    EXPECT_EQ(ws_.Script(), "Circle 2,3 D 1\r\nLayer set L1 \r\n");
}

TEST_F(FeatureOkTest, AMalformedInfoFileStopsTheOkAndStaysForTheCadSide) {
    ws_.WriteInfo("A,2,x,1,1,[L1]");
    ws_.dir.Write("cad/Brasswick/Brasswick.scr", "previous");
    EXPECT_FALSE(Ok(Timing::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info File Is Malformed: " + ws_.InfoPath() +
                                       " (field 3 is not a number). The file was left in place "
                                       "and nothing was drawn."});
    EXPECT_EQ(ReadFile(ws_.InfoPath()), "A,2,x,1,1,[L1]");
    EXPECT_EQ(ws_.Script(), "previous");
    EXPECT_FALSE(Window().isMinimized());
}

TEST_F(FeatureOkTest, AScriptThatCannotBeWrittenKeepsTheScriptFlagAndWindow) {
    ws_.WriteInfo("A,2,3,1,1,[L1]");
    std::filesystem::remove_all(ws_.cad + "Brasswick");
    EXPECT_FALSE(Ok(Timing::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Script File Could Not Be Written: " + ws_.ScriptPath() +
                                       " (the folder " + ws_.cad + "Brasswick does not exist)"});
    EXPECT_TRUE(App().State().InsertionInfoRead) << "the info stays for the next OK";
    EXPECT_FALSE(Exists(ws_.cad + "Brasswick")) << "the folder is never created";
    EXPECT_FALSE(Window().isMinimized());

    // Once the folder is there, the next OK draws with the same info.
    ws_.dir.MakeDir("cad/Brasswick");
    ASSERT_TRUE(Ok(Timing::BeforeChecks));
    EXPECT_EQ(ws_.Script(), "Circle 2,3 D 1\r\nLayer set L1 \r\n");
}

}  // namespace
}  // namespace bw::test
