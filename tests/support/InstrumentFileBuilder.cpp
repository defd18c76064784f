#include "tests/support/InstrumentFileBuilder.h"

namespace {

constexpr uint8_t kSeriesStartFlags = 0xC0;

void AppendWord(QByteArray& bytes, uint16_t word) {
    bytes.append(static_cast<char>(word & 0xFF));
    bytes.append(static_cast<char>(word >> 8));
}

} // namespace

InstrumentFileBuilder::InstrumentFileBuilder(uint16_t device, uint16_t sensitivity) {
    AppendWord(bytes_, device);
    AppendWord(bytes_, sensitivity);
}

uint8_t InstrumentFileBuilder::ToBcd(int value) {
    return static_cast<uint8_t>((value / 10) << 4 | value % 10);
}

uint8_t InstrumentFileBuilder::MonthCode(int month) {
    return ToBcd(month);
}

InstrumentFileBuilder& InstrumentFileBuilder::series(uint16_t number, uint8_t year) {
    return seriesWord(static_cast<uint16_t>(number + 0x8000), year);
}

InstrumentFileBuilder& InstrumentFileBuilder::seriesWord(uint16_t word, uint8_t year) {
    AppendWord(bytes_, word);
    bytes_.append(static_cast<char>(year));
    marksInSeries_ = 0;
    return *this;
}

InstrumentFileBuilder& InstrumentFileBuilder::mark(int month, int day, int hour, int minute, int second) {
    const uint8_t flags = marksInSeries_ == 0 ? kSeriesStartFlags : 0;
    return rawMark(static_cast<uint8_t>(MonthCode(month) | flags), ToBcd(day), ToBcd(hour), ToBcd(minute),
                   ToBcd(second));
}

InstrumentFileBuilder& InstrumentFileBuilder::mark(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return mark(date.month(), date.day(), time.hour(), time.minute(), time.second());
}

InstrumentFileBuilder& InstrumentFileBuilder::rawMark(uint8_t monthByte, uint8_t day, uint8_t hour,
                                                      uint8_t minute, uint8_t second) {
    for (const uint8_t byte : {monthByte, day, hour, minute, second})
        bytes_.append(static_cast<char>(byte));
    ++marksInSeries_;
    return *this;
}

InstrumentFileBuilder& InstrumentFileBuilder::endSeries() {
    // A series without marks must still look like a series start where its first mark would stand.
    bytes_.append(static_cast<char>(marksInSeries_ == 0 ? kSeriesStartFlags : 0x00));
    bytes_.append(static_cast<char>(0xF8));
    return *this;
}

InstrumentFileBuilder& InstrumentFileBuilder::endFile() {
    bytes_.append(static_cast<char>(0x8F));
    bytes_.append(static_cast<char>(0xF8));
    return *this;
}

InstrumentFileBuilder& InstrumentFileBuilder::raw(const QByteArray& bytes) {
    bytes_.append(bytes);
    return *this;
}

QByteArray InstrumentFileBuilder::IntervalSeries(uint16_t device, uint16_t sensitivity, QDateTime start,
                                                 const std::vector<int>& seconds) {
    InstrumentFileBuilder builder(device, sensitivity);
    builder.series(3, 25).mark(start);
    for (const int d : seconds)
        builder.mark(start = start.addSecs(d));
    return builder.endSeries().endFile().bytes();
}
