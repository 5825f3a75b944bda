// Brasswick: draws standard machine features for AutoCAD LT by writing a script.
#include <QApplication>
#include <QDir>

#include "app/main_window.h"
#include "exchange/platform.h"
#include "ui/toolkit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program folder is a path in the system's 8-bit character set, as the core's file
    // calls and DrawPath.txt take it.
    std::string programFolder = bw::platform::ExecutableFolder();
    if (programFolder.empty()) {
        programFolder = QDir::toNativeSeparators(QApplication::applicationDirPath())
                            .toLocal8Bit()
                            .toStdString();
    }
    bw::QtToolkit toolkit;
    bw::Main window(toolkit, programFolder);
    if (!window.StartUp()) return 0;
    return QApplication::exec();
}
