#include "print/ReportTexts.h"

#include "graph/TimeLabels.h"
#include "print/ReportGraph.h"
#include "store/Extended.h"
#include "store/SeriesList.h"
#include "table/DecimalText.h"
#include "table/TableFile.h"

#include <QCoreApplication>

namespace {
const char* const ClockWentBackText = QT_TRANSLATE_NOOP("ReportTexts", "часы прибора шли назад");
} // namespace

QString ClockWentBackNote() {
    return QCoreApplication::translate("ReportTexts", ClockWentBackText);
}

namespace {

// The report's numbers and dates as its reader writes them: a decimal comma and day.month.year in Russian.
QChar DecimalPoint() {
    const QString point = QCoreApplication::translate("ReportTexts", ",", "decimal separator");
    return point.isEmpty() ? QLatin1Char(',') : point.front();
}

QString DateFormat() {
    return QCoreApplication::translate("ReportTexts", "dd.MM.yyyy", "date format");
}

QString MinuteFormat() {
    return QCoreApplication::translate("ReportTexts", "dd.MM.yyyy HH:mm", "date and time format");
}

QString SecondFormat() {
    return QCoreApplication::translate("ReportTexts", "dd.MM.yyyy HH:mm:ss", "date and time format");
}

QString MonthFormat() {
    return QCoreApplication::translate("ReportTexts", "MM.yyyy", "month format");
}

const char* const kAbsent = "—";

QString Absent() {
    return QString::fromUtf8(kAbsent);
}

QString Activity(int64_t activity) {
    return QString::number(activity) + QLatin1Char(' ') +
           ActivityUnitCaption(ActivityUnit::BecquerelPerCubicMetre);
}

// "Name: value" with the value, or the dash when the figure is absent.
QString Figure(const QString& name, const std::optional<QString>& value) {
    return name + QStringLiteral(": ") + value.value_or(Absent());
}

std::optional<QString> ActivityText(std::optional<int64_t> activity) {
    if (!activity)
        return std::nullopt;
    return Activity(*activity);
}

QString ExtremeWhen(const ExtremeActivity& extreme) {
    return QCoreApplication::translate("ReportTexts", "изм. %1, %2")
        .arg(extreme.measurement)
        .arg(extreme.start.toString(MinuteFormat()));
}

std::optional<QString> ExtremeText(const std::optional<ExtremeActivity>& extreme) {
    if (!extreme)
        return std::nullopt;
    return Activity(extreme->activity) + QStringLiteral(" (") + ExtremeWhen(*extreme) + QLatin1Char(')');
}

// "P пКи/л (A Бк/м³" with P from the unrounded value, A the report's Bq/m³ figure; the caller closes the
// bracket, so that an extreme can add its measurement inside it.
QString PicocuriesOpen(Extended unrounded, int64_t rounded) {
    const ActivityUnit pCi = ActivityUnit::PicocuriePerLitre;
    return ActivityValueText(unrounded, pCi, DecimalPoint()) + QLatin1Char(' ') + ActivityUnitCaption(pCi) +
           QStringLiteral(" (") + Activity(rounded);
}

std::optional<QString> PicocurieText(std::optional<int64_t> rounded, std::optional<Extended> unrounded) {
    if (!rounded || !unrounded)
        return std::nullopt;
    return PicocuriesOpen(*unrounded, *rounded) + QLatin1Char(')');
}

std::optional<QString> PicocurieExtremeText(const std::optional<ExtremeActivity>& extreme) {
    if (!extreme)
        return std::nullopt;
    return PicocuriesOpen(static_cast<Extended>(extreme->activity), extreme->activity) +
           QStringLiteral(", ") + ExtremeWhen(*extreme) + QLatin1Char(')');
}

QString TimeAboveShare(const TimeAbove& timeAbove, const QString& levelText) {
    const QString name = QCoreApplication::translate("ReportTexts", "Время выше %1").arg(levelText);
    std::optional<QString> share;
    if (timeAbove.tenthsOfPercent)
        share = DecimalText(*timeAbove.tenthsOfPercent, 1, DecimalPoint()) + QStringLiteral(" %");
    return Figure(name, share);
}

QStringList PicocurieStatisticLines(const SpanStatistics& statistics, const UnroundedFigures& unrounded) {
    QStringList lines{Figure(QCoreApplication::translate("ReportTexts", "Среднее"),
                             PicocurieText(statistics.average, unrounded.average)),
                      Figure(QCoreApplication::translate("ReportTexts", "Медиана"),
                             PicocurieText(statistics.median, unrounded.median)),
                      Figure(QCoreApplication::translate("ReportTexts", "Минимум"),
                             PicocurieExtremeText(statistics.minimum)),
                      Figure(QCoreApplication::translate("ReportTexts", "Максимум"),
                             PicocurieExtremeText(statistics.maximum)),
                      Figure(QCoreApplication::translate("ReportTexts", "ЭРОА"),
                             PicocurieText(statistics.equilibrium, unrounded.equilibrium))};
    for (const TimeAbove& timeAbove : statistics.timeAbove)
        lines.append(TimeAboveShare(timeAbove,
                                    PicocuriesOpen(static_cast<Extended>(timeAbove.level), timeAbove.level) +
                                        QLatin1Char(')')));
    return lines;
}

QString MomentText(const QDateTime& moment) {
    return moment.toString(SecondFormat());
}

// A span whose last mark lies before its first: the instrument's clock went back, and no duration or
// average of it means anything.
bool ClockWentBack(const ReportSource& source) {
    return source.series.elapsedTime[source.span.last] < source.series.elapsedTime[source.span.first - 1];
}

QStringList TitleLines(const ReportSource& source) {
    const SelectedSeries& series = source.series;
    const MeasurementSpan& span = source.span;
    const QDateTime seriesStart = SeriesStartMoment(series);
    const int64_t seconds = series.elapsedTime[span.last] - series.elapsedTime[span.first - 1];
    return {ShownSeriesTitle(series),
            QCoreApplication::translate("ReportTexts", "Номер прибора %1, чувствительность %2")
                .arg(source.file.deviceNumber)
                .arg(ShownSensitivityText(source.file.sensitivity)),
            QCoreApplication::translate("ReportTexts", "Начало: %1, конец: %2, продолжительность: %3")
                .arg(MomentText(MarkMoment(series, seriesStart, span.first - 1)),
                     MomentText(MarkMoment(series, seriesStart, span.last)),
                     seconds < 0 ? Absent() : DurationText(seconds)),
            QCoreApplication::translate("ReportTexts", "Измерений: %1 (с %2 по %3), ошибочных меток: %4")
                .arg(span.last - span.first + 1)
                .arg(span.first)
                .arg(span.last)
                .arg(BadMarksInSpan(series, span))};
}

QString PeriodHeading(AveragePeriod period) {
    switch (period) {
    case AveragePeriod::Day:
        return QCoreApplication::translate("ReportTexts", "Средние по суткам");
    case AveragePeriod::Month:
        return QCoreApplication::translate("ReportTexts", "Средние по месяцам");
    case AveragePeriod::Year:
        break;
    }
    return QCoreApplication::translate("ReportTexts", "Средние по годам");
}

} // namespace

