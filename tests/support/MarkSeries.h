#pragma once

#include "tests/support/TestFiles.h"

#include "store/SeriesEvaluation.h"

#include <initializer_list>

// A time mark by its plain numbers, as a test states a series.
struct PlainMark {
    int month, day, hour, minute, second;
};

// Series 1 (number 42) of a file of instrument 7 with the given sensitivity and year byte, made of these
// marks and evaluated as the viewer would.
inline SeriesEvaluation EvaluateMarks(uint16_t sensitivity, uint8_t year,
                                      std::initializer_list<PlainMark> marks) {
    InstrumentFileBuilder builder(7, sensitivity);
    builder.series(42, year);
    for (const PlainMark& m : marks)
        builder.mark(m.month, m.day, m.hour, m.minute, m.second);
    return EvaluateSeries(ParseBytes(builder.endSeries().endFile().bytes()), 1);
}

// A wall-clock moment as the statistics hold it.
inline QDateTime WallClock(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}
