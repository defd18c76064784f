#pragma once

#include "app/commands/MainCommands.h"
#include "store/ActivityUnit.h"

class LevelsDialog;
class MeasurementDocument;
class QWidget;

// How the user reads the series, from the menu: the unit, the reference levels with the running average's
// window, and the running average on or off. Each choice goes to the document; the checked items follow
// what the document holds, settings read at start included.
class ReadingCommands {
public:
    ReadingCommands(QWidget& window, MeasurementDocument& document, const MainCommands& commands);

    void chooseUnit(ActivityUnit unit);
    // "Опорные уровни…": the levels dialog, at the document's levels and window.
    void chooseLevels();
    void showAverage(bool shown);
    // The menu's checked items as the document's reading has them.
    void showReading();

    LevelsDialog* levelsDialog();

private:
    QWidget& window_;
    MeasurementDocument& document_;
    const MainCommands& commands_;
    LevelsDialog* dialog_ = nullptr;
};
