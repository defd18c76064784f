#include "app/dialogs/PresetFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool IsInside(const QString& path, const QString& folder) {
    if (folder.isEmpty())
        return false;
    const QString inner = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString outer = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return inner == outer || inner.startsWith(outer + QLatin1Char('/'));
}

bool IsFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString PresetFolder(const SampleLocations& where) {
    if (IsInside(where.applicationDir, where.buildDir) && IsFolder(where.sourceSamples))
        return where.sourceSamples;
    if (IsFolder(where.installedSamples))
        return where.installedSamples;
    return where.home;
}

SampleLocations CurrentSampleLocations() {
    SampleLocations where;
    where.applicationDir = QCoreApplication::applicationDirPath();
    // Only a build that lets its programs know their build and source trees (not a distribution's).
#ifdef RADVIEW_BUILD_DIR
    where.buildDir = QStringLiteral(RADVIEW_BUILD_DIR);
    where.sourceSamples = QStringLiteral(RADVIEW_SOURCE_DIR "/samples");
#endif
    where.installedSamples = QDir(where.applicationDir).filePath(QStringLiteral(RADVIEW_SAMPLES_FROM_BIN));
    where.home = QDir::homePath();
    return where;
}
