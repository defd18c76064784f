#pragma once

#include "store/ActivityUnit.h"
#include "store/MeasurementStore.h"

#include <QString>

// What the graph says of the measurement under the mouse: its number, its start and end with the year (the
// marks' true moments, so a series that passes a new year reads right) and its activity ± error in the unit,
// as the table's cell writes it:
//   "№ 17: 03.02.2024 04:05:06 – 03.02.2024 05:05:06, 267±40 Бк/м³"
// k must lie in 1 … n.
QString MeasurementReadout(const SelectedSeries& series, int k,
                           ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre);
