#include "store/MeasurementTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const char* const LastVisibleMessage =
    QT_TRANSLATE_NOOP("MeasurementTexts", "Это последнее измерение в области видимости ");
const char* const FirstVisibleMessage =
    QT_TRANSLATE_NOOP("MeasurementTexts", "Это первое измерение в области видимости ");

} // namespace

QString LastVisibleText() {
    return QCoreApplication::translate("MeasurementTexts", LastVisibleMessage);
}

QString FirstVisibleText() {
    return QCoreApplication::translate("MeasurementTexts", FirstVisibleMessage);
}

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

QString ShownMonthName(int month) {
    static const char* const names[13] = {"???",
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "янв"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "фев"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "мар"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "апр"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "май"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "июн"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "июл"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "авг"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "сен"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "окт"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "ноя"),
                                          QT_TRANSLATE_NOOP("MeasurementTexts", "дек")};
    if (month < 1 || month > 12)
        return QString::fromLatin1(names[0]);
    return QCoreApplication::translate("MeasurementTexts", names[month]);
}

namespace {

// Built in place in one piece: every table row and list row has two of these.
QString MarkTextWith(const TimeMark& mark, const QString& monthName) {
    QString text;
    text.reserve(18);
    if (mark.day < 10)
        text += QLatin1Char(' ');
    AppendNumber(text, mark.day);
    text += QLatin1Char(' ');
    text += monthName;
    text += QLatin1Char(' ');
    AppendTwoDigits(text, mark.hour);
    text += QLatin1Char(':');
    AppendTwoDigits(text, mark.minute);
    text += QLatin1Char(':');
    AppendTwoDigits(text, mark.second);
    return text;
}

} // namespace

QString MarkToText(const TimeMark& mark) {
    return MarkTextWith(mark, MonthName(mark.month));
}

QString ShownMarkText(const TimeMark& mark) {
    return MarkTextWith(mark, ShownMonthName(mark.month));
}

QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                                    path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}
