#include "store/MeasurementReadout.h"

#include "store/SpanStatistics.h"

#include <QCoreApplication>

namespace {

QString MomentText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

} // namespace

QString MeasurementReadout(const SelectedSeries& series, int k, ActivityUnit unit) {
    const QDateTime seriesStart = SeriesStartMoment(series);
    return QCoreApplication::translate("MeasurementReadout", "№ %1: %2 – %3, %4 %5")
        .arg(k)
        .arg(MomentText(MarkMoment(series, seriesStart, k - 1)),
             MomentText(MarkMoment(series, seriesStart, k)),
             ActivityWithErrorTextIn(series.activity[k], unit), ActivityUnitCaption(unit));
}
