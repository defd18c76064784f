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

// What the open instrument file supplies. Series are addressed by their 1-based ordinal s; element 0 of
// every per-series vector is unused so that ordinals index directly.
struct InstrumentFile {
    QString dataFileName;
    uint16_t deviceNumber = 0;
    uint16_t sensitivity = 0;
    uint16_t seriesCount = 0;
    std::vector<uint16_t> seriesNumbers{0};
    std::vector<uint16_t> seriesYears{0};
    std::vector<std::vector<TimeMark>> seriesMarks{{}};

    uint16_t markCount(int s) const { return static_cast<uint16_t>(seriesMarks[s].size()); }
};

// The series being viewed, as its evaluation left it. Activities and elapsed times are 64-bit: spans of
// years and the doubled factor over one-second intervals both exceed 32 bits.
struct SelectedSeries {
    uint16_t measurementCount = 0; // n; 0 while no series has been evaluated
    uint16_t currentYear = 0;      // the year of the series' last mark
    MonthTable daysInMonth = DefaultDaysInMonth;
    std::vector<TimeMark> currentMarks; // marks 0..n
    std::vector<int64_t> elapsedTime;   // 0..n, seconds from mark 0
    std::vector<int64_t> activity;      // 0..n+1, Bq/m³; 0 and n+1 are sentinels
    int64_t maxActivity = 0;
    int64_t equilibriumActivity = 0;
    QString seriesTitle;  // Russian whatever the language: the saved table's first line
    QString shownTitle{}; // the same in the user's language, for the screen, pictures and printouts
};

// The title to show: shownTitle, or seriesTitle for a series made without one.
inline const QString& ShownSeriesTitle(const SelectedSeries& series) {
    return series.shownTitle.isEmpty() ? series.seriesTitle : series.shownTitle;
}

struct MeasurementStore {
    InstrumentFile file;
    SelectedSeries selected;
    bool noSeriesChosen = false; // blanks the graph from opening a file until a series is shown
};
