#pragma once

#include "graph/ReadingMarks.h"
#include "store/ActivityUnit.h"
#include "store/DailyAverages.h"
#include "store/MeasurementStore.h"
#include "store/SpanStatistics.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// What a report on a span of a series says, as texts; where they go on the page is the layout's business.
// The statistics lines keep one wording everywhere so that a reader, or a program, can find them again:
//   "Среднее: A Бк/м³ (P пКи/л)"     P with two decimals and a decimal comma
//   "Медиана: M Бк/м³"
//   "Минимум: X Бк/м³ (изм. k, DD.MM.YYYY HH:MM)"
//   "Максимум: Y Бк/м³ (изм. k, DD.MM.YYYY HH:MM)"
//   "ЭРОА: E Бк/м³"
//   "Время выше L Бк/м³: Q %"          Q with one decimal and a decimal comma, one line per level
// In pCi/L every activity reads in pCi/L first, converted once from the value its Bq/m³ figure was rounded
// from and rounded once, with that Bq/m³ figure beside it, so the Bq/m³ figures stay those above:
//   "Среднее: P пКи/л (A Бк/м³)", "Медиана: P пКи/л (M Бк/м³)", "ЭРОА: P пКи/л (E Бк/м³)"
//   "Минимум: P пКи/л (X Бк/м³, изм. k, DD.MM.YYYY HH:MM)", and the same for "Максимум"
//   "Время выше P пКи/л (L Бк/м³): Q %"
// and the table of averages gives them in pCi/L.
// A figure that cannot be formed reads "—" in place of its value and unit. Where the span ends before it
// begins (the instrument's clock went back), its duration, average and ЭРОА read "—" and the note
// ClockWentBackNote follows the statistics.

// What a report is made from. The file gives the instrument's number and sensitivity, the series its
// title (file name and series number), marks and activities. The unit and the marks drawn are set after
// the rest, as a reader chose them.
struct ReportSource {
    ReportSource(const InstrumentFile& instrumentFile, const SelectedSeries& shown, MeasurementSpan reported,
                 std::vector<int64_t> statedLevels = DefaultLevels(), QDate printedOn = QDate())
        : file(instrumentFile), series(shown), span(reported), levels(std::move(statedLevels)),
          printed(printedOn) {}

    const InstrumentFile& file;
    const SelectedSeries& series;
    MeasurementSpan span;                          // must lie in the series
    std::vector<int64_t> levels = DefaultLevels(); // Bq/m³, in the order the time above them is stated
    QDate printed;                                 // the date of printing in the footer
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre; // of the figures and the graph's scale
    ReadingMarks marks; // levels and the running average drawn on the graph; none by default
};

// One row of the table of daily averages: date, hours of measurement time in the day (one decimal, decimal
// comma) and the day's time-weighted average in Bq/m³, or in the report's unit.
using DailyRowTexts = std::array<QString, 3>;

struct ReportContent {
    QString heading;
    QStringList titleLines;     // the series, the instrument, the span's moments and counts
    QString timeTitle;          // under the graph's time axis, with the year
    QStringList statisticLines; // in the wording above
    QString dailyHeading; // "Средние по суткам", "… по месяцам" or "… по годам"
    DailyRowTexts dailyTitles;
    std::vector<DailyRowTexts> dailyRows;
    QString printedText; // "Дата печати: DD.MM.YYYY"
    QString programText; // the program's name and version
};

ReportContent MakeReportContent(const ReportSource& source);

// The figures of a span in the report's words. Exposed one by one because each is a rule of its own.
QString AverageLine(std::optional<int64_t> average);
QString MedianLine(std::optional<int64_t> median);
QString MinimumLine(const std::optional<ExtremeActivity>& minimum);
QString MaximumLine(const std::optional<ExtremeActivity>& maximum);
QString EquilibriumReportLine(std::optional<int64_t> equilibrium);
QString TimeAboveLine(const TimeAbove& timeAbove);
QStringList StatisticLines(const SpanStatistics& statistics);

// The values the span's Bq/m³ figures are rounded from (the extremes and levels are whole already).
struct UnroundedFigures {
    std::optional<Extended> average;
    std::optional<Extended> median;
    std::optional<Extended> equilibrium;
};
UnroundedFigures ComputeUnroundedFigures(const SelectedSeries& series, uint16_t sensitivity,
                                         const MeasurementSpan& span);

// The statistics in the unit: StatisticLines in Bq/m³, the pCi/L wording above otherwise. A figure absent
// from the statistics is absent in either unit.
QStringList StatisticLinesIn(const SpanStatistics& statistics, const UnroundedFigures& unrounded,
                             ActivityUnit unit);

// "40 сут 6 ч": whole hours (rounded halves to even) as days and hours.
QString DurationText(int64_t seconds);

// "время,  (день мес), 2025", or "…, 2025–2026" for a span across a new year.
QString ReportTimeTitle(uint8_t timeUnit, const QDateTime& from, const QDateTime& to);

DailyRowTexts DailyRowTextsOf(const DailyAverage& day);
// A row of the table of averages: "dd.MM.yyyy" for a day, "MM.yyyy" for a month, "yyyy" for a year or
// "yyyy–yyyy" for a row of several.
DailyRowTexts PeriodRowTextsOf(const DailyAverage& row, AveragePeriod period, int yearsPerRow = 1,
                               ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre);

// "часы прибора шли назад" in the user's language, as the report and the span's figures show it.
QString ClockWentBackNote();

// "Страница 1 из 2".
QString PageNumberText(int page, int pageCount);

// The program's name and version, as every report names its maker.
QString ReportProgramText();
