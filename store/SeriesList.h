#pragma once

#include "store/MeasurementStore.h"

#include <QString>

#include <array>

extern const char* const FileErrorText; // "Ошибка в файле"
extern const char* const UndefinedText; // "не определено"

// "2.50" for a sensitivity of 250: hundredths with a point.
QString SensitivityNumber(uint16_t sensitivity);

// "2.50 * 10-5 Бк-1 * м3 * c-1" for a sensitivity of 250.
QString SensitivityText(uint16_t sensitivity);
// The same in the user's language, for the window and the printouts; the saved table keeps the above.
QString ShownSensitivityText(uint16_t sensitivity);

// The five columns of series s in the series list: ordinal, series number, start, end and mean activity
// (column 4 is empty for a series with fewer than two marks).
std::array<QString, 5> SeriesListRow(const InstrumentFile& file, int s);
