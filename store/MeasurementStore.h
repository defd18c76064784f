#pragma once

#include "store/TimeMark.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Fixed capacities of the store; parsed data never reaches them, but every writer keeps within them.
constexpr int MaxSeries = 2000;    // series ordinals 1..2000
constexpr int MaxMarks = 2001;     // marks 0..2000 per series
constexpr int MaxFileBytes = 8196; // only this much of an instrument file is ever read

using MonthTable = std::array<uint16_t, 13>; // index 1..12; element 0 unused

// Days per month as the time axis counts them; February is rewritten for the series' last year.
constexpr MonthTable DefaultDaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// "янв" … "дек" for months 1..12.
QString MonthName(int month);

// Day (blank-padded to two), month name and hh:mm:ss of a mark, e.g. " 5 янв 09:03:07". A month outside
// 1..12 reads "???".
QString MarkToText(const TimeMark& mark);

// What the open instrument file supplies. Series are addressed by their 1-based ordinal s; element 0 of
// every per-series vector is unused so that ordinals index directly.
struct FileHalf {
    QString DataFileName;
    uint16_t DeviceNumber = 0;
    uint16_t Sensitivity = 0;
    uint16_t SeriesCount = 0;
    std::vector<uint16_t> SeriesNumbers{0};
    std::vector<uint16_t> SeriesYears{0};
    std::vector<std::vector<TimeMark>> SeriesMarks{{}};

    uint16_t MarkCounts(int s) const { return static_cast<uint16_t>(SeriesMarks[s].size()); }
};

// The series being viewed, as its evaluation left it. Activities and elapsed times are 64-bit: spans of
// years and the doubled factor over one-second intervals both exceed 32 bits.
struct SelectedSeries {
    uint16_t MeasurementCount = 0; // n; 0 while no series has been evaluated
    uint16_t CurrentYear = 0;      // the year of the series' last mark
    MonthTable DaysInMonth = DefaultDaysInMonth;
    std::vector<TimeMark> CurrentMarks; // marks 0..n
    std::vector<int64_t> ElapsedTime;   // 0..n, seconds from mark 0
    std::vector<int64_t> Activity;      // 0..n+1, Bq/m³; 0 and n+1 are sentinels
    int64_t MaxActivity = 0;
    int64_t EquilibriumActivity = 0;
    QString SeriesTitle;
};

struct MeasurementStore {
    FileHalf file;
    SelectedSeries selected;
    bool NoSeriesChosen = false; // blanks the graph from opening a file until a series is shown
};

// What status texts show of a path: the part after the last folder separator or drive colon.
QString FileNamePart(const QString& path);
