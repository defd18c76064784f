#include "MeasurementStore.h"

#include <algorithm>

namespace {

const char* const kMonthNames[13] = {"???", "янв", "фев", "мар", "апр", "май", "июн",
                                     "июл", "авг", "сен", "окт", "ноя", "дек"};

QString TwoDigits(int value) {
    return (value < 10 ? QStringLiteral("0") : QString()) + QString::number(value);
}

} // namespace

QString MonthName(int month) {
    return QString::fromUtf8(kMonthNames[month >= 1 && month <= 12 ? month : 0]);
}

QString MarkToText(const TimeMark& mark) {
    QString text = mark.Day < 10 ? QStringLiteral(" ") : QString();
    text += QString::number(mark.Day) + QLatin1Char(' ') + MonthName(mark.Month) + QLatin1Char(' ');
    text += TwoDigits(mark.Hour) + QLatin1Char(':') + TwoDigits(mark.Minute) + QLatin1Char(':') +
            TwoDigits(mark.Second);
    return text;
}

QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                                    path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}
