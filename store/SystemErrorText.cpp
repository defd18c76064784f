#include "store/SystemErrorText.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString LeadIn(const QString& systemWording) {
    return QStringLiteral("системная ошибка (%1)").arg(systemWording);
}

// The folder the path's last element lies in, as the system resolves it.
QString FolderOf(const QString& path) {
    const QString folder = QFileInfo(path).path();
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

bool FolderExists(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(FolderOf(path)).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

QString SystemErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("папка или файл не существует");
    case ENOTDIR:
        return QStringLiteral("часть пути не является папкой");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав доступа");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case EROFS:
        return QStringLiteral("файловая система доступна только для чтения");
    case EFBIG:
        return QStringLiteral("превышен допустимый размер файла");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    default:
        return LeadIn(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

QString NotARegularFileText() {
    return QStringLiteral("это не обычный файл");
}

QString PathErrorText(int errorNumber, const QString& path) {
    if (errorNumber == ENOENT)
        return FolderExists(path) ? QStringLiteral("файл не найден")
                                  : QStringLiteral("папка «%1» не существует").arg(FolderOf(path));
    return SystemErrorText(errorNumber);
}
