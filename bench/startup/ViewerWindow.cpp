// The viewer's own start-up, as its main() does it, ending at the main window's first paint.

#include "FirstPaint.h"
#include "Grafnew.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint probe;
    const auto program = CreateProgram(QtServices());
    program->Form1->installEventFilter(&probe);
    return QApplication::exec();
}
