#include "ui/toolkit.h"

#include <QFileDialog>
#include <QMessageBox>

namespace bw {

void QtToolkit::Message(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}

QString QtToolkit::ChooseFolder(QWidget* owner, const QString& title) {
    return QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
}

}  // namespace bw
