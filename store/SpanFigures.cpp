#include "store/SpanFigures.h"

bool ClockWentBackOverSpan(const SelectedSeries& series, const MeasurementSpan& span) {
    return series.elapsedTime[span.last] < series.elapsedTime[span.first - 1];
}

int64_t MeasuredSeconds(const SelectedSeries& series, const MeasurementSpan& span) {
    int64_t seconds = 0;
    for (int k = span.first; k <= span.last; ++k) {
        if (HasPositiveExposure(series, k))
            seconds += MeasurementExposure(series, k);
    }
    return seconds;
}

int64_t SecondsAboveLevel(const SelectedSeries& series, const MeasurementSpan& span, int64_t level) {
    int64_t seconds = 0;
    for (int k = span.first; k <= span.last; ++k) {
        if (HasPositiveExposure(series, k) && series.activity[k] > level)
            seconds += MeasurementExposure(series, k);
    }
    return seconds;
}

SpanFigures ComputeSpanFigures(const SelectedSeries& series, uint16_t sensitivity,
                               const MeasurementSpan& span, const std::vector<int64_t>& levels) {
    SpanFigures figures;
    const QDateTime seriesStart = SeriesStartMoment(series);
    figures.count = span.last - span.first + 1;
    figures.firstMoment = MarkMoment(series, seriesStart, span.first - 1);
    figures.lastMoment = MarkMoment(series, seriesStart, span.last);
    figures.clockWentBack = ClockWentBackOverSpan(series, span);
    if (!figures.clockWentBack)
        figures.duration = series.elapsedTime[span.last] - series.elapsedTime[span.first - 1];
    figures.measuredSeconds = MeasuredSeconds(series, span);
    figures.statistics = ComputeSpanStatistics(series, sensitivity, span, levels);
    if (figures.clockWentBack) {
        figures.statistics.average.reset();
        figures.statistics.equilibrium.reset();
    }
    for (int64_t level : levels)
        figures.secondsAbove.push_back(SecondsAboveLevel(series, span, level));
    return figures;
}
