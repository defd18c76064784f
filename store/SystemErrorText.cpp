#include "store/SystemErrorText.h"

#include "store/NativePath.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("SystemErrorText", text);
}

// The folder the path's last element lies in, as the system resolves it.
QString FolderOf(const QString& path) {
    const QString folder = QFileInfo(path).path();
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

bool FolderExists(const QString& path) {
    struct stat st {};
    return ::stat(NativePath(FolderOf(path)).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

QString SystemErrorText(int errorNumber) {
    // Every cause a file operation of the program can meet, in the words of the interface; several error
    // numbers may share one.
    struct Cause {
        int errorNumber;
        const char* text;
    };
    static const Cause causes[] = {
        {ENOENT, QT_TRANSLATE_NOOP("SystemErrorText", "папка или файл не существует")},
        {ENOTDIR, QT_TRANSLATE_NOOP("SystemErrorText", "часть пути не является папкой")},
        {EACCES, QT_TRANSLATE_NOOP("SystemErrorText", "нет прав доступа")},
        {EPERM, QT_TRANSLATE_NOOP("SystemErrorText", "нет прав доступа")},
        {ENOSPC, QT_TRANSLATE_NOOP("SystemErrorText", "на диске нет места")},
        {EDQUOT, QT_TRANSLATE_NOOP("SystemErrorText", "на диске нет места")},
        {EROFS, QT_TRANSLATE_NOOP("SystemErrorText", "файловая система доступна только для чтения")},
        {EFBIG, QT_TRANSLATE_NOOP("SystemErrorText", "превышен допустимый размер файла")},
        {EISDIR, QT_TRANSLATE_NOOP("SystemErrorText", "это папка, а не файл")},
        {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemErrorText", "слишком длинное имя файла")},
        {EIO, QT_TRANSLATE_NOOP("SystemErrorText", "ошибка ввода-вывода")},
        {ELOOP, QT_TRANSLATE_NOOP("SystemErrorText", "слишком много символических ссылок по пути")},
        {EBUSY, QT_TRANSLATE_NOOP("SystemErrorText", "файл или устройство занято")},
        {ETXTBSY, QT_TRANSLATE_NOOP("SystemErrorText", "файл занят выполняющейся программой")},
        {EEXIST, QT_TRANSLATE_NOOP("SystemErrorText", "файл уже существует")},
        {EXDEV, QT_TRANSLATE_NOOP("SystemErrorText", "файл нельзя перенести на другую файловую систему")},
        {EMLINK, QT_TRANSLATE_NOOP("SystemErrorText", "слишком много ссылок на файл")},
        {ENXIO, QT_TRANSLATE_NOOP("SystemErrorText", "устройство не найдено")},
        {ENODEV, QT_TRANSLATE_NOOP("SystemErrorText", "устройство не найдено")},
        {EINVAL, QT_TRANSLATE_NOOP("SystemErrorText", "недопустимый аргумент")},
        {EBADF, QT_TRANSLATE_NOOP("SystemErrorText", "файл не открыт")},
        {EAGAIN, QT_TRANSLATE_NOOP("SystemErrorText", "ресурс временно недоступен")},
        {EINTR, QT_TRANSLATE_NOOP("SystemErrorText", "операция прервана сигналом")},
        {ENOMEM, QT_TRANSLATE_NOOP("SystemErrorText", "не хватает памяти")},
        {EMFILE, QT_TRANSLATE_NOOP("SystemErrorText", "открыто слишком много файлов")},
        {ENFILE, QT_TRANSLATE_NOOP("SystemErrorText", "в системе открыто слишком много файлов")},
        {ESTALE, QT_TRANSLATE_NOOP("SystemErrorText", "сетевой файл устарел")},
        {EOVERFLOW, QT_TRANSLATE_NOOP("SystemErrorText", "значение слишком велико")},
        {EPIPE, QT_TRANSLATE_NOOP("SystemErrorText", "канал закрыт читающей стороной")},
        {ENOTEMPTY, QT_TRANSLATE_NOOP("SystemErrorText", "папка не пуста")},
        {EOPNOTSUPP, QT_TRANSLATE_NOOP("SystemErrorText", "операция не поддерживается файловой системой")},
        {ETIMEDOUT, QT_TRANSLATE_NOOP("SystemErrorText", "истекло время ожидания")},
        {ENOLCK, QT_TRANSLATE_NOOP("SystemErrorText", "нет свободных блокировок")},
        {ENOTCONN, QT_TRANSLATE_NOOP("SystemErrorText", "нет соединения")},
        {EHOSTDOWN, QT_TRANSLATE_NOOP("SystemErrorText", "сервер недоступен")},
        {ECONNREFUSED, QT_TRANSLATE_NOOP("SystemErrorText", "в соединении отказано")},
    };
    for (const Cause& cause : causes)
        if (cause.errorNumber == errorNumber)
            return Translated(cause.text);
    return QCoreApplication::translate("SystemErrorText", "системная ошибка номер %1").arg(errorNumber);
}

QString NotARegularFileText() {
    return QCoreApplication::translate("SystemErrorText", "это не обычный файл");
}

QString NoWritePermissionText() {
    return QCoreApplication::translate("SystemErrorText", "нет прав на запись в файл");
}

QString ProtectedLinkText() {
    return QCoreApplication::translate("SystemErrorText",
                                       "система запрещает следовать по символической ссылке другого "
                                       "пользователя в общей папке (fs.protected_symlinks)");
}

QString OwnerNotKeptText() {
    return QCoreApplication::translate("SystemErrorText",
                                       "нельзя сохранить владельца и группу заменяемого файла");
}

QString FolderErrorText(int errorNumber, const QString& folder) {
    return QCoreApplication::translate("SystemErrorText", "папка «%1»: %2")
        .arg(ShownPath(folder), SystemErrorText(errorNumber));
}

QString PathErrorText(int errorNumber, const QString& path) {
    if (errorNumber == ENOENT)
        return FolderExists(path) ? QCoreApplication::translate("SystemErrorText", "файл не найден")
                                  : QCoreApplication::translate("SystemErrorText", "папка «%1» не существует")
                                        .arg(ShownPath(FolderOf(path)));
    return SystemErrorText(errorNumber);
}
