#include "store/MeasurementTexts.h"

#include <algorithm>

const char* const LastVisibleMessage = "Это последнее измерение в области видимости ";
const char* const FirstVisibleMessage = "Это первое измерение в области видимости ";

namespace {

// A mark's fields are bytes: at most three digits.
void AppendNumber(QString& text, int value) {
    if (value >= 100)
        text += QLatin1Char(static_cast<char>('0' + value / 100));
    if (value >= 10)
        text += QLatin1Char(static_cast<char>('0' + value / 10 % 10));
    text += QLatin1Char(static_cast<char>('0' + value % 10));
}

} // namespace

void AppendTwoDigits(QString& text, int value) {
    if (value < 10)
        text += QLatin1Char('0');
    AppendNumber(text, value);
}

QString MonthName(int month) {
    // Literals: handing one out copies no characters.
    static const QString names[13] = {QStringLiteral("???"), QStringLiteral("янв"), QStringLiteral("фев"),
                                      QStringLiteral("мар"), QStringLiteral("апр"), QStringLiteral("май"),
                                      QStringLiteral("июн"), QStringLiteral("июл"), QStringLiteral("авг"),
                                      QStringLiteral("сен"), QStringLiteral("окт"), QStringLiteral("ноя"),
                                      QStringLiteral("дек")};
    return names[month >= 1 && month <= 12 ? month : 0];
}

// Built in place in one piece: every table row and list row has two of these.
QString MarkToText(const TimeMark& mark) {
    QString text;
    text.reserve(18);
    if (mark.day < 10)
        text += QLatin1Char(' ');
    AppendNumber(text, mark.day);
    text += QLatin1Char(' ');
    text += MonthName(mark.month);
    text += QLatin1Char(' ');
    AppendTwoDigits(text, mark.hour);
    text += QLatin1Char(':');
    AppendTwoDigits(text, mark.minute);
    text += QLatin1Char(':');
    AppendTwoDigits(text, mark.second);
    return text;
}

QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                                    path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}
