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
    // The common causes in the words of the interface; several error numbers may share one.
    struct Cause {
        int errorNumber;
        const char* text;
    };
    static const Cause causes[] = {
        {ENOENT, "папка или файл не существует"},
        {ENOTDIR, "часть пути не является папкой"},
        {EACCES, "нет прав доступа"},
        {EPERM, "нет прав доступа"},
        {ENOSPC, "на диске нет места"},
        {EDQUOT, "на диске нет места"},
        {EROFS, "файловая система доступна только для чтения"},
        {EFBIG, "превышен допустимый размер файла"},
        {EISDIR, "это папка, а не файл"},
        {ENAMETOOLONG, "слишком длинное имя файла"},
        {EIO, "ошибка ввода-вывода"},
    };
    for (const Cause& cause : causes)
        if (cause.errorNumber == errorNumber)
            return QString::fromUtf8(cause.text);
    return LeadIn(QString::fromLocal8Bit(std::strerror(errorNumber)));
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
