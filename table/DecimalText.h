#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// A number held as an integer count of 10^-decimals, written with exactly that many decimals after the
// given point: (1234, 2) reads "12.34", (-5, 2) "-0.05", (625, 1, ',') "62,5". The figures are rounded
// where they are computed, so the text only places the point.
QString DecimalText(int64_t scaled, int decimals, QChar point = QLatin1Char('.'));
