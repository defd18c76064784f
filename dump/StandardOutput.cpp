#include "dump/StandardOutput.h"

#include "store/SystemErrorText.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

// The cause of a failed step; a stream that failed without saying why still failed.
int CauseOr(int fallback) {
    return errno != 0 ? errno : fallback;
}

} // namespace

QString WriteAndClose(std::FILE* stream, const QByteArray& bytes, const QString& streamName) {
    int error = 0;
    errno = 0;
    const auto size = static_cast<size_t>(bytes.size());
    if (size > 0 && std::fwrite(bytes.constData(), 1, size, stream) != size)
        error = CauseOr(EIO);
    errno = 0;
    if (std::fflush(stream) != 0 && error == 0)
        error = CauseOr(EIO);
    if (std::ferror(stream) && error == 0)
        error = EIO;
    errno = 0;
    if (std::fclose(stream) != 0 && error == 0)
        error = CauseOr(EIO);
    if (error == 0)
        return QString();
    return QCoreApplication::translate("StandardOutput", "Не удалось записать %1: %2.")
        .arg(streamName, SystemErrorText(error));
}

QString StandardOutputName() {
    return QCoreApplication::translate("StandardOutput", "стандартный вывод");
}
