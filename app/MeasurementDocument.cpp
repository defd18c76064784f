#include "app/MeasurementDocument.h"

#include "store/InstrumentFile.h"

QString NoSeriesText(const QString& path) {
    return QStringLiteral("В файле «%1» нет ни одной серии измерений: это не файл прибора?").arg(path);
}

MeasurementDocument::MeasurementDocument(QObject* parent) : QObject(parent) {}

QString MeasurementDocument::load(const QString& path) {
    OpenedFile opened = OpenInstrumentFile(path);
    if (!opened.ok())
        return opened.error;
    // Random bytes, an empty file or another program's file parse as no series at all; shown, their header
    // words would read as an instrument number and a sensitivity that no instrument has.
    if (opened.file.seriesCount == 0)
        return NoSeriesText(path);
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
