#include "app/span/SpanFigureTexts.h"

#include "print/ReportTexts.h"

#include <QCoreApplication>

namespace {

const char* const Absent = "—";

// A report's statistics line as a row: its name before the first ": ", its value after.
SpanFigureRow StatisticRow(const QString& line) {
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    return {line.left(colon), line.mid(colon + 2)};
}

QString MomentText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

} // namespace

std::vector<SpanFigureRow> SpanFigureRows(const SpanFigures& figures, const UnroundedFigures& unrounded,
                                          const MeasurementSpan& span, ActivityUnit unit) {
    std::vector<SpanFigureRow> rows{
        {QCoreApplication::translate("SpanFigureTexts", "Измерений"), QString::number(figures.count)},
        {QCoreApplication::translate("SpanFigureTexts", "Первое измерение"), QString::number(span.first)},
        {QCoreApplication::translate("SpanFigureTexts", "Последнее измерение"), QString::number(span.last)},
        {QCoreApplication::translate("SpanFigureTexts", "Начало"), MomentText(figures.firstMoment)},
        {QCoreApplication::translate("SpanFigureTexts", "Конец"), MomentText(figures.lastMoment)},
        {QCoreApplication::translate("SpanFigureTexts", "Продолжительность"),
         figures.duration ? DurationText(*figures.duration) : QString::fromUtf8(Absent)}};
    for (const QString& line : StatisticLinesIn(figures.statistics, unrounded, unit))
        rows.push_back(StatisticRow(line));
    if (figures.clockWentBack)
        rows.push_back({ClockWentBackNote(), QString()});
    return rows;
}

QString SpanFiguresClipboardText(const std::vector<SpanFigureRow>& rows) {
    QString text;
    for (const SpanFigureRow& row : rows)
        text += row.value.isEmpty() ? row.name + QLatin1Char('\n')
                                    : row.name + QLatin1Char('\t') + row.value + QLatin1Char('\n');
    return text;
}
