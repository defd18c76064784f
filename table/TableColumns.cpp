#include "table/TableColumns.h"

#include "table/Cp866.h"

#include <QCoreApplication>

// The exposure title ends with its unit, the second ("c").
const FixedWidthColumns FileColumns{
    {8, 19, 19}, ",    ", QT_TRANSLATE_NOOP("TableColumns", ",c"), 46, {7, 19, 19, 18}};
const FixedWidthColumns PrintedColumns{
    {13, 19, 16}, ",  ", QT_TRANSLATE_NOOP("TableColumns", ", c"), 49, {11, 19, 19, 17}};

namespace {

const std::array<const char*, TableColumnCount> kTitles = {
    QT_TRANSLATE_NOOP("TableColumns", "N изм."), QT_TRANSLATE_NOOP("TableColumns", "Время начала"),
    QT_TRANSLATE_NOOP("TableColumns", "Время оконч."), QT_TRANSLATE_NOOP("TableColumns", "Активность"),
    QT_TRANSLATE_NOOP("TableColumns", "Экспозиция")};

RowTexts WithUnit(RowTexts titles, ActivityUnit unit) {
    if (unit != ActivityUnit::BecquerelPerCubicMetre)
        titles[ColumnActivity] += QStringLiteral(", ") + ActivityUnitCaption(unit);
    return titles;
}

} // namespace

RowTexts TableTitles() {
    RowTexts titles;
    for (size_t c = 0; c < titles.size(); ++c)
        titles[c] = QString::fromUtf8(kTitles[c]);
    return titles;
}

RowTexts ShownTableTitles(ActivityUnit unit) {
    RowTexts titles;
    for (size_t c = 0; c < titles.size(); ++c)
        titles[c] = QCoreApplication::translate("TableColumns", kTitles[c]);
    return WithUnit(titles, unit);
}

RowTexts TableTitles(ActivityUnit unit) {
    return WithUnit(TableTitles(), unit);
}

namespace {

QString TitlesLineEndingWith(const RowTexts& titles, const FixedWidthColumns& columns, const QString& end) {
    QString line;
    for (size_t c = 0; c < columns.titleWidths.size(); ++c)
        line += PadRight(titles[c], columns.titleWidths[c]);
    return line + titles[3] + QString::fromUtf8(columns.activityTitleEnd) + titles[4] + end;
}

} // namespace

QString TitlesLine(const RowTexts& titles, const FixedWidthColumns& columns) {
    return TitlesLineEndingWith(titles, columns, QString::fromUtf8(columns.exposureTitleEnd));
}

QString ShownTitlesLine(const RowTexts& titles, const FixedWidthColumns& columns) {
    return TitlesLineEndingWith(titles, columns,
                                QCoreApplication::translate("TableColumns", columns.exposureTitleEnd));
}

QString UnitsLine(const FixedWidthColumns& columns) {
    return QString(columns.unitsIndent, QLatin1Char(' ')) + QStringLiteral("(Бк/м3)");
}

QString ShownUnitsLine(const FixedWidthColumns& columns) {
    return QString(columns.unitsIndent, QLatin1Char(' ')) +
           QCoreApplication::translate("TableColumns", "(Бк/м3)");
}

QString RowLine(const RowTexts& cells, const FixedWidthColumns& columns) {
    QString line;
    for (size_t c = 0; c < columns.cellWidths.size(); ++c)
        line += PadRight(cells[c], columns.cellWidths[c]);
    return line + cells[4];
}
