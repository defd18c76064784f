#pragma once

#include "store/MeasurementStore.h"

#include <QDateTime>

#include <cstdint>
#include <vector>

// Selected series made in memory, the way evaluation leaves them, so that graph tests can state a series by
// its times and activities.

// Marks at start + elapsed[j] seconds (UTC), with the given activities of measurements 1 … n.
SelectedSeries SeriesFromElapsed(const QDateTime& start, const std::vector<int64_t>& elapsed,
                                 const std::vector<int64_t>& activities);

// Measurements of the given exposures; each activity is 1.28e9 / (sensitivity × exposure), rounded.
SelectedSeries SeriesFromExposures(const QDateTime& start, const std::vector<int64_t>& exposures,
                                   uint16_t sensitivity = 250);

// A radon-like series of n measurements: activity swings daily between a few hundred and a few thousand
// Bq/m³, with a fixed pseudo-random spread; each exposure follows from its activity.
SelectedSeries RadonSeries(int n, const QDateTime& start, uint32_t seed = 1);

QDateTime Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
