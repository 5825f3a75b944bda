#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <filesystem>
#include <utility>

namespace bw::test {

namespace fs = std::filesystem;

void RecordingToolkit::Message(QWidget*, const QString& title, const QString& text) {
    messages.push_back(text.toStdString());
    messageTitles.push_back(title.toStdString());
}

QString RecordingToolkit::ChooseFolder(QWidget*, const QString& title, const QString& start) {
    folderTitles.push_back(title.toStdString());
    folderStarts.push_back(start.toStdString());
    if (folderAnswers.empty()) return {};
    const QString answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

QString RecordingToolkit::ChooseSaveFile(QWidget*, const QString&, const QString& start,
                                         const QString& suffix) {
    saveStarts.push_back(start.toStdString() + " ." + suffix.toStdString());
    return std::exchange(saveAnswer, {});
}

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

void WindowTest::SetUp() {
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

void WindowTest::Pick(const char* listName, int row) {
    auto* list = Find<QListWidget>(listName);
    ASSERT_TRUE(list && row < list->count()) << listName << " has no entry " << row;
    QListWidgetItem* item = list->item(row);
    list->setCurrentItem(item);
    item->setSelected(true);
    emit list->itemClicked(item);
}

void WindowTest::Type(const char* boxName, const QString& text) {
    auto* box = Find<QLineEdit>(boxName);
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

Messages WindowTest::TakeMessages() {
    toolkit_.messageTitles.clear();
    return std::exchange(toolkit_.messages, {});
}

void WindowTest::StartWithInfo(const std::string& info) {
    ws_.WriteInfo(info);
    ASSERT_TRUE(Start());
    main_->showNormal();
    ASSERT_EQ(TakeMessages(), Messages{});
}

void WindowTest::StartThenLeaveInfo(const std::string& info) {
    ASSERT_TRUE(Start());
    main_->showNormal();
    ASSERT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
    ws_.WriteInfo(info);
}

std::vector<std::string> WindowTest::Entries(const char* listName) {
    std::vector<std::string> entries;
    auto* list = Find<QListWidget>(listName);
    for (int i = 0; list && i < list->count(); ++i)
        entries.push_back(list->item(i)->text().toStdString());
    return entries;
}

std::string WindowTest::Caption(const char* name) {
    if (auto* button = main_->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        return button->text().remove(QLatin1Char('&')).toStdString();
    if (auto* frame = main_->findChild<QGroupBox*>(QString::fromLatin1(name)))
        return frame->title().toStdString();
    ADD_FAILURE() << "no captioned control named " << name;
    return {};
}

std::string WindowTest::FrameOf(const char* name) {
    auto* frame = qobject_cast<QGroupBox*>(Find<QWidget>(name)->parentWidget());
    return frame ? frame->title().toStdString() : "<no frame>";
}

bool WindowTest::Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
bool WindowTest::Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
std::string WindowTest::Text(const char* name) {
    return Find<QLineEdit>(name)->text().toStdString();
}

FeatureTab* WindowTest::TabOf(const char* name) {
    QWidget* w = Find<QWidget>(name);
    while (w && !qobject_cast<FeatureTab*>(w)) w = w->parentWidget();
    return qobject_cast<FeatureTab*>(w);
}

void WindowTest::FocusIn(const char* name) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Find<QWidget>(name), &in);
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
        if (verb == "pick") {
            Pick(name.c_str(), std::stoi(rest));
        } else if (verb == "click") {
            Click(name.c_str());
        } else if (verb == "type") {
            Type(name.c_str(), QString::fromStdString(rest));
        } else if (verb == "cell") {  // "cell ROW COLUMN VALUE"
            const std::vector<std::string> cell = Split(rest, ' ');
            Find<QTableWidget>("MSFlexGrid1")->setCurrentCell(std::stoi(name), std::stoi(cell[0]));
            Type("Text14", QString::fromStdString(cell.at(1)));
            Click("Command18");
        } else {
            ADD_FAILURE() << "unknown step " << step;
        }
    }
}

}  // namespace bw::test
