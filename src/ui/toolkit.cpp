#include "ui/toolkit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace bw {

namespace {

// On the first run the window has only just been shown; a dialog is put over its middle
// rather than wherever the window manager would drop a new window.
void CentreOver(QWidget* owner, QFileDialog& dialog) {
    if (!owner || !owner->isVisible()) return;
    dialog.adjustSize();
    const QRect frame = owner->window()->frameGeometry();
    dialog.move(frame.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

}  // namespace

QString Toolkit::ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) {
    return {};
}

void Toolkit::Inform(QWidget* owner, const QString& title, const QString& text) {
    Message(owner, title, text);
}

bool Toolkit::Ask(QWidget*, const QString&, const QString&) { return false; }

void QtToolkit::Message(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::warning(owner, title, text, QMessageBox::Ok);
}

void QtToolkit::Inform(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}

bool QtToolkit::Ask(QWidget* owner, const QString& title, const QString& text) {
    return QMessageBox::warning(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

QString QtToolkit::ChooseFolder(QWidget* owner, const QString& title, const QString& start) {
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!start.isEmpty() && QDir(start).exists()) dialog.setDirectory(start);
    CentreOver(owner, dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

QString QtToolkit::ChooseSaveFile(QWidget* owner, const QString& title, const QString& start,
                                  const QString& suffix) {
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(suffix.toUpper() + QStringLiteral(" files (*.") + suffix +
                         QStringLiteral(")"));
    dialog.setDefaultSuffix(suffix);
    const QFileInfo proposed(start);
    if (QDir(proposed.path()).exists()) dialog.setDirectory(proposed.path());
    dialog.selectFile(proposed.fileName());
    CentreOver(owner, dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

}  // namespace bw