QString AverageLine(std::optional<int64_t> average) {
    const QString name = QCoreApplication::translate("ReportTexts", "Среднее");
    if (!average)
        return Figure(name, std::nullopt);
    // From the rounded figure, as the CSV's columns, so that the two numbers on the line agree.
    const QString picocuries = DecimalText(PicocuriesPerLitreHundredths(*average), 2, DecimalPoint());
    return Figure(name, Activity(*average) + QStringLiteral(" (") + picocuries + QLatin1Char(' ') +
                            ActivityUnitCaption(ActivityUnit::PicocuriePerLitre) + QLatin1Char(')'));
}

QString MedianLine(std::optional<int64_t> median) {
    return Figure(QCoreApplication::translate("ReportTexts", "Медиана"), ActivityText(median));
}

QString MinimumLine(const std::optional<ExtremeActivity>& minimum) {
    return Figure(QCoreApplication::translate("ReportTexts", "Минимум"), ExtremeText(minimum));
}

QString MaximumLine(const std::optional<ExtremeActivity>& maximum) {
    return Figure(QCoreApplication::translate("ReportTexts", "Максимум"), ExtremeText(maximum));
}

QString EquilibriumReportLine(std::optional<int64_t> equilibrium) {
    return Figure(QCoreApplication::translate("ReportTexts", "ЭРОА"), ActivityText(equilibrium));
}

QString TimeAboveLine(const TimeAbove& timeAbove) {
    return TimeAboveShare(timeAbove, Activity(timeAbove.level));
}

QStringList StatisticLines(const SpanStatistics& statistics) {
    QStringList lines{AverageLine(statistics.average), MedianLine(statistics.median),
                      MinimumLine(statistics.minimum), MaximumLine(statistics.maximum),
                      EquilibriumReportLine(statistics.equilibrium)};
    for (const TimeAbove& timeAbove : statistics.timeAbove)
        lines.append(TimeAboveLine(timeAbove));
    return lines;
}

UnroundedFigures ComputeUnroundedFigures(const SelectedSeries& series, uint16_t sensitivity,
                                         const MeasurementSpan& span) {
    return {UnroundedSpanAverage(series, sensitivity, span), UnroundedSpanMedian(series, span),
            UnroundedSpanEquilibrium(series, sensitivity, span)};
}

