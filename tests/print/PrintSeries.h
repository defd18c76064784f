#pragma once

#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QDateTime>

// A series at the given sensitivity whose measurements last the given numbers of seconds, from
// 5 January 2025 06:00:00, read from "/data/test.rad" with series number 3.
inline SelectedSeries SeriesOfIntervals(uint16_t sensitivity, const std::vector<int>& seconds) {
    const QDateTime start(QDate(2025, 1, 5), QTime(6, 0), Qt::UTC);
    const InstrumentFile file =
        ParseInstrumentFile(InstrumentFileBuilder::IntervalSeries(117, sensitivity, start, seconds),
                            QStringLiteral("/data/test.rad"));
    return EvaluateSeries(file, 1).series;
}
