#include "table/TableColumns.h"

#include "table/Cp866.h"

const FixedWidthColumns FileColumns{{8, 19, 19}, ",    ", ",c", 46, {7, 19, 19, 18}};
const FixedWidthColumns PrintedColumns{{13, 19, 16}, ",  ", ", c", 49, {11, 19, 19, 17}};

RowTexts TableTitles() {
    return {QStringLiteral("N изм."), QStringLiteral("Время начала"), QStringLiteral("Время оконч."),
            QStringLiteral("Активность"), QStringLiteral("Экспозиция")};
}

RowTexts TableTitles(ActivityUnit unit) {
    RowTexts titles = TableTitles();
    if (unit != ActivityUnit::BecquerelPerCubicMetre)
        titles[ColumnActivity] += QStringLiteral(", ") + ActivityUnitCaption(unit);
    return titles;
}

QString TitlesLine(const RowTexts& titles, const FixedWidthColumns& columns) {
    QString line;
    for (size_t c = 0; c < columns.titleWidths.size(); ++c)
        line += PadRight(titles[c], columns.titleWidths[c]);
    return line + titles[3] + QString::fromUtf8(columns.activityTitleEnd) + titles[4] +
           QString::fromUtf8(columns.exposureTitleEnd);
}

QString UnitsLine(const FixedWidthColumns& columns) {
    return QString(columns.unitsIndent, QLatin1Char(' ')) + QStringLiteral("(Бк/м3)");
}

QString RowLine(const RowTexts& cells, const FixedWidthColumns& columns) {
    QString line;
    for (size_t c = 0; c < columns.cellWidths.size(); ++c)
        line += PadRight(cells[c], columns.cellWidths[c]);
    return line + cells[4];
}
