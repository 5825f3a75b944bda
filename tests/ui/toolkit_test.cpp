// The real message boxes: the icon each kind carries, and the question's default answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/toolkit.h"

namespace bw::test {
namespace {

TEST(QtToolkitTest, FailuresWarnHintsInformAndAQuestionAnswersNoOnEnter) {
    QtToolkit toolkit;
    const QString t = QStringLiteral("Brasswick"), x = QStringLiteral("text");
    const struct {
        std::function<bool()> show;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;  // NoButton: Enter
        bool answer;
    } rows[] = {
        {[&] { return toolkit.Message(nullptr, t, x), false; }, QMessageBox::Warning,
         QMessageBox::Ok, QMessageBox::NoButton, false},
        {[&] { return toolkit.Inform(nullptr, t, x), false; }, QMessageBox::Information,
         QMessageBox::Ok, QMessageBox::NoButton, false},
        {[&] { return toolkit.Ask(nullptr, t, x); }, QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton, false},
        {[&] { return toolkit.Ask(nullptr, t, x); }, QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, true},
    };
    for (const auto& row : rows) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        // Runs inside the box's own event loop, once the box is up.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = box->standardButtons();
            if (row.press == QMessageBox::NoButton) {
                QTest::keyClick(box, Qt::Key_Return);
            } else {
                box->button(row.press)->click();
            }
        });
        EXPECT_EQ(row.show(), row.answer);
        EXPECT_EQ(icon, row.icon);
        EXPECT_EQ(buttons, row.buttons);
    }
}

}  // namespace
}  // namespace bw::test
