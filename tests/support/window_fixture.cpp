#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <filesystem>

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
    QString answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

Workspace::Workspace() {
    program = dir.MakeDir("program");
    cad = dir.MakeDir("cad/Brasswick");
    cad = dir.Path() + "/cad/";
    drawing = dir.MakeDir("drawings") + "/";
}

void Workspace::CopyShippedData() const {
    for (const auto& entry : fs::directory_iterator(BW_DATA_DIR)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
        fs::copy_file(entry.path(), fs::path(program) / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
    }
}

void Workspace::WriteSettings(const std::string& hiddenLayer, const std::string& clearance) const {
    dir.Write("program/DrawPath.txt", "\"" + cad + "\"\r\n\"" + drawing + "\"\r\n" + hiddenLayer +
                                          "\r\n" + clearance + "\r\n");
}

void Workspace::WriteInfo(const std::string& contents) const {
    dir.Write("drawings/BW_Info.txt", contents);
}

void WindowTest::SetUp() {
    // Each test starts as on a first start of the window: no remembered size or page.
    QSettings(QSettings::UserScope, QStringLiteral("Brasswick"), QStringLiteral("Brasswick"))
        .clear();
    ws_.CopyShippedData();
    ws_.WriteSettings();
}

void WindowTest::TearDown() { main_.reset(); }

bool WindowTest::Start() {
    main_ = std::make_unique<Main>(toolkit_, ws_.program);
    return main_->StartUp();
}

void WindowTest::Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    button->click();
}

void WindowTest::Pick(const char* listName, int row) {
    auto* list = Find<QListWidget>(listName);
    ASSERT_NE(list, nullptr);
    ASSERT_LT(row, list->count()) << listName << " has only " << list->count() << " entries";
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

std::vector<std::string> WindowTest::TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(toolkit_.messages);
    toolkit_.messageTitles.clear();
    return taken;
}

}  // namespace bw::test
