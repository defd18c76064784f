#pragma once

#include "store/ActivityUnit.h"

#include <QSettings>
#include <QString>

#include <cstdint>
#include <vector>

// How the user reads a series, kept between runs: the unit, the reference levels, the colour of the step
// line above the highest level and the running average. The defaults are the program as it always was: Bq/m³,
// no levels, no average; a first start, or a value that cannot be read back, gets them.
constexpr int LeastAverageWindowHours = 1;
constexpr int MostAverageWindowHours = 366 * 24; // a leap year

struct ReadingSettings {
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre;
    std::vector<int64_t> levels; // Bq/m³, ascending, each once
    QString warningColour = QStringLiteral("#ff8000");
    int averageWindowHours = 24;
    bool averageShown = false;

    bool operator==(const ReadingSettings& other) const;
};

// "#rrggbb" with hexadecimal digits in either case.
bool IsWarningColourText(const QString& text);

// Every value on its own: one that is missing or unreadable keeps its default, the others are taken.
ReadingSettings ReadReadingSettings(QSettings& settings);
void WriteReadingSettings(QSettings& settings, const ReadingSettings& reading);
