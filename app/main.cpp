#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/ViewerCommandLine.h"

#include <QApplication>

#include <csignal>

namespace {

QStringList ArgumentsAfterName(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // Past a file size limit (ulimit -f) a write fails like one on a full disk and the save says so; left
    // at its default the signal would end the viewer instead.
    std::signal(SIGXFSZ, SIG_IGN);
    // Read before the GUI starts, so that --help and --version need no display.
    ViewerCommandLine line = ParseViewerCommandLine(ArgumentsAfterName(argc, argv));
    if (line.request == ViewerCommandLine::Request::Help ||
        line.request == ViewerCommandLine::Request::Version)
        return AnswerViewerCommandLine(line);
    QApplication app(argc, argv);
    // The desktop pairs the windows with the menu entry and its icon by this id (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(RADVIEW_APP_ID));
    // Qt takes the options of its own (-platform, -style, -geometry…) out of the arguments it was given;
    // what it leaves is the viewer's to judge.
    if (line.request == ViewerCommandLine::Request::Refused)
        line = ParseViewerCommandLine(QCoreApplication::arguments().mid(1));
    if (line.request != ViewerCommandLine::Request::Run)
        return AnswerViewerCommandLine(line);
    const auto program = CreateProgram(QtServices(), line.file);
    // Closing the main window ends the program at once, whatever other window is open.
    QObject::connect(program->mainWindow, &MainWindow::closed, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
