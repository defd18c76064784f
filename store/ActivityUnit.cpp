#include "store/ActivityUnit.h"

#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"

#include <QCoreApplication>

namespace {

// Hundredths with two decimals: 722 → "7,22", -5 → "-0,05".
QString HundredthsText(int64_t hundredths, QChar decimalPoint) {
    const uint64_t magnitude =
        hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    const QString text =
        QString::number(magnitude / 100) + decimalPoint +
        QStringLiteral("%1").arg(magnitude % 100, PicocuriePerLitreDecimals, 10, QLatin1Char('0'));
    return hundredths < 0 ? QLatin1Char('-') + text : text;
}

} // namespace

QString ActivityUnitCaption(ActivityUnit unit) {
    return unit == ActivityUnit::PicocuriePerLitre ? QCoreApplication::translate("ActivityUnit", "пКи/л")
                                                   : QCoreApplication::translate("ActivityUnit", "Бк/м³");
}

QString ActivityUnitName(ActivityUnit unit) {
    return unit == ActivityUnit::PicocuriePerLitre ? QStringLiteral("pCi/L") : QStringLiteral("Bq/m3");
}

std::optional<ActivityUnit> ActivityUnitNamed(const QString& name) {
    const QString folded = name.trimmed().toCaseFolded();
    if (folded == QStringLiteral("bq/m3") || folded == QStringLiteral("bq/m³"))
        return ActivityUnit::BecquerelPerCubicMetre;
    if (folded == QStringLiteral("pci/l"))
        return ActivityUnit::PicocuriePerLitre;
    return std::nullopt;
}

Extended ActivityInUnit(Extended becquerelsPerCubicMetre, ActivityUnit unit) {
    if (unit == ActivityUnit::PicocuriePerLitre)
        return becquerelsPerCubicMetre / BecquerelsPerCubicMetreInPicocuriePerLitre;
    return becquerelsPerCubicMetre;
}

QString ActivityValueText(Extended becquerelsPerCubicMetre, ActivityUnit unit, QChar decimalPoint) {
    if (unit == ActivityUnit::PicocuriePerLitre)
        return HundredthsText(PicocuriesPerLitreHundredths(becquerelsPerCubicMetre), decimalPoint);
    return QString::number(Round(becquerelsPerCubicMetre));
}

QString PicocurieHundredthsText(int64_t hundredths, int decimals, QChar decimalPoint) {
    const QString text = HundredthsText(hundredths, decimalPoint);
    const int dropped = PicocuriePerLitreDecimals - decimals + (decimals == 0 ? 1 : 0);
    return text.left(text.size() - dropped);
}

QString ActivityWithErrorTextIn(int64_t activity, ActivityUnit unit, QChar decimalPoint) {
    if (unit == ActivityUnit::BecquerelPerCubicMetre)
        return ActivityWithErrorText(activity);
    // 15 % in hundredths of pCi/L is 15 × activity / 37, formed exactly and rounded once; a quotient by 37
    // of an integer is never a half. Its sign follows the activity's, as the table's error does.
    const int64_t errorHundredths =
        Round(static_cast<Extended>(15 * activity) / BecquerelsPerCubicMetreInPicocuriePerLitre);
    return ActivityValueText(activity, unit, decimalPoint) + QStringLiteral("±") +
           HundredthsText(errorHundredths, decimalPoint);
}