QStringList StatisticLinesIn(const SpanStatistics& statistics, const UnroundedFigures& unrounded,
                             ActivityUnit unit) {
    if (unit == ActivityUnit::PicocuriePerLitre)
        return PicocurieStatisticLines(statistics, unrounded);
    return StatisticLines(statistics);
}

QString DurationText(int64_t seconds) {
    const int64_t hours = Round(static_cast<Extended>(seconds) / 3600);
    const int64_t magnitude = hours < 0 ? -hours : hours;
    return (hours < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 24) +
           QCoreApplication::translate("ReportTexts", " сут ") + QString::number(magnitude % 24) +
           QCoreApplication::translate("ReportTexts", " ч");
}

QString ReportTimeTitle(uint8_t timeUnit, const QDateTime& from, const QDateTime& to) {
    const int first = from.date().year();
    const int last = to.date().year();
    const QString years = first == last
                              ? QString::number(first)
                              : QString::number(first) + QStringLiteral("–") + QString::number(last);
    return TimeTitle(timeUnit) + QStringLiteral(", ") + years;
}

DailyRowTexts DailyRowTextsOf(const DailyAverage& day) {
    return PeriodRowTextsOf(day, AveragePeriod::Day);
}

DailyRowTexts PeriodRowTextsOf(const DailyAverage& row, AveragePeriod period, int yearsPerRow,
                               ActivityUnit unit) {
    // Hours in tenths, rounded halves to even: 360 seconds to the tenth.
    const int64_t tenthsOfHour = Round(static_cast<Extended>(row.seconds) / 360);
    QString name;
    if (period == AveragePeriod::Day)
        name = row.date.toString(DateFormat());
    else if (period == AveragePeriod::Month)
        name = row.date.toString(MonthFormat());
    else if (yearsPerRow == 1)
        name = QString::number(row.date.year());
    else
        name = QString::number(row.date.year()) + QStringLiteral("–") +
               QString::number(row.date.year() + yearsPerRow - 1);
    const QString average = unit == ActivityUnit::BecquerelPerCubicMetre
                                ? QString::number(row.average)
                                : ActivityValueText(row.unrounded, unit, DecimalPoint());
    return {name, DecimalText(tenthsOfHour, 1, DecimalPoint()), average};
}

QString PageNumberText(int page, int pageCount) {
    return QCoreApplication::translate("ReportTexts", "Страница %1 из %2").arg(page).arg(pageCount);
}

QString ReportProgramText() {
    return QStringLiteral("radview " RADVIEW_VERSION_TEXT);
}

ReportContent MakeReportContent(const ReportSource& source) {
    const SelectedSeries& series = source.series;
    const MeasurementSpan& span = source.span;
    const QDateTime seriesStart = SeriesStartMoment(series);
    ReportContent content;
    content.heading =
        QCoreApplication::translate("ReportTexts", "Отчёт по серии измерений объёмной активности радона");
    content.titleLines = TitleLines(source);
    content.timeTitle = ReportTimeTitle(ReportGraphView(series, span).timeUnit,
                                        MarkMoment(series, seriesStart, span.first - 1),
                                        MarkMoment(series, seriesStart, span.last));
    SpanStatistics statistics = ComputeSpanStatistics(series, source.file.sensitivity, span, source.levels);
    const bool clockBack = ClockWentBack(source);
    if (clockBack) {
        statistics.average.reset();
        statistics.equilibrium.reset();
    }
    content.statisticLines = StatisticLinesIn(
        statistics, ComputeUnroundedFigures(series, source.file.sensitivity, span), source.unit);
    if (clockBack)
        content.statisticLines << ClockWentBackNote();
    const PeriodAverages periods = ComputePeriodAverages(series, source.file.sensitivity, span);
    content.dailyHeading = PeriodHeading(periods.period);
    content.dailyTitles = {
        periods.period == AveragePeriod::Day ? QCoreApplication::translate("ReportTexts", "Дата")
                                             : QCoreApplication::translate("ReportTexts", "Период"),
        QCoreApplication::translate("ReportTexts", "Часов"),
        QCoreApplication::translate("ReportTexts", "Среднее, %1").arg(ActivityUnitCaption(source.unit))};
    for (const DailyAverage& row : periods.rows)
        content.dailyRows.push_back(PeriodRowTextsOf(row, periods.period, periods.yearsPerRow, source.unit));
    content.printedText = QCoreApplication::translate("ReportTexts", "Дата печати: %1")
                              .arg(source.printed.toString(DateFormat()));
    content.programText = ReportProgramText();
    return content;
}
