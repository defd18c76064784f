#include "Program.h"

#include "Grafnew.h"
#include "PresetFolder.h"
#include "ShellServices.h"
#include "TabSer.h"
#include "colors/ColorChooser.h"
#include "colors/colorDL.h"

#include <QCoreApplication>

Program::Program() = default;

Program::~Program() {
    // The secondary windows are children of the main window and go with it.
    window.reset();
}

ProgramServices QtServices() {
    ProgramServices services;
    services.dialogs = std::make_unique<QtShellDialogs>();
    services.launcher = std::make_unique<DetachedLauncher>();
    services.chooser = std::make_unique<QtColorChooser>();
    return services;
}

std::unique_ptr<Program> CreateProgram(ProgramServices services) {
    auto program = std::make_unique<Program>();
    program->dialogs = std::move(services.dialogs);
    program->launcher = std::move(services.launcher);
    program->chooser = std::move(services.chooser);

    ShellServicesSet shell{program->dialogs.get(), program->launcher.get(),
                           QCoreApplication::applicationDirPath(), PresetFolder(CurrentSampleLocations())};
    program->window = std::make_unique<TForm1>(shell);
    TForm1* form = program->window.get();
    program->Form1 = form;
    form->show();

    program->FormColorDialog = new TFormColorDialog(*program->chooser, form);
    program->FormSer = new TFormSer(form->Store(), *form, form);
    form->AttachWindows(program->FormColorDialog, program->FormSer);
    form->Closed = [] { QCoreApplication::quit(); };
    return program;
}
