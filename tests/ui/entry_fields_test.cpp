// The shared entry-field and option behaviours, on widgets of their own.
#include "ui/entry_fields.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace bw {
namespace {

class EntryFieldsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        first_ = new QLineEdit(&window_);
        second_ = new QLineEdit(&window_);
        layout->addWidget(first_);
        layout->addWidget(second_);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    QWidget window_;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
};

TEST_F(EntryFieldsTest, TypedAndPastedTextIsFilteredButTheProgramsIsNot) {
    const struct {
        NumberBoxOptions options;
        const char* typed;
        const char* kept;
    } rows[] = {{{}, "1a.5-2, 3..", "1.523.."},  // nothing limits the number of points
                {{CharSet::Integer, true, false, true}, "2.5", "25"}};
    for (const auto& row : rows) {
        auto* box = new QLineEdit(&window_);
        MakeNumberBox(box, row.options);
        box->show();
        box->setFocus();
        QTest::keyClicks(box, row.typed);
        EXPECT_EQ(box->text(), row.kept);
    }
    MakeNumberBox(first_);
    QApplication::clipboard()->setText("1a.5-2");
    first_->paste();
    EXPECT_EQ(first_->text(), "1.52");
    EXPECT_EQ(first_->cursorPosition(), 4);
    first_->setText(" .015");
    EXPECT_EQ(first_->text(), " .015");
}

TEST_F(EntryFieldsTest, EnterMovesToTheNextControlAndAddsNothing) {
    MakeNumberBox(first_);
    first_->setFocus();
    first_->setText("1");
    QTest::keyClick(first_, Qt::Key_Return);
    EXPECT_TRUE(second_->hasFocus());
    EXPECT_EQ(first_->text(), "1.000") << "leaving the box tidies it";
}

TEST_F(EntryFieldsTest, EnterIsDiscardedWhereItDoesNotMoveOn) {
    MakeNumberBox(first_, {CharSet::Decimal, false, true, true});
    first_->setFocus();
    first_->setText("1");
    QTest::keyClick(first_, Qt::Key_Return);
    EXPECT_TRUE(first_->hasFocus());
    EXPECT_EQ(first_->text(), "1");
}

TEST_F(EntryFieldsTest, LeavingTidiesANumberAndLeavesOtherTextsAlone) {
    MakeNumberBox(first_);
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"", ""},
                 {".", "."},
                 {".75", "0.750"},
                 {"1", "1.000"},
                 {"2.25", "2.250"},
                 {"1.23456789", "1.234568"},
                 {"1234.5", "1234.500"},
                 {"1.2.3", "1.2.3"}};
    for (const auto& c : cases) {
        first_->setFocus();
        first_->setText(c.typed);
        second_->setFocus();
        EXPECT_EQ(first_->text(), c.shown) << c.typed;
    }
}

TEST_F(EntryFieldsTest, EnteringSelectsTheWholeText) {
    MakeNumberBox(first_);
    first_->setText("0.375");
    second_->setFocus();
    first_->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(first_->selectedText(), "0.375");
    QTest::keyClicks(first_, "9");
    EXPECT_EQ(first_->text(), "9");
}

}  // namespace
}  // namespace bw
