#pragma once

#include <QFont>

// The windows' font: "MS Sans Serif", 11 pixels, bold; the nearest sans-serif face where it is missing.
QFont WindowFont();

// The raised exponents: "Times New Roman Cyr", 15 pixels, bold; the nearest serif face where it is missing.
QFont ExponentFont();
