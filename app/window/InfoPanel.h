#pragma once

#include "store/ActivityUnit.h"
#include "store/Extended.h"
#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"

#include <QCoreApplication>
#include <QGroupBox>

#include <optional>

class QFrame;
class QLabel;

// The information panel under the graph: caption labels and white value labels for the shown series, the
// measurement under the pointer, the last average and the instrument, with the raised exponents and the line
// between the two groups.
class InfoPanel : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(InfoPanel)

public:
    explicit InfoPanel(QWidget* parent = nullptr);

    void showMeasurementCount(int n);
    // Measurement k with its row of the table.
    void showMeasurement(int k, const RowTexts& row);
    // The span's unrounded average in Bq/m³, written in the unit (converted and rounded once).
    void showAverage(Extended average, const MeasurementSpan& span);
    // The unit of the activity captions and of the average, which is written anew in it; the row of the
    // measurement shown is for its caller to show again.
    void setUnit(ActivityUnit unit);
    void showInstrument(const QString& number, const QString& sensitivity);
    // Every value label empty; the captions stay.
    void clearValues();

    QLabel *measurementCountLabel, *measurementNumberLabel, *exposureLabel, *startTimeLabel, *endTimeLabel;
    QLabel *activityLabel, *averageLabel, *averageFromLabel, *averageToLabel, *instrumentNumberLabel;
    QLabel* sensitivityLabel;
    QLabel *activityCaption, *activityExponent, *averageUnitCaption, *averageUnitExponent;
    QFrame* divider;

protected:
    // In a window narrower than the design, the sensitivity, the rightmost value, keeps to the panel.
    void resizeEvent(QResizeEvent* event) override;

private:
    void showAverageText();
    void showUnitCaptions();

    ActivityUnit unit_ = ActivityUnit::BecquerelPerCubicMetre;
    std::optional<Extended> average_; // the average shown, until the values are cleared
};
