#pragma once

#include <QByteArray>
#include <QDateTime>

#include <cstdint>
#include <vector>

// Writes instrument files the way the instrument does: a little-endian header, then series of packed-BCD
// time marks closed by end pairs. Tests use it to state a file by its meaning rather than by its bytes.
class InstrumentFileBuilder {
public:
    InstrumentFileBuilder(uint16_t device, uint16_t sensitivity);

    // Starts a series with the instrument's series number (stored as number + 0x8000) and year − 2000.
    InstrumentFileBuilder& series(uint16_t number, uint8_t year);
    // Starts a series with its raw series word.
    InstrumentFileBuilder& seriesWord(uint16_t word, uint8_t year);
    // A mark by its plain numbers; the first mark of a series carries the series-start flags.
    InstrumentFileBuilder& mark(int month, int day, int hour, int minute, int second);
    InstrumentFileBuilder& mark(const QDateTime& moment);
    // A mark by its five raw bytes (the month byte as stored, flags included).
    InstrumentFileBuilder& rawMark(uint8_t monthByte, uint8_t day, uint8_t hour, uint8_t minute,
                                   uint8_t second);
    // Closes the series with an end pair.
    InstrumentFileBuilder& endSeries();
    // Closes the file with the pair 0x8F 0xF8 at a record position.
    InstrumentFileBuilder& endFile();
    InstrumentFileBuilder& raw(const QByteArray& bytes);

    const QByteArray& bytes() const { return bytes_; }

    static uint8_t ToBcd(int value);
    static uint8_t MonthCode(int month);

    // A file of one series (number 3, year byte 25) whose measurements last the given numbers of seconds,
    // from the given start; the file ends with the file-end pair.
    static QByteArray IntervalSeries(uint16_t device, uint16_t sensitivity, QDateTime start,
                                     const std::vector<int>& seconds);

private:
    QByteArray bytes_;
    int marksInSeries_ = 0;
};
