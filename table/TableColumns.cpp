#include "table/TableColumns.h"

RowTexts TableTitles() {
    return {QStringLiteral("N изм."), QStringLiteral("Время начала"), QStringLiteral("Время оконч."),
            QStringLiteral("Активность"), QStringLiteral("Экспозиция")};
}
