#include "app/span/SpanFigureTexts.h"

#include "print/ReportTexts.h"
#include "table/DecimalText.h"

namespace {

const QChar DecimalComma(QLatin1Char(','));
const char* const Absent = "—";

QString Activity(int64_t activity, ActivityUnit unit) {
    return ActivityValueText(activity, unit, DecimalComma) + QLatin1Char(' ') + ActivityUnitCaption(unit);
}

QString OrAbsent(const std::optional<QString>& text) {
    return text.value_or(QString::fromUtf8(Absent));
}

std::optional<QString> ActivityText(std::optional<int64_t> activity, ActivityUnit unit) {
    if (!activity)
        return std::nullopt;
    return Activity(*activity, unit);
}

// In Bq/m³ the average carries its pCi/L beside it, as the report's line does.
std::optional<QString> AverageText(std::optional<int64_t> average, ActivityUnit unit) {
    if (!average)
        return std::nullopt;
    if (unit == ActivityUnit::PicocuriePerLitre)
        return Activity(*average, unit);
    return Activity(*average, unit) + QStringLiteral(" (") +
           Activity(*average, ActivityUnit::PicocuriePerLitre) + QLatin1Char(')');
}

std::optional<QString> ExtremeText(const std::optional<ExtremeActivity>& extreme, ActivityUnit unit) {
    if (!extreme)
        return std::nullopt;
    return Activity(extreme->activity, unit) + QStringLiteral(" (изм. ") +
           QString::number(extreme->measurement) + QStringLiteral(", ") +
           extreme->start.toString(QStringLiteral("dd.MM.yyyy HH:mm")) + QLatin1Char(')');
}

QString MomentText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

} // namespace

std::vector<SpanFigureRow> SpanFigureRows(const SpanFigures& figures, const MeasurementSpan& span,
                                          ActivityUnit unit) {
    const SpanStatistics& statistics = figures.statistics;
    std::vector<SpanFigureRow> rows{
        {QStringLiteral("Измерений"), QString::number(figures.count)},
        {QStringLiteral("Первое измерение"), QString::number(span.first)},
        {QStringLiteral("Последнее измерение"), QString::number(span.last)},
        {QStringLiteral("Начало"), MomentText(figures.firstMoment)},
        {QStringLiteral("Конец"), MomentText(figures.lastMoment)},
        {QStringLiteral("Продолжительность"),
         figures.duration ? DurationText(*figures.duration) : QString::fromUtf8(Absent)},
        {QStringLiteral("Среднее"), OrAbsent(AverageText(statistics.average, unit))},
        {QStringLiteral("Медиана"), OrAbsent(ActivityText(statistics.median, unit))},
        {QStringLiteral("Минимум"), OrAbsent(ExtremeText(statistics.minimum, unit))},
        {QStringLiteral("Максимум"), OrAbsent(ExtremeText(statistics.maximum, unit))},
        {QStringLiteral("ЭРОА"), OrAbsent(ActivityText(statistics.equilibrium, unit))}};
    for (const TimeAbove& above : statistics.timeAbove) {
        std::optional<QString> share;
        if (above.tenthsOfPercent)
            share = DecimalText(*above.tenthsOfPercent, 1, DecimalComma) + QStringLiteral(" %");
        rows.push_back({QStringLiteral("Время выше ") + Activity(above.level, unit), OrAbsent(share)});
    }
    if (figures.clockWentBack)
        rows.push_back({QString::fromUtf8(ClockWentBackText), QString()});
    return rows;
}

QString SpanFiguresClipboardText(const std::vector<SpanFigureRow>& rows) {
    QString text;
    for (const SpanFigureRow& row : rows)
        text += row.value.isEmpty() ? row.name + QLatin1Char('\n')
                                    : row.name + QLatin1Char('\t') + row.value + QLatin1Char('\n');
    return text;
}

std::vector<int64_t> SpanReportLevels(const std::vector<int64_t>& userLevels) {
    return userLevels.empty() ? DefaultLevels() : userLevels;
}
