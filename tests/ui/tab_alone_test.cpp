// A tab built alone on a fake host, as the window builds it: its tables, its OK, its preview,
// the keyboard and the focus reach the host and nothing else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "features/pins/ejector_tab.h"
#include "support/fake_host.h"

namespace bw::test {
namespace {

TEST(TabAlone, AnEjectorTabOnAFakeHostLoadsChecksWritesAndAsksForTheFront) {
    FakeHost host(BW_DATA_DIR);
    host.context.BasePoint = {2, 3};
    EjectorTab tab(host);
    tab.LoadTables();
    EXPECT_EQ(host.messages, std::vector<std::string>{});
    auto* list1 = tab.findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_GT(list1->count(), 0);
    tab.show();

    // Enter on a list presses the tab's OK: nothing picked yet, so the check's message.
    list1->setFocus();
    QTest::keyClick(list1, Qt::Key_Return);
    EXPECT_EQ(host.messages, std::vector<std::string>{"You Must Select Pin Size"});
    EXPECT_EQ(host.timings, std::vector<InfoTiming>{InfoTiming::BeforeChecks});

    // With a size and a depth, Enter on an option writes what the preview showed: from the
    // host's point (2,3) at 90 degrees, the 1/16 pin's clearance bore is .0625 + .015 wide,
    // so its sides lie .03875 either side of x = 2, and run to the 1/4 depth.
    list1->setCurrentRow(0);
    tab.findChild<QListWidget*>(QStringLiteral("List2"))->setCurrentRow(0);
    tab.findChild<QRadioButton*>(QStringLiteral("Option05"))->setChecked(true);
    const std::optional<StepOutcome> preview = tab.Preview();
    auto* option01 = tab.findChild<QRadioButton*>(QStringLiteral("Option01"));
    option01->setFocus();
    QTest::keyClick(option01, Qt::Key_Enter);
    ASSERT_EQ(host.scripts.size(), 1u);
    ASSERT_TRUE(preview.has_value());
    EXPECT_EQ(host.scripts[0], preview->script);
    EXPECT_EQ(host.scripts[0].substr(0, 44), "Layer set 0 \r\nLine 1.96125,3 1.96125,3.25 \r\n");
    EXPECT_EQ(host.direction, 90);

    // The focus arriving at one of its controls asks the host for the tab's page.
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list1, &in);
    EXPECT_EQ(host.front, &tab);
}

}  // namespace
}  // namespace bw::test
