// Brasswick: draws standard machine features for AutoCAD LT by writing a script.
#include <QApplication>
#include <QDir>

#include "app/main_window.h"
#include "ui/toolkit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bw::QtToolkit toolkit;
    bw::Main window(toolkit,
                    QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString());
    if (!window.StartUp()) return 0;
    return QApplication::exec();
}
