#pragma once

#include "store/MeasurementStore.h"
#include "store/Outcome.h"

#include <QObject>

// The open instrument file, its chosen series and what of it the user looks at: the measurement under the
// pointer and the measurements in view. The parts ask it to change through its functions and follow what it
// announces, one signal per property and only when the value changed; none of them talks to another. An
// announcement a part passes back (the table making the pointer's row current) changes nothing and so ends
// here, without anything blocked.
class MeasurementDocument : public QObject {
    Q_OBJECT

public:
    explicit MeasurementDocument(QObject* parent = nullptr);

    const MeasurementStore& store() const { return store_; }
    const InstrumentFile& file() const { return store_.file; }
    const SelectedSeries& series() const { return store_.selected; }
    // From opening a file until a series is shown.
    bool noSeriesChosen() const { return store_.noSeriesChosen; }

    // Opens the instrument file at path (see OpenInstrumentFile). On failure, a file without a single series
    // included, nothing changes and the failure's message names the file; on success fileOpened() follows.
    Outcome load(const QString& path);
    // An evaluated series becomes the one shown.
    void showSeries(SelectedSeries series);
    // The shown series is withdrawn while the user opens a file or chooses another series.
    void withdrawSeries();

    // The measurement under the pointer, 0 before the first series.
    int pointer() const { return pointer_; }
    // The measurements in view: first … first + count − 1.
    int viewFirst() const { return viewFirst_; }
    int viewCount() const { return viewCount_; }
    // The pointer stands on measurement k; pointerMoved follows when that is news.
    void movePointer(int k);
    // The graph shows measurements first … first + count − 1; viewChanged follows when that is news.
    void showView(int first, int count);

signals:
    void fileOpened();
    void seriesChanged();
    void seriesWithdrawn();
    // The pointer stands on measurement k now; also after a new series, which starts on measurement 1.
    void pointerMoved(int k);
    // The measurements in view changed.
    void viewChanged();

private:
    MeasurementStore store_;
    int pointer_ = 0;
    int viewFirst_ = 1;
    int viewCount_ = 0;
};

// The message for a file that holds no series, read as it may be.
QString NoSeriesText(const QString& path);
