#include "app/Program.h"

#include "app/Fonts.h"
#include "app/GraphCommands.h"
#include "app/HelpLocation.h"
#include "app/MainWindow.h"
#include "app/PresetFolder.h"
#include "app/PrintCommands.h"
#include "app/QtTranslations.h"
#include "app/SeriesListWindow.h"
#include "app/ShellServices.h"
#include "app/TableCommands.h"
#include "app/colors/ColorChooser.h"
#include "app/colors/ColorDialog.h"
#include "table/MeasurementTableWindow.h"
#include "table/RangeDialog.h"

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
    program->window = std::make_unique<MainWindow>(shell);
    MainWindow* form = program->window.get();
    program->mainWindow = form;
    form->show();

    program->colorDialog = new ColorDialog(*program->chooser, form);
    program->rangeDialog = new RangeDialog(form);
    program->rangeDialog->setFont(WindowFont());
    program->tableWindow = new MeasurementTableWindow(form);
    program->tableWindow->setFont(WindowFont());
    program->seriesListWindow = new SeriesListWindow(form->store(), *form, form);
    program->seriesListWindow->setFont(WindowFont());
    form->attachWindows(program->colorDialog, program->seriesListWindow);

    program->graph = std::make_unique<GraphCommands>(*form, *program->colorDialog);
    GraphView& graph = program->graph->graph();
    program->table =
        std::make_unique<TableCommands>(*form, graph, *program->tableWindow, *program->rangeDialog,
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
