// The viewer's own start-up, as its main() does it, ending at the main window's first paint.

#include "app/program/Program.h"
#include "app/window/MainWindow.h"
#include "bench/startup/FirstPaint.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint probe;
    const auto program = CreateProgram(QtServices());
    program->mainWindow->installEventFilter(&probe);
    return QApplication::exec();
}
