#pragma once

#include "app/document/MeasurementDocument.h"

class QAction;
class QObject;

// The commands of the main window, one QAction each: the menu item and the toolbar button of a command show
// the same action, so they respond, check and disable together.
struct MainCommands {
    QAction* open;
    QAction* deviceLink;
    QAction* saveTable;
    QAction* savePicture;
    QAction* printTable;
    QAction* printGraph;
    QAction* report;
    QAction* exit;
    QAction* seriesList;
    QAction* viewTable;
    QAction* firstMeasurement;
    QAction* nextMeasurement;
    QAction* previousMeasurement;
    QAction* lastMeasurement;
    QAction* zoom;
    QAction* wholeView;
    QAction* average;
    QAction* grid; // toolbar only, checkable: its down state outlives a series
    QAction* printerSetup;
    QAction* colors;
    QAction* help;
    // How the user reads the series: the unit (an exclusive pair in the units submenu), the reference levels
    // and the running average, which is checkable.
    QAction* unitBecquerels;
    QAction* unitPicocuries;
    QAction* referenceLevels;
    QAction* runningAverage;
    // The headings of the print and the units submenus, which respond with their commands.
    QAction* printSubmenu = nullptr;
    QAction* unitsSubmenu = nullptr;
};

// The commands with their captions, hints, glyphs, keys and names, owned by parent.
MainCommands MakeMainCommands(QObject* parent);

// Which commands respond at a stage of the document. With nothing chosen only opening a file, the link
// program, help and exit do; while a file's series are offered the series list as well; with a series shown
// all of them, the series list only when the file holds more than one series.
void ShowCommandStates(const MainCommands& commands, DocumentStage stage, bool severalSeries);
