// The window program: start-up, the event loop, shutdown.

#include "app/main_window.h"
#include "app/pictures_widget.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zuffile"));
    QApplication::setDesktopFileName(QStringLiteral("zuffile"));
    QApplication::setWindowIcon(ProgramIcon());
    const std::unique_ptr<MainWindow> window = StartUp();
    const int exitCode = QApplication::exec();
    return ShutDown(exitCode);
}
