#include "app/program/Program.h"
#include "app/program/ProgramStart.h"
#include "app/program/Translations.h"
#include "app/program/ViewerCommandLine.h"
#include "app/window/MainWindow.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv) {
    // Past a file size limit (ulimit -f) a write fails like one on a full disk and the save says so; left
    // at its default the signal would end the viewer instead.
    std::signal(SIGXFSZ, SIG_IGN);
    QuietenRuntimeFolderWarning();
    // Judged before the GUI starts, so that --help, --version and a refused command line need no display.
    const QStringList arguments = NativeArguments(argc, argv);
    const ViewerCommandLine line = ParseViewerCommandLine(arguments);
    if (line.request != ViewerCommandLine::Request::Run) {
        // The answer in the user's language: the translations want an application object, one that needs
        // no display, and the refusal is worded again once they are in.
        QCoreApplication answering(argc, argv);
        InstallUserLanguage();
        return AnswerViewerCommandLine(ParseViewerCommandLine(arguments));
    }
    QApplication app(argc, argv);
    // The desktop pairs the windows with the menu entry and its icon by this id (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(RADVIEW_APP_ID));
    const auto program = CreateProgram(QtServices(), line.file);
    // Closing the main window ends the program at once, whatever other window is open.
    QObject::connect(program->mainWindow, &MainWindow::closed, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
