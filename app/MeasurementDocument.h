#pragma once

#include "store/MeasurementStore.h"

#include <QObject>

// The open instrument file and its chosen series: the document the windows show. It loads a file, shows a
// series and withdraws it, and says what changed; the graph announces its pointer and its view through it
// too, so the table, the information panel and the status bar listen to one object. Signals go one way:
// from here to the parts, which never change the document behind its back.
class MeasurementDocument : public QObject {
    Q_OBJECT

public:
    explicit MeasurementDocument(QObject* parent = nullptr);

    const MeasurementStore& store() const { return store_; }
    const FileHalf& file() const { return store_.file; }
    const SelectedSeries& series() const { return store_.selected; }
    // From opening a file until a series is shown.
    bool noSeriesChosen() const { return store_.noSeriesChosen; }

    // Opens the instrument file at path (see OpenInstrumentFile). On failure, a file without a single series
    // included, nothing changes and the message naming the file is answered; on success fileOpened()
    // follows and an empty string is answered.
    QString load(const QString& path);
    // An evaluated series becomes the one shown.
    void showSeries(SelectedSeries series);
    // The shown series is withdrawn while the user opens a file or chooses another series.
    void withdrawSeries();

signals:
    void fileOpened();
    void seriesChanged();
    void seriesWithdrawn();
    // The graph's pointer stands on measurement k now.
    void pointerMoved(int k);
    // The measurements in view changed.
    void viewChanged();

private:
    MeasurementStore store_;
};

// The message for a file that holds no series, read as it may be.
QString NoSeriesText(const QString& path);
