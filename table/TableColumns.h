#pragma once

#include "store/ActivityUnit.h"
#include "store/SeriesEvaluation.h"

#include <array>

// The measurement table's columns by position: every reader of the grid addresses cells this way.
enum TableColumn { ColumnNumber = 0, ColumnStart = 1, ColumnEnd = 2, ColumnActivity = 3, ColumnExposure = 4 };

constexpr int TableColumnCount = 5;

// Row 0 of the grid. The activity's title names its unit when that is not the table's own Bq/m³.
RowTexts TableTitles();
RowTexts TableTitles(ActivityUnit unit);
// The same in the user's language, for the window and the printed table; the saved file keeps the above.
RowTexts ShownTableTitles(ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre);

// Column widths in pixels.
constexpr std::array<int, TableColumnCount> TableColumnWidths = {40, 97, 97, 90, 90};

// How a fixed-width text lines up the table's columns; the saved file and the printed page space them
// differently. A text longer than its column pushes the rest along rather than being cut.
struct FixedWidthColumns {
    std::array<int, 3> titleWidths; // the number, start and end titles
    const char* activityTitleEnd;   // between the activity and the exposure title
    const char* exposureTitleEnd;   // after the exposure title
    int unitsIndent;                // spaces before "(Бк/м3)", which stands under the activity title
    std::array<int, 4> cellWidths;  // the number, start, end and activity cells
};
extern const FixedWidthColumns FileColumns;    // the saved table
extern const FixedWidthColumns PrintedColumns; // the printed table

QString TitlesLine(const RowTexts& titles, const FixedWidthColumns& columns);
QString ShownTitlesLine(const RowTexts& titles, const FixedWidthColumns& columns); // its unit translated
QString UnitsLine(const FixedWidthColumns& columns);
QString ShownUnitsLine(const FixedWidthColumns& columns); // the unit in the user's language
QString RowLine(const RowTexts& cells, const FixedWidthColumns& columns);
