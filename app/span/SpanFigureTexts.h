#pragma once

#include "print/ReportTexts.h"
#include "store/ActivityUnit.h"
#include "store/SpanFigures.h"

#include <QString>

#include <vector>

// The figures of a marked span as the panel beside the graph names them, one row each: the report's
// figures in the report's wording, every activity written in the unit the user reads.
struct SpanFigureRow {
    QString name;
    QString value; // empty for a note that stands alone, "часы прибора шли назад"
};

// Count, first and last measurement, first and last moment with the year, duration, then the report's
// statistics lines in the unit, split at their first ": " (average, median, minimum and maximum with their
// moments, ЭРОА, the time above each level), then the report's note when the instrument's clock went back.
// Levels are those the figures were computed for; unrounded gives the values pCi/L is converted from.
std::vector<SpanFigureRow> SpanFigureRows(const SpanFigures& figures, const UnroundedFigures& unrounded,
                                          const MeasurementSpan& span, ActivityUnit unit);

// "name<TAB>value" lines (LF-ended) for a spreadsheet; a note stands alone on its line.
QString SpanFiguresClipboardText(const std::vector<SpanFigureRow>& rows);
