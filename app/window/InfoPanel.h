#pragma once

#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"

#include <QGroupBox>

class QFrame;
class QLabel;

// The information panel under the graph: caption labels and white value labels for the shown series, the
// measurement under the pointer, the last average and the instrument, with the raised exponents and the line
// between the two groups.
class InfoPanel : public QGroupBox {
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    void showMeasurementCount(int n);
    // Measurement k with its row of the table.
    void showMeasurement(int k, const RowTexts& row);
    void showAverage(int64_t average, const MeasurementSpan& span);
    void showInstrument(const QString& number, const QString& sensitivity);
    // Every value label empty; the captions stay.
    void clearValues();

    QLabel *measurementCountLabel, *measurementNumberLabel, *exposureLabel, *startTimeLabel, *endTimeLabel;
    QLabel *activityLabel, *averageLabel, *averageFromLabel, *averageToLabel, *instrumentNumberLabel;
    QLabel* sensitivityLabel;
    QFrame* divider;

protected:
    // In a window narrower than the design, the sensitivity, the rightmost value, keeps to the panel.
    void resizeEvent(QResizeEvent* event) override;
};
