#include "app/dialogs/HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString HelpFolder(const HelpLocations& where, const QString& fileName) {
    if (QFileInfo(QDir(where.applicationDir).filePath(fileName)).isFile())
        return where.applicationDir;
    return where.dataDir;
}

HelpLocations CurrentHelpLocations() {
    HelpLocations where;
    where.applicationDir = QCoreApplication::applicationDirPath();
    where.dataDir =
        QDir::cleanPath(QDir(where.applicationDir).filePath(QStringLiteral(RADVIEW_DATA_FROM_BIN)));
    return where;
}
