// libFuzzer entry: any bytes as an instrument file, through the parser, the series list rows, the series
// evaluation, the table row texts and the recoding of those rows for the saved table. Besides the memory and
// undefined-behaviour checks of the sanitizers, every result is held to the properties that follow from the
// file format alone, whatever the bytes.

#include "InstrumentFile.h"
#include "MeasurementStore.h"
#include "SeriesEvaluation.h"
#include "SeriesList.h"
#include "StrConv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, long long a = 0, long long b = 0) {
    std::fprintf(stderr, "property broken: %s (%lld, %lld)\n", what, a, b);
    std::abort();
}

void Require(bool ok, const char* what, long long a = 0, long long b = 0) {
    if (!ok)
        Fail(what, a, b);
}

bool SameMark(const TimeMark& x, const TimeMark& y) {
    return x.Month == y.Month && x.Day == y.Day && x.Hour == y.Hour && x.Minute == y.Minute &&
           x.Second == y.Second;
}

void CheckParse(const FileHalf& file, int size) {
    const int count = file.SeriesCount;
    Require(file.SeriesNumbers.size() > static_cast<size_t>(count), "SeriesNumbers too short", count);
    Require(file.SeriesYears.size() > static_cast<size_t>(count), "SeriesYears too short", count);
    Require(file.SeriesMarks.size() > static_cast<size_t>(count), "SeriesMarks too short", count);
    Require(count <= MaxSeries, "SeriesCount above capacity", count);
    // Every series takes its word and year byte, five bytes per mark, and, unless it is the last one, the
    // end pair that let the next series follow. None of it may lie beyond the bytes given.
    long long used = 4;
    for (int s = 1; s <= count; ++s) {
        const int marks = file.MarkCounts(s);
        Require(marks < MaxMarks, "MarkCounts above capacity", s, marks);
        Require(file.SeriesYears[s] <= 255, "year byte above 255", s, file.SeriesYears[s]);
        for (const TimeMark& m : file.SeriesMarks[s])
            Require(m.Month <= 12, "month above 12", s, m.Month);
        used += 3 + 5LL * marks + (s < count ? 2 : 0);
    }
    if (count > 0)
        Require(used <= size, "series take more bytes than the file has", used, size);
}

void CheckSameFile(const FileHalf& a, const FileHalf& b) {
    Require(a.DeviceNumber == b.DeviceNumber, "device number differs on re-parse");
    Require(a.Sensitivity == b.Sensitivity, "sensitivity differs on re-parse");
    Require(a.SeriesCount == b.SeriesCount, "series count differs on re-parse", a.SeriesCount, b.SeriesCount);
    for (int s = 1; s <= a.SeriesCount; ++s) {
        Require(a.SeriesNumbers[s] == b.SeriesNumbers[s], "series number differs on re-parse", s);
        Require(a.SeriesYears[s] == b.SeriesYears[s], "series year differs on re-parse", s);
        Require(a.MarkCounts(s) == b.MarkCounts(s), "mark count differs on re-parse", s);
        for (int m = 0; m < a.MarkCounts(s); ++m)
            Require(SameMark(a.SeriesMarks[s][m], b.SeriesMarks[s][m]), "mark differs on re-parse", s, m);
    }
}

void CheckListRow(const FileHalf& file, int s) {
    const auto row = SeriesListRow(file, s);
    Require(row[0] == QString::number(s), "list column 0 is not the ordinal", s);
    Require(row[1] == QString::number(file.SeriesNumbers[s]), "list column 1 is not the series number", s);
    if (file.MarkCounts(s) < 2) {
        Require(row[3] == QString::fromUtf8(UndefinedText), "short series end is not 'undefined'", s);
        Require(row[4].isEmpty(), "short series has an activity", s);
    }
}

void CheckedWinToDos(const QString& line) {
    const QByteArray out = WinToDos(line);
    // One byte per character, three for the plus-minus sign the DOS code page lacks.
    const long long expected = line.size() + 2LL * line.count(QChar(0x00B1));
    Require(out.size() == expected, "recoded line has the wrong length", out.size(), expected);
}

