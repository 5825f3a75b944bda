#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "ui/behaviours.h"

namespace bw::test {

namespace fs = std::filesystem;

Workspace::Workspace() : program(dir.MakeDir("program")), drawing(dir.MakeDir("drawings") + "/") {
    dir.MakeDir("cad/Brasswick");
    cad = dir.Path() + "/cad/";
}

void Workspace::CopyShippedData() const {
    for (const auto& entry : fs::directory_iterator(BW_DATA_DIR)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
        fs::copy_file(entry.path(), fs::path(program) / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
    }
}

std::string Shown(const QWidget* w) {
    QString s;
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        s = ":" + b->text().remove('&') + (b->isChecked() ? "*" : "");
    } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        s = ":" + g->title();
        QStringList held;  // the boxes, lists and grid the frame captions
        for (const QWidget* c : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (c->inherits("QLineEdit") || c->inherits("QAbstractItemView"))
                held << c->objectName();
        }
        if (!held.isEmpty()) s += "[" + held.join(',') + "]";
    } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QLabel*>(w)) {
        s = "=" + w->property("text").toString();
    } else if (const auto* l = qobject_cast<const QListWidget*>(w)) {
        s = "#" + QString::number(l->count());
        if (!l->selectedItems().isEmpty()) s += "@" + QString::number(l->currentRow());
    } else if (const auto* t = qobject_cast<const QTableWidget*>(w)) {
        QStringList rows;
        for (int r = 0; r < t->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < t->columnCount(); ++c)
                cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
            rows << cells.join(',');
        }
        s = "=" + rows.join('/');
    }
    if (s.isEmpty() || w->objectName().isEmpty()) return {};
    return (w->objectName() + s + (w->isEnabled() ? "" : "-")).toStdString();
}

void WindowTest::TearDown() {
    main_.reset();
    ui::SetRefusalSound([] { QApplication::beep(); });
}

void WindowTest::SetUp() {
    ui::SetRefusalSound([this] { ++refusals_; });
    // Each test starts as on a first start of the window: no remembered size or page.
    QSettings(QSettings::UserScope, QStringLiteral("Brasswick"), QStringLiteral("Brasswick"))
        .clear();
    ws_.CopyShippedData();
    ws_.dir.Write("program/DrawPath.txt",
                  "\"" + ws_.cad + "\"\r\n\"" + ws_.drawing + "\"\r\nHIDDEN\r\n.015\r\n");
}

bool WindowTest::Start() {
    main_.reset();  // the window before stores its layout first, as when the program ends
    main_ = std::make_unique<Main>(toolkit_, ws_.program);
    return main_->StartUp();
}

void WindowTest::Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    ASSERT_TRUE(button && button->isEnabled()) << name << " is missing or disabled";
    button->click();
}

void WindowTest::Type(const char* boxName, const std::string& text, Qt::FocusReason how) {
    auto* box = Find<QLineEdit>(boxName);
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->setText(QString::fromStdString(text));
    QFocusEvent out(QEvent::FocusOut, how);
    QApplication::sendEvent(box, &out);
}

void WindowTest::StartWithInfo(const std::string& info, bool leftForTheNextOk) {
    if (!leftForTheNextOk) ws_.WriteInfo(info);
    ASSERT_TRUE(Start());
    main_->showNormal();
    const Messages none, notFound{"Insertion Info NOT Found, Using Defaults"};
    ASSERT_EQ(TakeMessages(), leftForTheNextOk ? notFound : none);
    if (leftForTheNextOk) ws_.WriteInfo(info);
}

FeatureTab* WindowTest::TabOf(const char* name) {
    QWidget* w = Find<QWidget>(name);
    while (w && !qobject_cast<FeatureTab*>(w)) w = w->parentWidget();
    return qobject_cast<FeatureTab*>(w);
}

std::vector<std::string> WindowTest::Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

void WindowTest::Do(const std::string& steps) {
    for (const std::string& step : Split(steps, ';')) {
        std::istringstream in(step);
        std::string verb, name, rest;
        if (!(in >> verb >> name)) continue;
        std::getline(in >> std::ws, rest);
        const std::string all = rest.empty() ? name : name + " " + rest;
        auto* list = main_->findChild<QListWidget*>(QString::fromStdString(name));
        auto* grid = main_->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
        if (verb == "pick") {
            ASSERT_TRUE(list && std::stoi(rest) < list->count()) << step;
            QListWidgetItem* item = list->item(std::stoi(rest));
            list->setCurrentItem(item);
            item->setSelected(true);
            emit list->itemClicked(item);
        } else if (verb == "down") {
            QTest::keyClick(list, Qt::Key_Down);
            QApplication::processEvents();
        } else if (verb == "click") {
            Click(name.c_str());
        } else if (verb == "type" || verb == "away") {
            Type(name.c_str(), rest,
                 verb == "away" ? Qt::ActiveWindowFocusReason : Qt::TabFocusReason);
        } else if (verb == "dclick") {
            QTest::mouseDClick(Find<QLineEdit>(name.c_str()), Qt::LeftButton);
        } else if (verb == "cell" || verb == "select") {  // "cell ROW COLUMN VALUE"
            const std::vector<std::string> cell = Split(rest, ' ');
            grid->setCurrentCell(std::stoi(name), std::stoi(cell[0]));
            if (verb == "select") continue;
            Type("Text14", cell.at(1));
            Click("Command18");
        } else if (verb == "focus") {
            main_->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
            Find<QWidget>(name.c_str())->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();  // as a user's first key comes after the focus
        } else if (verb == "keys") {        // "~" is Enter, ">" is Tab
            for (const char c : all) {
                ASSERT_NE(QApplication::focusWidget(), nullptr) << step;
                QTest::keyClick(QApplication::focusWidget(), c == '~' ? '\r' : c == '>' ? '\t' : c);
                QApplication::processEvents();
            }
        } else if (verb == "remove") {
            fs::remove(ws_.ProgramFile(name));
        } else if (verb == "at") {
            const std::string at =
                std::to_string(grid->currentRow()) + "," + std::to_string(grid->currentColumn());
            EXPECT_EQ(at, name);
        } else if (verb == "bar") {
            EXPECT_EQ(grid->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, name == "on");
        } else if (verb == "!") {
            EXPECT_EQ(TakeMessages(), Messages{all});
        } else if (verb == "?") {
            std::string shown;
            for (const std::string& t : Split(all, ' ')) {
                const std::string control = t.substr(0, t.find_first_of("=#:"));
                shown += (shown.empty() ? "" : " ") + Shown(Find<QWidget>(control.c_str()));
            }
            EXPECT_EQ(shown, all);
        } else {
            ADD_FAILURE() << "unknown step " << step;
        }
    }
}

}  // namespace bw::test
