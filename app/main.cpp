#include "Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto program = CreateProgram(QtServices());
    return QApplication::exec();
}
