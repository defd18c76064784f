#include "Averaging.h"

#include "Extended.h"

bool IsSpanInSeries(const MeasurementSpan& span, int measurementCount) {
    return span.first >= 1 && span.first <= span.last && span.last <= measurementCount;
}

QString SpanOutsideSeriesMessage(int measurementCount) {
    return QStringLiteral("Укажите измерения от 1 до %1; первое не может быть больше последнего.")
        .arg(measurementCount);
}

AverageResult AverageActivity(const SelectedSeries& series, uint16_t sensitivity,
                              const MeasurementSpan& span) {
    AverageResult result;
    const int64_t seconds = series.ElapsedTime[span.last] - series.ElapsedTime[span.first - 1];
    const int64_t exposure = seconds * sensitivity;
    if (exposure == 0) {
        result.error =
            sensitivity == 0
                ? QStringLiteral("Чувствительность прибора равна нулю: усреднение невозможно.")
                : QStringLiteral("Измерения %1–%2 не заняли ни одной секунды: усреднение невозможно.")
                      .arg(span.first)
                      .arg(span.last);
        return result;
    }
    const int m = span.last - span.first + 1;
    result.average = Round(static_cast<Extended>(m) * 1.28e9L / static_cast<Extended>(exposure));
    return result;
}
