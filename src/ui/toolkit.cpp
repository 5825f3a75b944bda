#include "ui/toolkit.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace bw {

void QtToolkit::Message(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}

QString QtToolkit::ChooseFolder(QWidget* owner, const QString& title) {
    // Qt answers with forward slashes everywhere; the settings hold the system's separator.
    return QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly));
}

}  // namespace bw
