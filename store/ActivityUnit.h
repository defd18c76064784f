#pragma once

#include "store/Extended.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>

// The unit activities are shown in. Every figure is held and computed in Bq/m³; a unit is only the way a
// figure is written, converted once from Bq/m³ and rounded once:
//   Bq/m³   Round(value), whole numbers, as the table has always shown them;
//   pCi/L   Round(100 × value / 37) hundredths, two decimals (1 pCi/L = 37 Bq/m³).
// The saved CP866 table stays in Bq/m³ whatever the unit.
enum class ActivityUnit { BecquerelPerCubicMetre, PicocuriePerLitre };

constexpr int BecquerelsPerCubicMetreInPicocuriePerLitre = 37;
constexpr int PicocuriePerLitreDecimals = 2;

// "Бк/м³" or "пКи/л".
QString ActivityUnitCaption(ActivityUnit unit);

// The name on the command line and in the settings: "Bq/m3" or "pCi/L".
QString ActivityUnitName(ActivityUnit unit);
// The unit a name stands for, any letter case, "Bq/m³" too; absent for anything else.
std::optional<ActivityUnit> ActivityUnitNamed(const QString& name);

// A value in Bq/m³ in the unit, for scales and lines drawn at it (no rounding).
Extended ActivityInUnit(Extended becquerelsPerCubicMetre, ActivityUnit unit);

// The value's text in the unit, without the unit: "267" or "7,22" (decimal point as given).
QString ActivityValueText(Extended becquerelsPerCubicMetre, ActivityUnit unit,
                          QChar decimalPoint = QLatin1Char(','));

// Hundredths of pCi/L with only the decimals a scale's step needs: 250 → "2,5" with one decimal, 300 → "3"
// with none (decimals 0 … 2; the digits left out must be zeros).
QString PicocurieHundredthsText(int64_t hundredths, int decimals, QChar decimalPoint = QLatin1Char(','));

// A table activity and its 15 % error in the unit, joined by "±": "267±40" in Bq/m³, byte for byte the
// table's cell, or "7,22±1,08" in pCi/L, where the error is 15 % of the activity converted with it
// (Round(15 × activity / 37) hundredths), not the whole-Bq/m³ error converted a second time.
QString ActivityWithErrorTextIn(int64_t activity, ActivityUnit unit, QChar decimalPoint = QLatin1Char(','));
