#include "table/Averaging.h"

#include <QCoreApplication>

QString SpanOutsideSeriesMessage(int measurementCount) {
    return QCoreApplication::translate(
               "Averaging", "Укажите измерения от 1 до %1; первое не может быть больше последнего.")
        .arg(measurementCount);
}

AverageResult AverageActivity(const SelectedSeries& series, uint16_t sensitivity,
                              const MeasurementSpan& span) {
    if (const std::optional<int64_t> average = SpanAverage(series, sensitivity, span))
        return *average;
    return Outcome::failure(
        sensitivity == 0
            ? QCoreApplication::translate("Averaging",
                                          "Чувствительность прибора равна нулю: усреднение невозможно.")
            : QCoreApplication::translate(
                  "Averaging", "Измерения %1–%2 не заняли ни одной секунды: усреднение невозможно.")
                  .arg(span.first)
                  .arg(span.last));
}
