#include "app/program/Program.h"

#include "app/dialogs/HelpLocation.h"
#include "app/dialogs/PresetFolder.h"
#include "app/program/KeptReading.h"
#include "app/program/Translations.h"
#include "app/window/MainWindow.h"

#include <QApplication>
#include <QStyle>

Program::Program() = default;

// The window goes before the services it uses.
Program::~Program() {
    window.reset();
}

ProgramServices QtServices() {
    ProgramServices services;
    services.dialogs = std::make_unique<QtUserDialogs>();
    services.launcher = std::make_unique<DetachedLauncher>();
    return services;
}

std::unique_ptr<Program> CreateProgram(ProgramServices services, const QString& file) {
    // Before any window exists, so that every text put into them is in the user's language from the start.
    InstallUserLanguage();
    auto program = std::make_unique<Program>();
    program->services = std::move(services);
    // The help command opens the page of the user's language; a build tree has it beside the program, an
    // installation in its data folder.
    const HelpFile help = ChooseHelpFile(CurrentHelpLocations(), TranslatedHelpFileName());
    const WindowServices window{program->services.dialogs.get(), program->services.launcher.get(),
                                help.folder, help.name, PresetFolder(CurrentSampleLocations())};
    program->window = std::make_unique<MainWindow>(window);
    program->mainWindow = program->window.get();
    KeepReading(program->mainWindow->document());
    program->mainWindow->show();
    if (!file.isEmpty()) {
        // From the event loop, like the open command: the window is on screen by then and its closing ends
        // the program also while a message about the file is shown.
        MainWindow* form = program->mainWindow;
        QMetaObject::invokeMethod(
            form, [form, file] { form->openChosenFile(file); }, Qt::QueuedConnection);
    }
    return program;
}
