#include "app/Program.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv) {
    // Past a file size limit (ulimit -f) a write fails like one on a full disk and the save says so; left
    // at its default the signal would end the viewer instead.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    const auto program = CreateProgram(QtServices());
    return QApplication::exec();
}
