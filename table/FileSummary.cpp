#include "table/FileSummary.h"

#include "store/NativePath.h"

#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"
#include "table/CsvTable.h"

#include <QCoreApplication>

const char* const NoSeriesInFileText =
    QT_TRANSLATE_NOOP("FileSummary", "В файле нет ни одной серии измерений");

namespace {

enum SummaryColumn {
    File,
    Instrument,
    Sensitivity,
    Series,
    Number,
    First,
    Last,
    Measurements,
    BadMarks,
    Average,
    Max,
    Refused,
    SummaryColumnCount
};

QByteArray CsvRecord(const QStringList& fields) {
    return (DelimitedLine(fields, QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8();
}

// A line with the file's own columns filled and everything else empty.
QStringList FileFields(const QString& fileName) {
    QStringList fields;
    for (int column = 0; column < SummaryColumnCount; ++column)
        fields.append(QString());
    fields[File] = fileName;
    return fields;
}

QStringList HeaderFields(const QString& fileName, const InstrumentFile& file) {
    QStringList fields = FileFields(fileName);
    fields[Instrument] = QString::number(file.deviceNumber);
    fields[Sensitivity] = QString::number(file.sensitivity);
    return fields;
}

} // namespace

QByteArray SummaryCsvHeader() {
    return CsvRecord({QStringLiteral("file"), QStringLiteral("instrument"), QStringLiteral("sensitivity"),
                      QStringLiteral("series"), QStringLiteral("number"), QStringLiteral("first"),
                      QStringLiteral("last"), QStringLiteral("measurements"), QStringLiteral("bad_marks"),
                      QStringLiteral("average_bq_m3"), QStringLiteral("max_bq_m3"),
                      QStringLiteral("refused")});
}

QStringList SeriesSummaryFields(const QString& fileName, const InstrumentFile& file, int s) {
    QStringList fields = HeaderFields(fileName, file);
    fields[Series] = QString::number(s);
    fields[Number] = QString::number(file.seriesNumbers[s]);
    const SeriesEvaluation evaluation = EvaluateSeries(file, s);
    if (evaluation.refused()) {
        fields[Refused] = evaluation.refusal;
        return fields;
    }
    const SelectedSeries& series = evaluation.series;
    const int n = series.measurementCount;
    const QDateTime seriesStart = SeriesStartMoment(series);
    fields[First] = IsoMomentText(MarkMoment(series, seriesStart, 0));
    fields[Last] = IsoMomentText(MarkMoment(series, seriesStart, n));
    fields[Measurements] = QString::number(n);
    fields[BadMarks] = QString::number(evaluation.messages.size());
    if (const std::optional<int64_t> average = SpanAverage(series, file.sensitivity, {1, n}))
        fields[Average] = QString::number(*average);
    fields[Max] = QString::number(series.maxActivity);
    return fields;
}

QByteArray FileSummaryCsv(const QString& fileName, const InstrumentFile& file) {
    if (file.seriesCount == 0) {
        QStringList fields = HeaderFields(fileName, file);
        // The refusals are messages for a person, in the user's language like the series' own.
        fields[Refused] = QCoreApplication::translate("FileSummary", NoSeriesInFileText);
        return CsvRecord(fields);
    }
    QByteArray csv;
    for (int s = 1; s <= file.seriesCount; ++s)
        csv += CsvRecord(SeriesSummaryFields(fileName, file, s));
    return csv;
}

QByteArray UnreadableFileSummaryCsv(const QString& fileName, const QString& reason) {
    QStringList fields = FileFields(fileName);
    fields[Refused] = reason;
    return CsvRecord(fields);
}

PathSummary SummarizeInstrumentFile(const QString& path) {
    const Result<InstrumentFile> opened = OpenInstrumentFile(path);
    if (!opened.ok())
        return {UnreadableFileSummaryCsv(ShownPath(path), opened.message()), false};
    return {FileSummaryCsv(ShownPath(path), opened.value()), true};
}
