#include "store/SystemErrorText.h"

#include "store/NativePath.h"

#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
        {ELOOP, "слишком много символических ссылок по пути"},
        {EBUSY, "файл или устройство занято"},
        {ETXTBSY, "файл занят выполняющейся программой"},
        {EEXIST, "файл уже существует"},
        {EXDEV, "файл нельзя перенести на другую файловую систему"},
        {EMLINK, "слишком много ссылок на файл"},
        {ENXIO, "устройство не найдено"},
        {ENODEV, "устройство не найдено"},
        {EINVAL, "недопустимый аргумент"},
        {EBADF, "файл не открыт"},
        {EAGAIN, "ресурс временно недоступен"},
        {EINTR, "операция прервана сигналом"},
        {ENOMEM, "не хватает памяти"},
        {EMFILE, "открыто слишком много файлов"},
        {ENFILE, "в системе открыто слишком много файлов"},
        {ESTALE, "сетевой файл устарел"},
        {EOVERFLOW, "значение слишком велико"},
        {EPIPE, "канал закрыт читающей стороной"},
        {ENOTEMPTY, "папка не пуста"},
        {EOPNOTSUPP, "операция не поддерживается файловой системой"},
        {ETIMEDOUT, "истекло время ожидания"},
        {ENOLCK, "нет свободных блокировок"},
        {ENOTCONN, "нет соединения"},
        {EHOSTDOWN, "сервер недоступен"},
        {ECONNREFUSED, "в соединении отказано"},
    };
    for (const Cause& cause : causes)
        if (cause.errorNumber == errorNumber)
            return QString::fromUtf8(cause.text);
    return QStringLiteral("системная ошибка номер %1").arg(errorNumber);
}

QString NotARegularFileText() {
    return QStringLiteral("это не обычный файл");
}

QString NoWritePermissionText() {
    return QStringLiteral("нет прав на запись в файл");
}

QString ProtectedLinkText() {
    return QStringLiteral("система запрещает следовать по символической ссылке другого пользователя в общей "
                          "папке (fs.protected_symlinks)");
}

QString OwnerNotKeptText() {
    return QStringLiteral("нельзя сохранить владельца и группу заменяемого файла");
}

QString FolderErrorText(int errorNumber, const QString& folder) {
    return QStringLiteral("папка «%1»: %2").arg(ShownPath(folder), SystemErrorText(errorNumber));
}

QString PathErrorText(int errorNumber, const QString& path) {
    if (errorNumber == ENOENT)
        return FolderExists(path) ? QStringLiteral("файл не найден")
                                  : QStringLiteral("папка «%1» не существует").arg(ShownPath(FolderOf(path)));
    return SystemErrorText(errorNumber);
}
