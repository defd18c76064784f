#pragma once

#include "store/MeasurementStore.h"

#include <QString>
#include <QStringList>

#include <array>

// The outcome of evaluating one series: either a refusal (and nothing of the store may change) or the new
// selected-series half together with the bad-mark messages to show in order.
struct SeriesEvaluation {
    QString title;        // "Файл <name>; Серия N <number>", shown even when the series is refused
    QString shownTitle{}; // the title in the user's language; `title` stays Russian for the saved table
    QString refusal;      // the one message shown instead of the series; empty when accepted
    QStringList messages; // one per bad mark, in mark order
    SelectedSeries series;

    bool refused() const { return !refusal.isEmpty(); }
};

extern const char* const NoMeasurementsMessage;
extern const char* const ZeroSensitivityMessage;

// "Ошибка в файле. № изм=k  Мес=…  День=…  Час=…  Мин=…  Сек=…" with the mark's stored values.
QString BadMarkMessage(int k, const TimeMark& mark);

QString SeriesTitleText(const QString& dataFileName, uint16_t seriesNumber);
// The same in the user's language.
QString ShownSeriesTitleText(const QString& dataFileName, uint16_t seriesNumber);

// Evaluates series s (1-based ordinal, 1..seriesCount) of the file.
SeriesEvaluation EvaluateSeries(const InstrumentFile& file, int s);

// The error of an activity, 15 % of it: the product with the constant 0.15 in extended precision, rounded
// halves to even, so a product that is a half in decimal terms may round either way (30 gives 4).
int64_t ActivityError(int64_t activity);

// "8533±1280": the activity and its error of 15 %.
QString ActivityWithErrorText(int64_t activity);

// The five table cells of measurement k (1..n): number, start, end, activity with error, exposure.
using RowTexts = std::array<QString, 5>;
RowTexts MeasurementRowTexts(const SelectedSeries& series, int k);
// The same with the months in the user's language, for the window and the printed table.
RowTexts ShownMeasurementRowTexts(const SelectedSeries& series, int k);
