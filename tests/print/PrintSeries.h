#pragma once

#include "InstrumentFile.h"
#include "InstrumentFileBuilder.h"
#include "SeriesEvaluation.h"

#include <QDateTime>

// A series at the given sensitivity whose measurements last the given numbers of seconds, from
// 5 January 2025 06:00:00, read from "/data/test.rad" with series number 3.
inline SelectedSeries SeriesOfIntervals(uint16_t sensitivity, const std::vector<int>& seconds) {
    InstrumentFileBuilder builder(117, sensitivity);
    builder.series(3, 25);
    QDateTime moment(QDate(2025, 1, 5), QTime(6, 0), Qt::UTC);
    builder.mark(moment);
    for (const int d : seconds)
        builder.mark(moment = moment.addSecs(d));
    FileHalf file;
    file.DataFileName = QStringLiteral("/data/test.rad");
    ParseInstrumentData(builder.endSeries().endFile().bytes(), file);
    return EvaluateSeries(file, 1).series;
}
