#include "store/AtomicFile.h"

#include "store/SystemErrorText.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// The file a write to path lands in: the end of a chain of symbolic links, so the link itself survives.
QString ResolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

QString FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// The temporary file's name is the target's with a point before it and ".xxxxxxxx.tmp" after it. A target
// whose own name is near the file system's limit would push that over it, so its name is cut to leave room:
// the temporary name only has to be unique, not whole.
QString TemporaryStem(const QString& target) {
    constexpr qsizetype kLongestName = 255; // NAME_MAX of the file systems in use
    constexpr qsizetype kAddedBytes = 14;   // ".", ".xxxxxxxx", ".tmp"
    QString stem = QFileInfo(target).fileName();
    while (Native(stem).size() > kLongestName - kAddedBytes)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    return stem;
}

void SyncFolder(const QString& folder) {
    // The rename is durable only once the folder's entry is; a failure here leaves a complete file in place,
    // so it is not reported as a failed save.
    const int descriptor = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

AtomicFile::AtomicFile(const QString& target) : target_(ResolvedTarget(target)) {}

AtomicFile::~AtomicFile() {
    if (!committed_)
        discard();
}

WriteOutcome AtomicFile::failure(int errorNumber) const {
    return {SaveFailureText(target_, PathErrorText(errorNumber, target_))};
}

WriteOutcome AtomicFile::create() {
    struct stat existing {};
    const bool exists = ::stat(Native(target_).constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return failure(errno);
    if (exists && !S_ISREG(existing.st_mode))
        return {SaveFailureText(target_, NotARegularFileText())};

    const QString folder = FolderOf(target_);
    const QString stem = TemporaryStem(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = QStringLiteral("%1/.%2.%3.tmp")
                                      .arg(folder, stem)
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        // 0666 less the umask, as a newly created file gets; an existing file's permissions are kept below.
        descriptor_ = ::open(Native(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0) {
            temporaryPath_ = candidate;
            if (exists)
                ::fchmod(descriptor_, existing.st_mode & 07777);
            return {};
        }
        if (errno != EEXIST)
            return failure(errno);
    }
    return failure(EEXIST);
}

WriteOutcome AtomicFile::write(const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor_, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            discard();
            return failure(error);
        }
        data += written;
        left -= written;
    }
    return {};
}

WriteOutcome AtomicFile::commit() {
    if (descriptor_ < 0)
        return failure(EBADF);
    if (::fsync(descriptor_) != 0) {
        const int error = errno;
        discard();
        return failure(error);
    }
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) {
        const int error = errno;
        discard();
        return failure(error);
    }
    if (::rename(Native(temporaryPath_).constData(), Native(target_).constData()) != 0) {
        const int error = errno;
        discard();
        return failure(error);
    }
    committed_ = true;
    SyncFolder(FolderOf(target_));
    return {};
}

void AtomicFile::closeHandle() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

void AtomicFile::discard() {
    closeHandle();
    if (!temporaryPath_.isEmpty() && !committed_)
        ::unlink(Native(temporaryPath_).constData());
    temporaryPath_.clear();
}

WriteOutcome WriteFileAtomically(const QString& target, const QByteArray& bytes) {
    AtomicFile file(target);
    if (WriteOutcome created = file.create(); !created.ok())
        return created;
    if (WriteOutcome written = file.write(bytes); !written.ok())
        return written;
    return file.commit();
}

QString SaveFailureText(const QString& target, const QString& cause) {
    return QStringLiteral("Не удалось сохранить файл «%1»: %2.").arg(target, cause);
}
