// Values that would put "Infinity", a collapsed block or an unreadable settings file into
// what the program writes are refused where they come in.
#include <QLineEdit>

#include "support/window_fixture.h"

namespace bw::test {
namespace {

using Messages = std::vector<std::string>;

class LimitsWindowTest : public WindowTest {
  protected:
    void StartAfterInfo(const std::string& info) {
        ws_.WriteInfo(info);
        ASSERT_TRUE(Start());
        TakeMessages();
    }
    std::string SettingsText() const { return ReadFile(ws_.ProgramFile("DrawPath.txt")); }
};

TEST_F(LimitsWindowTest, AHugeClearanceIsNotStoredAndTheEjectorDrawsWithTheStoredOne) {
    StartAfterInfo("A,1,1,1,1,[0]");
    const std::string before = SettingsText();
    Type("Text5", QString(45, QLatin1Char('9')));
    Click("Command9");
    EXPECT_EQ(TakeMessages(),
              Messages{"Ejector Clearance Must Not Exceed 1000000. Nothing was stored."});
    EXPECT_EQ(SettingsText(), before);
    Pick("List1", 4);  // 1/8
    Pick("List2", 2);  // 1/2
    Click("Command1");
    EXPECT_EQ(TakeMessages(), Messages{});
    // The bore is .125 + .015 wide, as stored before the refused OK.
    EXPECT_EQ(ws_.Script(),
              "Layer set HIDDEN \r\n"
              "Line 1,1.07 1.5,1.07 \r\n"
              "Line 1.5,1.07 1.5,.93 \r\n"
              "Line 1.5,.93 1,.93 \r\n"
              "Line 1.5,1.0625 2,1.0625 \r\n"
              "Line 1.5,.9375 2,.9375 \r\n"
              "Layer set 0 \r\n");
}

TEST_F(LimitsWindowTest, APathWithAQuoteOrAnOverlongLayerIsNotStored) {
    StartAfterInfo("A,1,1,1,1,[0]");
    const std::string before = SettingsText();
    const std::string quoted = "/d/say \"cheese\"/";
    Find<QLineEdit>("Text3")->setText(QString::fromStdString(quoted));
    Click("Command9");
    Find<QLineEdit>("Text3")->setText(QString::fromStdString(ws_.drawing));
    Find<QLineEdit>("Text4")->setText(QString(300'000, QLatin1Char('H')));
    Click("Command9");
    EXPECT_EQ(TakeMessages(),
              (Messages{"Drawing Path Not Usable: \"/d/say \"cheese\"/\" (the path holds a "
                        "double quote). Nothing was stored.",
                        "Hidden Layer Name Not Usable: \"" + std::string(40, 'H') +
                            "...\" (the layer name is longer than 255 characters). Nothing was "
                            "stored."}));
    EXPECT_TRUE(SettingsText() == before) << "the file must stay as it was";
    EXPECT_EQ(App().State().settings.DrawingPath, ws_.drawing);
}

TEST_F(LimitsWindowTest, AnInfoFileWithAScaleNotAboveZeroDrawsNoCoreNote) {
    StartAfterInfo("A,1,1,1,1,[0]");
    Pick("List7", 0);
    Click("Command5");  // consumes the good info file
    TakeMessages();
    for (const char* scale : {"0", "-1", "1e-45"}) {
        const std::string info = std::string("A,1,1,1,") + scale + ",[0]";
        ws_.WriteInfo(info);
        ws_.dir.Write("cad/Brasswick/Brasswick.scr", "previous");
        Click("Command5");
        const Messages messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1u) << scale;
        EXPECT_NE(messages[0].find("Insertion Info File Is Malformed"), std::string::npos);
        EXPECT_EQ(ws_.Script(), "previous") << scale;
        EXPECT_EQ(ReadFile(ws_.InfoPath()), info) << "the file stays for the CAD side";
    }
}

}  // namespace
}  // namespace bw::test
