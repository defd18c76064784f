#pragma once

#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QByteArray>
#include <QDateTime>

#include <vector>

// A file and its first series evaluated, as a report is made from them.
struct ReportFile {
    QByteArray bytes;
    InstrumentFile file;
    SeriesEvaluation evaluation;
    const SelectedSeries& series() const { return evaluation.series; }
};

inline ReportFile ReportFileOf(const QByteArray& bytes) {
    ReportFile report{bytes, ParseInstrumentFile(bytes, QStringLiteral("/data/test.rad")), {}};
    report.evaluation = EvaluateSeries(report.file, 1);
    return report;
}

// Worked by hand: instrument 7, sensitivity 1000 (an activity is 1.28e6 / seconds, doubled after a bad
// mark), series 42 of 2025. Mark 3 reads hour 25, so measurement 3 has no exposure and measurement 4 counts
// from mark 2 with the doubled factor:
//   k   from       to         exposure  activity
//   1   10:00:00   11:46:40   6400      200
//   2   11:46:40   12:40:00   3200      400
//   3   12:40:00   12:40:00   0         0
//   4   12:40:00   16:13:20   12800     200
//   5   16:13:20   20:40:00   16000     80
//   6   20:40:00   21:01:20   1280      1000
// T = 39680 s: average 6 × 1.28e9 / (39680 × 1000) = 193.55 → 194, 194 / 37 = 5.243 pCi/L, ЭРОА 96.77 → 97;
// measured activities 80 200 200 400 1000: median 200, minimum 80 (measurement 5 from 16:13),
// maximum 1000 (measurement 6 from 20:40). Above 50 every second (100 %); above 100 all but measurement 5:
// 23680 of 39680 s = 59.68 % → 59,7 %; above 1000 nothing (0 %). All of it on 14 March: 39680 s = 11.02 h,
// and the day's average is the span's, 194.
inline ReportFile HandWorkedReportFile() {
    InstrumentFileBuilder builder(7, 1000);
    builder.series(42, 25)
        .mark(3, 14, 10, 0, 0)
        .mark(3, 14, 11, 46, 40)
        .mark(3, 14, 12, 40, 0)
        .mark(3, 14, 25, 0, 0)
        .mark(3, 14, 16, 13, 20)
        .mark(3, 14, 20, 40, 0)
        .mark(3, 14, 21, 1, 20)
        .endSeries()
        .endFile();
    return ReportFileOf(builder.bytes());
}

// Measurements of three hours for 40 days, from 5 January 2025 06:00 to 14 February 06:00: 320
// measurements touching 41 calendar days, instrument 117, sensitivity 250, series 3.
inline ReportFile FortyDaysReportFile() {
    return ReportFileOf(InstrumentFileBuilder::IntervalSeries(
        117, 250, QDateTime(QDate(2025, 1, 5), QTime(6, 0), Qt::UTC), std::vector<int>(320, 3 * 3600)));
}
