#include "app/commands/ReadingCommands.h"

#include "app/dialogs/LevelsDialog.h"
#include "app/document/MeasurementDocument.h"
#include "app/window/Fonts.h"

#include <QAction>

ReadingCommands::ReadingCommands(QWidget& window, MeasurementDocument& document, const MainCommands& commands)
    : window_(window), document_(document), commands_(commands) {}

void ReadingCommands::chooseUnit(ActivityUnit unit) {
    ReadingSettings reading = document_.reading();
    reading.unit = unit;
    document_.setReading(reading);
}

void ReadingCommands::chooseLevels() {
    ReadingSettings reading = document_.reading();
    const std::optional<LevelsChoice> choice =
        levelsDialog()->choose({reading.levels, reading.averageWindowHours});
    if (!choice)
        return;
    reading.levels = choice->levels;
    reading.averageWindowHours = choice->averageWindowHours;
    document_.setReading(reading);
}

void ReadingCommands::showAverage(bool shown) {
    ReadingSettings reading = document_.reading();
    reading.averageShown = shown;
    document_.setReading(reading);
}

void ReadingCommands::showReading() {
    const ReadingSettings& reading = document_.reading();
    commands_.unitBecquerels->setChecked(reading.unit == ActivityUnit::BecquerelPerCubicMetre);
    commands_.unitPicocuries->setChecked(reading.unit == ActivityUnit::PicocuriePerLitre);
    commands_.runningAverage->setChecked(reading.averageShown);
}

LevelsDialog* ReadingCommands::levelsDialog() {
    if (!dialog_) {
        dialog_ = new LevelsDialog(&window_);
        dialog_->setFont(WindowFont());
    }
    return dialog_;
}
