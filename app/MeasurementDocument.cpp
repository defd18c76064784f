#include "app/MeasurementDocument.h"

#include "store/InstrumentFile.h"

QString NoSeriesText(const QString& path) {
    return QStringLiteral("В файле «%1» нет ни одной серии измерений: это не файл прибора?").arg(path);
}

MeasurementDocument::MeasurementDocument(QObject* parent) : QObject(parent) {}

Outcome MeasurementDocument::load(const QString& path) {
    Result<InstrumentFile> opened = OpenInstrumentFile(path);
    if (!opened.ok())
        return Outcome::failure(opened.message());
    // Random bytes, an empty file or another program's file parse as no series at all; shown, their header
    // words would read as an instrument number and a sensitivity that no instrument has.
    if (opened.value().seriesCount == 0)
        return Outcome::failure(NoSeriesText(path));
    store_.file = std::move(opened.value());
    emit fileOpened();
    return Outcome();
}

// A new series is seen whole with the pointer on its first measurement: the three properties change at once,
// and the parts hear of them in that order, the series first.
void MeasurementDocument::showSeries(SelectedSeries series) {
    store_.selected = std::move(series);
    store_.noSeriesChosen = false;
    pointer_ = 1;
    viewFirst_ = 1;
    viewCount_ = store_.selected.measurementCount;
    emit seriesChanged();
    emit viewChanged();
    emit pointerMoved(pointer_);
}

void MeasurementDocument::movePointer(int k) {
    if (k == pointer_)
        return;
    pointer_ = k;
    emit pointerMoved(k);
}

void MeasurementDocument::showView(int first, int count) {
    if (first == viewFirst_ && count == viewCount_)
        return;
    viewFirst_ = first;
    viewCount_ = count;
    emit viewChanged();
}

void MeasurementDocument::withdrawSeries() {
    store_.noSeriesChosen = true;
    emit seriesWithdrawn();
}
