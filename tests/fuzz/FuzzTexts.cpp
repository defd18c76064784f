// libFuzzer target "texts": an instrument file with a chosen series and span, through the texts the user
// reads and saves: the table rows, their recoding to code page 866 and the bytes of the saved table, made by
// the same function the save command of the window and of radview-dump calls. The choice comes from the end
// of the input, so a file of the corpus is read as it is, less those bytes.

#include "tests/fuzz/FuzzSeries.h"

#include "table/Cp866.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"

#include <QStringDecoder>
#include <QStringList>

#include <vector>

namespace {

const QChar PlusMinus(0x00B1);

// What a line of the file must read as when decoded from code page 866: "±" spelled out, nothing else
// changed (the texts hold only letters the code page has).
QString Spelled(const QString& line) {
    QString spelled = line;
    return spelled.replace(PlusMinus, QStringLiteral("+/-"));
}

void CheckRow(const SelectedSeries& sel, int k, const RowTexts& row) {
    Require(row[0] == QString::number(k), "row column 0 is not k", k);
    Require(row[4] == QString::number(sel.elapsedTime[k] - sel.elapsedTime[k - 1]),
            "row column 4 is not the exposure", k);
    // "A±E" with E the activity's 15 %, rounded.
    const QStringList parts = row[3].split(PlusMinus);
    Require(parts.size() == 2, "row column 3 is not activity ± error", k);
    Require(parts[0] == QString::number(sel.activity[k]), "row column 3 does not start with the activity", k);
    bool number = false;
    const long long error = parts[1].toLongLong(&number);
    Require(number, "the error is no number", k);
    const long double exact = 0.15L * static_cast<long double>(sel.activity[k]);
    Require(static_cast<long double>(error) - exact <= 0.5L + 1e-6L &&
                exact - static_cast<long double>(error) <= 0.5L + 1e-6L,
            "the error is not 15 % of the activity", sel.activity[k], error);
    for (int c = 1; c <= 2; ++c) {
        const QString& moment = row[c];
        // " 5 янв 08:03:07": day, month name (or "???"), time; fields of invalid marks may run longer.
        Require(moment.size() >= 15, "a date-time text is too short", k, moment.size());
        Require(!moment.contains(QLatin1Char('\n')) && !moment.contains(QLatin1Char('\r')),
                "a date-time text holds a line break", k);
    }
}

void CheckFile(const QByteArray& bytes, const QStringList& lines, int rowCount) {
    Require(lines.size() == 6 + rowCount, "the file has the wrong number of lines", lines.size(), rowCount);
    Require(bytes.endsWith("\r\n"), "the file does not end with CR LF");
    const QList<QByteArray> written = bytes.chopped(2).split('\n');
    Require(written.size() == lines.size(), "the written lines are not the built ones", written.size(),
            lines.size());
    // Qt reads code page 866 through ICU; a Qt built without it checks the rest all the same.
    static QStringDecoder dos("IBM866");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = written[i];
        Require(i + 1 == lines.size() || line.endsWith('\r'), "a line does not end with CR LF", i);
        const QByteArray recoded = i + 1 == lines.size() ? line : line.chopped(1);
        Require(recoded == ToCp866(lines[i]), "a written line is not the recoded line", i);
        // One byte per character, three for the plus-minus sign the code page lacks.
        const long long expected = lines[i].size() + 2LL * lines[i].count(PlusMinus);
        Require(recoded.size() == expected, "recoded line has the wrong length", recoded.size(), expected);
        if (dos.isValid())
            Require(dos.decode(recoded) == Spelled(lines[i]), "the recoded line does not read back", i);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const FuzzedSeries chosen = ConsumeFuzzedSeries(input);
    if (!chosen.evaluation)
        return 0;
    const InstrumentFile& file = chosen.file;
    const SelectedSeries& sel = chosen.evaluation->series;
    const int n = sel.measurementCount;
    // A span within the series, or an empty one: the range dialog lets the last come before the first. Up to
    // a hundred rows: every row takes the same way through the code, and more would only slow the search.
    const int first = chosen.first;
    const int count = chosen.countChoice % std::min(n - first + 2, 101);
    std::vector<RowTexts> rows;
    for (int k = first; k < first + count; ++k) {
        rows.push_back(MeasurementRowTexts(sel, k));
        CheckRow(sel, k, rows.back());
    }
    const TableHeader header{sel.seriesTitle, file.deviceNumber, file.sensitivity, sel.equilibriumActivity};
    const QStringList lines = TableFileLines(header, TableTitles(), rows);
    CheckFile(TableFileBytes(header, TableTitles(), rows), lines, count);
    for (int i = 0; i < count; ++i)
        Require(lines[6 + i].startsWith(PadRight(rows[i][0], 7)), "a row line does not start with its number",
                i);
    return 0;
}
