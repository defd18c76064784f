// libFuzzer target "span": an instrument file with a chosen series and span, through every figure the
// outputs state of a span: the CSV, the span statistics, the daily averages and the report's periods, and
// the summary lines of the whole file. The choice comes from the end of the input, as in "texts".

#include "tests/fuzz/FuzzSeries.h"

#include "store/DailyAverages.h"
#include "table/Averaging.h"
#include "table/CsvTable.h"
#include "table/FileSummary.h"

#include <vector>

namespace {

void CheckCsv(const SelectedSeries& sel, const MeasurementSpan& span) {
    const QByteArray csv = SpanCsv(sel, span);
    Require(csv.endsWith("\r\n"), "the CSV does not end with CR LF");
    const QList<QByteArray> lines = csv.chopped(2).split('\n');
    Require(lines.size() == span.last - span.first + 2, "the CSV has the wrong number of lines",
            lines.size());
    for (const QByteArray& line : lines)
        Require(line.count(',') == SpanColumnCount - 1, "a CSV line has the wrong number of fields",
                line.count(','));
}

// The measurement time of the span: what the periods of the report share out.
int64_t MeasuredSeconds(const SelectedSeries& sel, const MeasurementSpan& span) {
    int64_t seconds = 0;
    for (int k = span.first; k <= span.last; ++k)
        if (HasPositiveExposure(sel, k))
            seconds += MeasurementExposure(sel, k);
    return seconds;
}

void CheckPeriods(const std::vector<DailyAverage>& rows, int64_t measured, qsizetype most, const char* what) {
    int64_t seconds = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        Require(rows[i].seconds > 0, what, rows[i].seconds);
        Require(i == 0 || rows[i - 1].date < rows[i].date, "periods out of order");
        Require(rows[i].average >= 0, "a period's average is negative", rows[i].average);
        seconds += rows[i].seconds;
    }
    Require(seconds == measured, "the periods do not share out the measured time", seconds, measured);
    Require(static_cast<qsizetype>(rows.size()) <= most, "more periods than the table takes",
            static_cast<long long>(rows.size()));
}

void CheckStatistics(const SelectedSeries& sel, uint16_t sensitivity, const MeasurementSpan& span) {
    const SpanStatistics statistics = ComputeSpanStatistics(sel, sensitivity, span, {0, 100, 1000});
    const AverageResult average = AverageActivity(sel, sensitivity, span);
    Require(statistics.average.has_value() == average.ok(), "statistics and averaging disagree on absence");
    if (average.ok())
        Require(*statistics.average == average.value(), "the span average differs from the averaging command",
                *statistics.average, average.value());
    if (statistics.median) {
        Require(statistics.minimum && statistics.maximum, "a median without extremes");
        Require(statistics.minimum->activity <= *statistics.median, "median below the minimum");
        Require(*statistics.median <= statistics.maximum->activity, "median above the maximum");
    }
    std::optional<int64_t> previous;
    for (const TimeAbove& above : statistics.timeAbove) {
        if (!above.tenthsOfPercent)
            continue;
        Require(*above.tenthsOfPercent >= 0 && *above.tenthsOfPercent <= 1000, "a share beyond 0..100 %",
                *above.tenthsOfPercent);
        Require(!previous || *above.tenthsOfPercent <= *previous, "more time above a higher level");
        previous = above.tenthsOfPercent;
    }
}

void CheckSummary(const InstrumentFile& file) {
    const QByteArray csv = FileSummaryCsv(QStringLiteral("fuzz, \"quoted\".rad"), file);
    Require(csv.endsWith("\r\n"), "a summary does not end with CR LF");
    Require(csv.count('\n') == std::max<int>(1, file.seriesCount), "a summary line per series",
            csv.count('\n'), file.seriesCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const FuzzedSeries chosen = ConsumeFuzzedSeries(input);
    const InstrumentFile& file = chosen.file;
    CheckSummary(file);
    if (!chosen.evaluation)
        return 0;
    const SelectedSeries& sel = chosen.evaluation->series;
    const MeasurementSpan span{chosen.first, chosen.lastWithin()};
    CheckCsv(sel, span);
    CheckStatistics(sel, file.sensitivity, span);
    const int64_t measured = file.sensitivity == 0 ? 0 : MeasuredSeconds(sel, span);
    if (span.last - span.first < 200) // a day at a time: long spans only slow the search
        CheckPeriods(ComputeDailyAverages(sel, file.sensitivity, span), measured, 1 << 20, "an empty day");
    const PeriodAverages periods = ComputePeriodAverages(sel, file.sensitivity, span);
    const qsizetype most = periods.period == AveragePeriod::Day     ? 62
                           : periods.period == AveragePeriod::Month ? 61
                                                                    : MostPeriodRows;
    CheckPeriods(periods.rows, measured, most, "an empty period");
    return 0;
}
