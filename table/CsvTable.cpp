#include "table/CsvTable.h"

#include "store/SeriesEvaluation.h"
#include "table/DecimalText.h"

#include <QLocale>

namespace {

QStringList ToList(const SpanRowFields& fields) {
    return QStringList(fields.begin(), fields.end());
}

// The header and one line per measurement of the span, each ended by the line end.
QString SpanLines(const SelectedSeries& series, const MeasurementSpan& span, QChar separator,
                  const QString& lineEnd, QChar decimalPoint) {
    QString text = DelimitedLine(ToList(SpanColumnNames()), separator) + lineEnd;
    const QDateTime seriesStart = SeriesStartMoment(series);
    for (int k = span.first; k <= span.last; ++k)
        text +=
            DelimitedLine(ToList(SpanRowFieldsOf(series, seriesStart, k, decimalPoint)), separator) + lineEnd;
    return text;
}

} // namespace

SpanRowFields SpanColumnNames() {
    return {QStringLiteral("number"),        QStringLiteral("start"),          QStringLiteral("end"),
            QStringLiteral("exposure_s"),    QStringLiteral("activity_bq_m3"), QStringLiteral("error_bq_m3"),
            QStringLiteral("activity_pci_l")};
}

QString IsoMomentText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
}

SpanRowFields SpanRowFieldsOf(const SelectedSeries& series, const QDateTime& seriesStart, int k,
                              QChar decimalPoint) {
    const int64_t activity = series.activity[k];
    return {QString::number(k),
            IsoMomentText(MarkMoment(series, seriesStart, k - 1)),
            IsoMomentText(MarkMoment(series, seriesStart, k)),
            QString::number(MeasurementExposure(series, k)),
            QString::number(activity),
            QString::number(ActivityError(activity)),
            DecimalText(PicocuriesPerLitreHundredths(static_cast<Extended>(activity)), 2, decimalPoint)};
}

QString DelimitedField(const QString& field, QChar separator) {
    const bool needsQuotes = field.contains(separator) || field.contains(QLatin1Char('"')) ||
                             field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DelimitedLine(const QStringList& fields, QChar separator) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted.append(DelimitedField(field, separator));
    return quoted.join(separator);
}

QByteArray SpanCsv(const SelectedSeries& series, const MeasurementSpan& span) {
    return SpanLines(series, span, QLatin1Char(','), QStringLiteral("\r\n"), QLatin1Char('.')).toUtf8();
}

QString SpanClipboardText(const SelectedSeries& series, const MeasurementSpan& span, QChar decimalPoint) {
    return SpanLines(series, span, QLatin1Char('\t'), QStringLiteral("\n"), decimalPoint);
}

QChar InterfaceDecimalPoint() {
    return QLocale(QLocale::Russian, QLocale::Russia).decimalPoint().at(0);
}