void CheckEvaluation(const FileHalf& file, int s) {
    const SeriesEvaluation ev = EvaluateSeries(file, s);
    const int marks = file.MarkCounts(s);
    if (marks < 2)
        Require(ev.refused(), "a series of fewer than two marks was accepted", s, marks);
    if (ev.refused())
        return;

    const SelectedSeries& sel = ev.series;
    const int n = sel.MeasurementCount;
    Require(n == marks - 1, "measurement count is not marks minus one", n, marks);
    Require(sel.CurrentMarks.size() >= static_cast<size_t>(n) + 1, "CurrentMarks size",
            sel.CurrentMarks.size());
    Require(sel.ElapsedTime.size() >= static_cast<size_t>(n) + 1, "ElapsedTime size", sel.ElapsedTime.size());
    Require(sel.Activity.size() >= static_cast<size_t>(n) + 2, "Activity size", sel.Activity.size());
    Require(sel.ElapsedTime[0] == 0, "ElapsedTime[0] is not 0", sel.ElapsedTime[0]);
    Require(sel.Activity[0] == 0 && sel.Activity[n + 1] == 0, "activity sentinels are not 0");
    Require(sel.CurrentYear >= 2000 + file.SeriesYears[s], "CurrentYear went back", sel.CurrentYear);
    Require(sel.CurrentYear <= 2000 + file.SeriesYears[s] + n, "CurrentYear rose more than once per mark",
            sel.CurrentYear);
    for (int j = 0; j <= n; ++j)
        Require(SameMark(sel.CurrentMarks[j], file.SeriesMarks[s][j]), "CurrentMarks is not a copy", j);
    const int64_t maxActivity = *std::max_element(sel.Activity.begin() + 1, sel.Activity.begin() + n + 1);
    Require(sel.MaxActivity == maxActivity, "MaxActivity is not the largest activity", sel.MaxActivity,
            maxActivity);
    // At most one message per mark; whether a bad first mark has one of its own is the evaluation's choice.
    Require(ev.messages.size() <= n + 1, "more bad-mark messages than marks", ev.messages.size(), n);

    for (int k = 1; k <= n; ++k) {
        const RowTexts row = MeasurementRowTexts(sel, k);
        Require(row[0] == QString::number(k), "row column 0 is not k", k);
        Require(row[3].startsWith(QString::number(sel.Activity[k]) + QChar(0x00B1)),
                "row column 3 does not start with the activity and the plus-minus sign", k);
        Require(row[4] == QString::number(sel.ElapsedTime[k] - sel.ElapsedTime[k - 1]),
                "row column 4 is not the exposure", k);
        const QString line = QStringList(row.begin(), row.end()).join(QLatin1Char(' '));
        CheckedWinToDos(line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The viewer looks at no more than MaxFileBytes of a file. The bytes are not copied, so that a read past
    // the end of what is handed over lands outside libFuzzer's exact-size buffer and ASan sees it.
    const int used = static_cast<int>(std::min<size_t>(size, MaxFileBytes));
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), used);

    FileHalf file;
    ParseInstrumentData(bytes, file);
    if (used >= 4) {
        Require(file.DeviceNumber == data[0] + 256 * data[1], "device number is not bytes 0-1");
        Require(file.Sensitivity == data[2] + 256 * data[3], "sensitivity is not bytes 2-3");
    }
    CheckParse(file, used);

    // Opening a file replaces what the last one left: parsing the same bytes over a filled file half must
    // come out the same as parsing them into an empty one.
    FileHalf again = file;
    ParseInstrumentData(bytes, again);
    CheckSameFile(file, again);

    for (int s = 1; s <= file.SeriesCount; ++s) {
        CheckListRow(file, s);
        CheckEvaluation(file, s);
    }
    return 0;
}
