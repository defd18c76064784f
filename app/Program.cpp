#include "app/Program.h"

#include "app/Fonts.h"
#include "app/Grafnew.h"
#include "app/GraphCommands.h"
#include "app/HelpLocation.h"
#include "app/PresetFolder.h"
#include "app/PrintCommands.h"
#include "app/QtTranslations.h"
#include "app/SeriesListWindow.h"
#include "app/ShellServices.h"
#include "app/TableCommands.h"
#include "app/colors/ColorChooser.h"
#include "app/colors/colorDL.h"
#include "table/Dialog.h"
#include "table/Tabnew.h"

#include <QCoreApplication>

Program::Program() = default;

Program::~Program() {
    // The commands refer to the windows; the secondary windows are children of the main window and go with
    // it.
    if (window) {
        window->SetGraphHooks(nullptr);
        window->SetTableHooks(nullptr);
        window->SetPrintHooks(nullptr);
    }
    print.reset();
    table.reset();
    graph.reset();
    window.reset();
}

ProgramServices QtServices() {
    ProgramServices services;
    services.dialogs = std::make_unique<QtShellDialogs>();
    services.launcher = std::make_unique<DetachedLauncher>();
    services.chooser = std::make_unique<QtColorChooser>();
    services.tableDialogs = std::make_unique<QtTableDialogs>();
    return services;
}

std::unique_ptr<Program> CreateProgram(ProgramServices services) {
    // Before any window exists, so that every text Qt puts into them is Russian from the start.
    InstallQtTranslations();
    auto program = std::make_unique<Program>();
    program->dialogs = std::move(services.dialogs);
    program->launcher = std::move(services.launcher);
    program->chooser = std::move(services.chooser);
    program->tableDialogs =
        services.tableDialogs ? std::move(services.tableDialogs) : std::make_unique<QtTableDialogs>();

    // The help command opens help.hlp; a build tree has it beside the program, an installation in its data
    // folder.
    const QString helpFolder = HelpFolder(CurrentHelpLocations(), QStringLiteral("help.hlp"));
    ShellServicesSet shell{program->dialogs.get(), program->launcher.get(), helpFolder,
                           PresetFolder(CurrentSampleLocations())};
    program->window = std::make_unique<TForm1>(shell);
    TForm1* form = program->window.get();
    program->Form1 = form;
    form->show();

    program->FormColorDialog = new TFormColorDialog(*program->chooser, form);
    program->FormDialog = new TFormDialog(form);
    program->FormDialog->setFont(WindowFont());
    program->FormTable = new TFormTable(form);
    program->FormTable->setFont(WindowFont());
    program->FormSer = new SeriesListWindow(form->Store(), *form, form);
    program->FormSer->setFont(WindowFont());
    form->AttachWindows(program->FormColorDialog, program->FormSer);

    program->graph = std::make_unique<GraphCommands>(*form, *program->FormColorDialog);
    GraphView& graph = program->graph->Graph();
    program->table = std::make_unique<TableCommands>(*form, graph, *program->FormTable, *program->FormDialog,
                                                     *program->dialogs, *program->tableDialogs);
    program->print = std::make_unique<PrintCommands>(*form, graph, *program->table, *program->dialogs,
                                                     *program->tableDialogs);
    program->graph->TableSync = [table = program->table.get()] { table->TableSync(); };
    form->SetGraphHooks(program->graph.get());
    form->SetTableHooks(program->table.get());
    form->SetPrintHooks(program->print.get());
    form->Closed = [] { QCoreApplication::quit(); };
    return program;
}
