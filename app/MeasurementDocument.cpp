#include "app/MeasurementDocument.h"

#include "store/InstrumentFile.h"

MeasurementDocument::MeasurementDocument(QObject* parent) : QObject(parent) {}

QString MeasurementDocument::load(const QString& path) {
    OpenedFile opened = OpenInstrumentFile(path);
    if (!opened.ok())
        return opened.error;
    store_.file = std::move(opened.file);
    emit fileOpened();
    return QString();
}

void MeasurementDocument::showSeries(SelectedSeries series) {
    store_.selected = std::move(series);
    store_.noSeriesChosen = false;
    emit seriesChanged();
}

void MeasurementDocument::withdrawSeries() {
    store_.noSeriesChosen = true;
    emit seriesWithdrawn();
}
