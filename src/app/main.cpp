// Brasswick: draws standard machine features for AutoCAD LT by writing a script.
#include <QApplication>
#include <QDir>

#include "app/main_window.h"
#include "app/single_instance.h"
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
    // The CAD side starts Brasswick on every pick; a second one hands over to the first.
    bw::SingleInstance instance(programFolder);
    if (!instance.Acquire() && instance.HandOver()) return 0;
    bw::QtToolkit toolkit;
    bw::Main window(toolkit, programFolder);
    QObject::connect(&instance, &bw::SingleInstance::HandOverRequested, &window,
                     &bw::Main::ComeForward);
    if (!window.StartUp()) return 0;
    return QApplication::exec();
}
