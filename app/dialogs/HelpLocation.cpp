#include "app/dialogs/HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

//: The help page's file name: a translation names its own page, installed beside help.hlp.
const char* const kRussianHelpFile = QT_TRANSLATE_NOOP("HelpLocation", "help.hlp");

} // namespace

QString HelpFolder(const HelpLocations& where, const QString& fileName) {
    if (QFileInfo(QDir(where.applicationDir).filePath(fileName)).isFile())
        return where.applicationDir;
    return where.dataDir;
}

HelpFile ChooseHelpFile(const HelpLocations& where, const QString& name) {
    const QString folder = HelpFolder(where, name);
    if (QFileInfo(QDir(folder).filePath(name)).isFile())
        return {folder, name};
    const QString russian = QString::fromLatin1(kRussianHelpFile);
    return {HelpFolder(where, russian), russian};
}

QString TranslatedHelpFileName() {
    return QCoreApplication::translate("HelpLocation", kRussianHelpFile);
}

HelpLocations CurrentHelpLocations() {
    HelpLocations where;
    where.applicationDir = QCoreApplication::applicationDirPath();
    where.dataDir =
        QDir::cleanPath(QDir(where.applicationDir).filePath(QStringLiteral(RADVIEW_DATA_FROM_BIN)));
    return where;
}
