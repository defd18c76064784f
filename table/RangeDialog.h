#pragma once

#include "table/Averaging.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the range dialog offers its choices from.
struct RangeContext {
    int measurementCount = 0;
    int viewFirst = 1;
    int viewCount = 0;
};

// The range dialog: the measurements visible on the graph, the whole series, or a span typed in. OK keeps
// the dialog open with a message while the span is not inside the series.
class RangeDialog : public QDialog {
    Q_OBJECT

public:
    explicit RangeDialog(QWidget* parent = nullptr);

    // Shows the dialog modally; the confirmed span, or nothing after Cancel.
    std::optional<MeasurementSpan> choose(const RangeContext& context);

    QGroupBox* rangeGroup;
    QButtonGroup* rangeChoices;
    QSpinBox* firstField;
    QLineEdit* toLabel;
    QSpinBox* lastField;
    QPushButton* okButton;
    QPushButton* cancelButton;

    void FormShow();
    void RadioGroupClick();
    void EdBegExit();
    void BBOkClick();

    // The span the current choice stands for.
    MeasurementSpan chosenSpan() const;

signals:
    // OK was pressed on a span outside the series: the message for the user. The dialog stays open.
    void spanRefused(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRadioGroup();
    void buildButtons();

    RangeContext context_;
    MeasurementSpan confirmed_;
};

extern const char* const VisibleMeasurementsItem; // "Видимые на гистограмме измерения"
extern const char* const WholeRangeItem;          // "Весь диапазон"
extern const char* const FromMeasurementItem; // "Измерения от "
