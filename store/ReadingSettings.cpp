#include "store/ReadingSettings.h"

#include "store/ReferenceLevels.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QString kGroup = QStringLiteral("Reading");
const QString kUnit = QStringLiteral("unit");
const QString kLevels = QStringLiteral("levels");
const QString kWarningColour = QStringLiteral("warningColour");
const QString kWindowHours = QStringLiteral("averageWindowHours");
const QString kAverageShown = QStringLiteral("averageShown");

// Levels written by hand as 100,200 come back from an ini file as a list; join them for the parser.
QString LevelsValue(const QVariant& value) {
    return value.toStringList().join(QLatin1Char(' '));
}

} // namespace

bool ReadingSettings::operator==(const ReadingSettings& other) const {
    return unit == other.unit && levels == other.levels && warningColour == other.warningColour &&
           averageWindowHours == other.averageWindowHours && averageShown == other.averageShown;
}

bool IsWarningColourText(const QString& text) {
    static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return colour.match(text).hasMatch();
}

ReadingSettings ReadReadingSettings(QSettings& settings) {
    ReadingSettings reading;
    settings.beginGroup(kGroup);
    if (const std::optional<ActivityUnit> unit = ActivityUnitNamed(settings.value(kUnit).toString()))
        reading.unit = *unit;
    if (const LevelsParse levels = ParseReferenceLevels(LevelsValue(settings.value(kLevels))); levels.ok())
        reading.levels = levels.levels;
    if (const QString colour = settings.value(kWarningColour).toString(); IsWarningColourText(colour))
        reading.warningColour = colour.toLower();
    bool isNumber = false;
    const int hours = settings.value(kWindowHours).toInt(&isNumber);
    if (isNumber && hours >= LeastAverageWindowHours && hours <= MostAverageWindowHours)
        reading.averageWindowHours = hours;
    const QVariant shown = settings.value(kAverageShown);
    if (shown.toString() == QStringLiteral("true") || shown.toString() == QStringLiteral("false"))
        reading.averageShown = shown.toBool();
    settings.endGroup();
    return reading;
}

void WriteReadingSettings(QSettings& settings, const ReadingSettings& reading) {
    settings.beginGroup(kGroup);
    settings.setValue(kUnit, ActivityUnitName(reading.unit));
    // Spaces, not commas, between the levels: an ini file would read a comma-separated value as a list.
    settings.setValue(kLevels,
                      ReferenceLevelsText(reading.levels).replace(QStringLiteral(", "), QStringLiteral(" ")));
    settings.setValue(kWarningColour, reading.warningColour);
    settings.setValue(kWindowHours, reading.averageWindowHours);
    settings.setValue(kAverageShown, reading.averageShown);
    settings.endGroup();
}
