// libFuzzer target "reader": any bytes as an instrument file, through the parser and the series list rows,
// the work of opening a file. Nothing else is done per input, so that the fuzzer runs thousands of inputs a
// second; evaluation (with a second parse over a filled file half), texts and the graph have targets of
// their own. Besides the sanitizers' checks, every
// result is held to the properties that follow from the file format alone, whatever the bytes.

#include "tests/fuzz/FuzzCheck.h"

#include "store/SeriesList.h"

#include <QString>

#include <charconv>
#include <iterator>

namespace {

void CheckParse(const InstrumentFile& file, const QByteArray& bytes) {
    const int count = file.seriesCount;
    const auto size = bytes.size();
    if (size >= 4) {
        const auto byte = [&](int i) { return static_cast<uint8_t>(bytes[i]); };
        Require(file.deviceNumber == byte(0) + 256 * byte(1), "device number is not bytes 0-1");
        Require(file.sensitivity == byte(2) + 256 * byte(3), "sensitivity is not bytes 2-3");
    }
    Require(file.seriesNumbers.size() > static_cast<size_t>(count), "SeriesNumbers too short", count);
    Require(file.seriesYears.size() > static_cast<size_t>(count), "SeriesYears too short", count);
    Require(file.seriesMarks.size() > static_cast<size_t>(count), "SeriesMarks too short", count);
    Require(count <= MaxSeries, "SeriesCount above capacity", count);
    // Every series takes its word and year byte, five bytes per mark, and, unless it is the last one, the
    // end pair that let the next series follow. None of it may lie beyond the bytes given.
    long long used = 4;
    for (int s = 1; s <= count; ++s) {
        const int marks = file.markCount(s);
        Require(marks < MaxMarks, "MarkCounts above capacity", s, marks);
        Require(file.seriesYears[s] <= 255, "year byte above 255", s, file.seriesYears[s]);
        for (const TimeMark& m : file.seriesMarks[s])
            Require(m.month <= 12, "month above 12", s, m.month);
        used += 3 + 5LL * marks + (s < count ? 2 : 0);
    }
    if (count > 0)
        Require(used <= size, "series take more bytes than the file has", used, size);
}

// Whether the text is the decimal number, compared without building a text of it: the reader's rate is
// bounded by the allocations it makes.
bool IsDecimal(const QString& text, long long value) {
    char digits[24];
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), value);
    return error == std::errc() && text == QLatin1StringView(digits, end - digits);
}

void CheckListRow(const InstrumentFile& file, int s) {
    static const QString undefined = QString::fromUtf8(UndefinedText);
    const auto row = SeriesListRow(file, s);
    Require(IsDecimal(row[0], s), "list column 0 is not the ordinal", s);
    Require(IsDecimal(row[1], file.seriesNumbers[s]), "list column 1 is not the series number", s);
    const int marks = file.markCount(s);
    if (marks < 2) {
        Require(row[3] == undefined, "short series end is not 'undefined'", s);
        Require(row[4].isEmpty(), "short series has an activity", s);
    }
    if (marks == 0)
        Require(row[2] == undefined, "empty series start is not 'undefined'", s);
    // The mean activity is a number, or says why there is none.
    if (!row[4].isEmpty() && row[4] != undefined) {
        bool number = false;
        row[4].toLongLong(&number);
        Require(number, "list column 4 is neither a number nor 'undefined'", s);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = ViewerBytes(data, size);
    const InstrumentFile file = ParsedFile(bytes);
    CheckParse(file, bytes);

    for (int s = 1; s <= file.seriesCount; ++s)
        CheckListRow(file, s);
    return 0;
}
