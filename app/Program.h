#pragma once

#include "app/ShellServices.h"
#include "app/TableDialogs.h"
#include "app/colors/ColorChooser.h"

#include <memory>

class GraphCommands;
class PrintCommands;
class TableCommands;
class MainWindow;
class ColorDialog;
class RangeDialog;
class SeriesListWindow;
class MeasurementTableWindow;

// The windows of one run. The main window is created first and shown; the others are created after it,
// hidden, and live as long as it does.
struct Program {
    MainWindow* mainWindow = nullptr;
    ColorDialog* colorDialog = nullptr;
    RangeDialog* rangeDialog = nullptr;
    MeasurementTableWindow* tableWindow = nullptr;
    SeriesListWindow* seriesListWindow = nullptr;

    std::unique_ptr<ShellDialogs> dialogs;
    std::unique_ptr<ProgramLauncher> launcher;
    std::unique_ptr<ColorChooser> chooser;
    std::unique_ptr<TableDialogs> tableDialogs;
    std::unique_ptr<MainWindow> window;
    // The graph, the table and the printouts as the main window reaches them.
    std::unique_ptr<GraphCommands> graph;
    std::unique_ptr<TableCommands> table;
    std::unique_ptr<PrintCommands> print;

    Program();
    Program(Program&&) = delete;
    ~Program();
};

// Which services the windows use: Qt's own dialogs and process start, or stand-ins of a test.
struct ProgramServices {
    std::unique_ptr<ShellDialogs> dialogs;
    std::unique_ptr<ProgramLauncher> launcher;
    std::unique_ptr<ColorChooser> chooser;
    std::unique_ptr<TableDialogs> tableDialogs; // Qt's own when none is given
};

ProgramServices QtServices();

// Builds and shows the windows. Closing the main window ends the event loop.
std::unique_ptr<Program> CreateProgram(ProgramServices services);
