#pragma once

#include "app/dialogs/UserDialogs.h"
#include "app/program/ProgramLauncher.h"

#include <QString>

#include <memory>

class MainWindow;

// Which services the windows use: Qt's own dialogs and process start, or stand-ins of a test.
struct ProgramServices {
    std::unique_ptr<UserDialogs> dialogs;
    std::unique_ptr<ProgramLauncher> launcher;
};

ProgramServices QtServices();

// One run: the services and the main window, which makes every other window when it is first wanted.
struct Program {
    ProgramServices services;
    std::unique_ptr<MainWindow> window;
    MainWindow* mainWindow = nullptr;

    Program();
    Program(Program&&) = delete;
    ~Program();
};

// Builds and shows the main window. A file given (an absolute path) is opened once the event loop runs, as
// the open command opens a chosen file.
std::unique_ptr<Program> CreateProgram(ProgramServices services, const QString& file = QString());
