#include "table/DecimalText.h"

QString DecimalText(int64_t scaled, int decimals, QChar point) {
    // The digits of the magnitude, padded so that there is at least one digit before the point.
    const uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    QString digits = QString::number(magnitude).rightJustified(decimals + 1, QLatin1Char('0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, point);
    return scaled < 0 ? QLatin1Char('-') + digits : digits;
}
