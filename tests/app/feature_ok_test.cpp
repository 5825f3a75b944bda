// The frame every feature OK runs in, driven with a generator of the test's own.
#include <filesystem>

#include <QTabWidget>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

class FeatureOkTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(Start());
        Window().showNormal();
        TakeMessages();
        ws_.WriteInfo("A,2,3,1,1,[L1]");
    }
    // An OK whose script names the point and layer it was drawn with.
    bool Ok(InfoTiming timing, std::optional<std::string> failedCheck = std::nullopt) {
        return App().RunFeatureOk(timing, [failedCheck](const DrawContext& c) -> StepOutcome {
            if (failedCheck) return {"", *failedCheck};
            return {"Circle " + FormatPoint(c.BasePoint) + " D 1\r\nLayer set " + c.CurrentLayer +
                        " \r\n",
                    ""};
        });
    }
    static constexpr const char* kAtInfo = "Circle 2,3 D 1\r\nLayer set L1 \r\n";
};

TEST_F(FeatureOkTest, TwoOksWithOneInfoFileDrawTheSecondAtTheDefaults) {
    ASSERT_TRUE(Ok(InfoTiming::BeforeChecks));
    EXPECT_TRUE(Window().isMinimized());
    Window().showNormal();
    ASSERT_TRUE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    EXPECT_EQ(ws_.Script(), "Circle 1,1 D 1\r\nLayer set 0 \r\n");
}

TEST_F(FeatureOkTest, AFailedCheckKeepsTheInfoReadBeforeItOrLeavesTheFileUnread) {
    for (InfoTiming timing : {InfoTiming::BeforeChecks, InfoTiming::AfterChecks}) {
        const bool before = timing == InfoTiming::BeforeChecks;
        ws_.WriteInfo("A,2,3,1,1,[L1]");
        EXPECT_FALSE(Ok(timing, "You Must Select Pin Size"));
        EXPECT_EQ(TakeMessages(), Messages{"You Must Select Pin Size"});
        EXPECT_EQ(Exists(ws_.InfoPath()), !before);
        EXPECT_EQ(App().State().InsertionInfoRead, before);
        EXPECT_EQ(ws_.Script(), "<missing>");
        EXPECT_FALSE(Window().isMinimized());
        ASSERT_TRUE(Ok(timing));
        EXPECT_EQ(TakeMessages(), Messages{});
        EXPECT_EQ(ws_.Script(), kAtInfo);
        EXPECT_FALSE(App().State().InsertionInfoRead) << "the OK used the info up";
        std::filesystem::remove(ws_.ScriptPath());
        Window().showNormal();
    }
}

TEST_F(FeatureOkTest, AMalformedInfoFileStopsTheOkAndStaysForTheCadSide) {
    // problem: nullptr when only the start of the message is looked at.
    const struct {
        const char* info;
        const char* problem;
    } rows[] = {{"A,2,x,1,1,[L1]", "field 3 is not a number"},
                {"A,1,1,1,0,[0]", nullptr},
                {"A,1,1,1,-1,[0]", nullptr},
                {"A,1,1,1,1e-45,[0]", nullptr}};
    for (const auto& row : rows) {
        ws_.WriteInfo(row.info);
        ws_.dir.Write("cad/Brasswick/Brasswick.scr", "previous");
        EXPECT_FALSE(Ok(InfoTiming::BeforeChecks));
        const Messages messages = TakeMessages();
        const std::string start = "Insertion Info File Is Malformed: " + ws_.InfoPath() + " (";
        ASSERT_EQ(messages.size(), 1u) << row.info;
        if (row.problem) {
            EXPECT_EQ(messages[0],
                      start + row.problem + "). The file was left in place and nothing was drawn.");
        } else {
            EXPECT_EQ(messages[0].substr(0, start.size()), start) << row.info;
        }
        EXPECT_EQ(ReadFile(ws_.InfoPath()), row.info);
        EXPECT_EQ(ws_.Script(), "previous");
        EXPECT_FALSE(Window().isMinimized());
    }
}

TEST_F(FeatureOkTest, AScriptThatCannotBeWrittenKeepsTheInfoAndWindow) {
    std::filesystem::remove_all(ws_.cad + "Brasswick");
    EXPECT_FALSE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(TakeMessages(), Messages{"Script File Could Not Be Written: " + ws_.ScriptPath() +
                                       " (the folder " + ws_.cad + "Brasswick does not exist)"});
    EXPECT_TRUE(App().State().InsertionInfoRead) << "the info stays for the next OK";
    EXPECT_FALSE(Exists(ws_.cad + "Brasswick")) << "the folder is never created";
    EXPECT_FALSE(Window().isMinimized());
    ws_.dir.MakeDir("cad/Brasswick");
    ASSERT_TRUE(Ok(InfoTiming::BeforeChecks));
    EXPECT_EQ(ws_.Script(), kAtInfo);
}

}  // namespace
}  // namespace bw::test
