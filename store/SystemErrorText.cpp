#include "SystemErrorText.h"

#include <cerrno>
#include <cstring>

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
        return QStringLiteral("системная ошибка (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

QString NotARegularFileText() {
    return QStringLiteral("это не обычный файл");
}
