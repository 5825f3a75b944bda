#include "ui/toolkit.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace bw {

void QtToolkit::Message(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}

QString QtToolkit::ChooseFolder(QWidget* owner, const QString& title, const QString& start) {
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!start.isEmpty() && QDir(start).exists()) dialog.setDirectory(start);
    // On the first run the window has only just been shown; the chooser is put over its
    // middle rather than wherever the window manager would drop a new window.
    if (owner && owner->isVisible()) {
        dialog.adjustSize();
        const QRect frame = owner->window()->frameGeometry();
        dialog.move(frame.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

}  // namespace bw
