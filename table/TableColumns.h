#pragma once

#include "store/SeriesEvaluation.h"

#include <array>

// The measurement table's columns by position: every reader of the grid addresses cells this way.
enum TableColumn { ColumnNumber = 0, ColumnStart = 1, ColumnEnd = 2, ColumnActivity = 3, ColumnExposure = 4 };

constexpr int TableColumnCount = 5;

// Row 0 of the grid.
RowTexts TableTitles();

// Column widths in pixels.
constexpr std::array<int, TableColumnCount> TableColumnWidths = {40, 97, 97, 90, 90};
