// The number boxes and change reports of the profiles tabs.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "features/profiles/cam_tab.h"
#include "features/profiles/center_drill_tab.h"
#include "features/profiles/keyway_tab.h"
#include "features/profiles/profile_tab_fixture.h"
#include "features/profiles/shaft_tab.h"
#include "features/profiles/slot_tab.h"

namespace bw::test {
namespace {

class ProfileEntryTest : public ProfileTabTest {
  protected:
    void ShowActive(int tabIndex) {
        Window().SSTab1()->setCurrentIndex(tabIndex);
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
};

TEST_F(ProfileEntryTest, EnterInANumberBoxMovesOnAndAddsNothing) {
    StartWithInfo();
    ShowActive(8);
    auto* text6 = Find<QLineEdit>("Text6");
    text6->setFocus();
    ASSERT_TRUE(text6->hasFocus());
    QTest::keyClick(text6, Qt::Key_Return);
    EXPECT_EQ(Text("Text6"), "0.250");
    EXPECT_FALSE(text6->hasFocus());
}

TEST_F(ProfileEntryTest, EnteringABoxSelectsItsWholeText) {
    StartWithInfo();
    ShowActive(9);
    auto* text9 = Find<QLineEdit>("Text9");
    text9->setFocus();
    ASSERT_TRUE(text9->hasFocus());
    EXPECT_EQ(text9->selectedText(), QStringLiteral("0.375"));
    QTest::keyClicks(text9, QStringLiteral("2"));
    EXPECT_EQ(Text("Text9"), "2");
}

TEST_F(ProfileEntryTest, EveryBoxTakesOnlyItsCharacters) {
    StartWithInfo();
    const std::pair<const char*, const char*> boxes[] = {
        {"Text6", "1.52"},  {"Text7", "1.52"},  {"Text8", "1.52"},
        {"Text9", "1.52"},  {"Text10", "1.52"}, {"Text11", "1.52"},
        {"Text12", "1.52"}, {"Text13", "152"},  {"Text14", "1.52"},
    };
    for (auto [name, kept] : boxes) {
        auto* box = Find<QLineEdit>(name);
        box->clear();
        box->insert(QStringLiteral("1a.5-2"));
        EXPECT_EQ(Text(name), kept) << name;
    }
}

TEST_F(ProfileEntryTest, BoxesTidyWhenLeftButTheShaftBoxesKeepTheirText) {
    StartWithInfo();
    for (const char* name : {"Text8", "Text9", "Text10", "Text11", "Text12"}) {
        Type(name, QStringLiteral("1.23456789"));
        EXPECT_EQ(Text(name), "1.234568") << name;
    }
    Type("Text14", QStringLiteral("2.5"));
    EXPECT_EQ(Text("Text14"), "2.5");
}

TEST_F(ProfileEntryTest, ChangesAreReported) {
    StartWithInfo();
    struct {
        int tab;
        const char* control;
    } const clicks[] = {
        {8, "Option33"},  {8, "Check07"},   {9, "Option38"},  {9, "Check08"},
        {10, "Option39"}, {10, "Check09"},  {12, "Option51"}, {12, "Option46"},
        {12, "Check11"},  {13, "Option57"}, {13, "Option54"}, {13, "Check12"},
    };
    for (const auto& c : clicks) {
        QSignalSpy spy(Window().Tab(c.tab), &FeatureTab::InputsChanged);
        Click(c.control);
        EXPECT_GE(spy.count(), 1) << c.control;
    }
    QSignalSpy slot(Window().Tab(8), &FeatureTab::InputsChanged);
    Type("Text7", QStringLiteral("3"));
    Pick("List11", 0);
    EXPECT_GE(slot.count(), 2);
    QSignalSpy drill(Window().Tab(12), &FeatureTab::InputsChanged);
    Pick("List16", 0);
    EXPECT_GE(drill.count(), 1);
    QSignalSpy shaft(Window().Tab(13), &FeatureTab::InputsChanged);
    Type("Text13", QStringLiteral("2"));
    EXPECT_GE(shaft.count(), 1);
    const int before = shaft.count();
    Find<QTableWidget>("MSFlexGrid1")->setCurrentCell(1, 2);
    Type("Text14", QStringLiteral("4"));
    Click("Command18");
    EXPECT_GT(shaft.count(), before);
}

}  // namespace
}  // namespace bw::test
