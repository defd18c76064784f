#include "store/AtomicFile.h"

#include "store/NativePath.h"
#include "store/SystemErrorText.h"
#include "store/TemporaryCleanup.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray DescriptorPath(int descriptor) {
    return "/proc/self/fd/" + QByteArray::number(descriptor);
}

// The path of the file open as descriptor, as the kernel found it (links followed), or empty.
QByteArray OpenedPath(int descriptor) {
    char buffer[PATH_MAX + 1];
    const ssize_t length = ::readlink(DescriptorPath(descriptor).constData(), buffer, PATH_MAX);
    return length > 0 && buffer[0] == '/' ? QByteArray(buffer, length) : QByteArray();
}

// A short name, so that a temporary file fits wherever its target does.
QByteArray TemporaryName() {
    return ".rv" +
           QByteArray::number(QRandomGenerator::global()->bounded(1u << 30), 36).rightJustified(6, '0');
}

// A symbolic link in a sticky folder (the temporary folder) that fs.protected_symlinks forbids to follow:
// the kernel's EACCES then has this cause rather than the file's permissions.
bool IsStickyFolderLink(const QByteArray& path) {
    struct stat link {};
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return false;
    const qsizetype cut = path.lastIndexOf('/');
    const QByteArray folder = cut < 0 ? QByteArray(".") : cut == 0 ? QByteArray("/") : path.left(cut);
    struct stat folderStat {};
    return ::stat(folder.constData(), &folderStat) == 0 && (folderStat.st_mode & S_ISVTX) != 0;
}

// Blocks the signals that end a program while a named temporary file is linked in and renamed, so that no
// name is left between the two steps.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &former_);
    }
    ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &former_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t former_;
};

} // namespace

AtomicFile::AtomicFile(const QString& target) : target_(target) {}

AtomicFile::~AtomicFile() {
    if (!committed_)
        discard();
    if (folderDescriptor_ >= 0)
        ::close(folderDescriptor_);
}

Outcome AtomicFile::failure(int errorNumber) const {
    return Outcome::failure(SaveFailureText(target_, PathErrorText(errorNumber, target_)));
}

// Errors met creating, linking or renaming in the folder are the folder's, and the message names it.
Outcome AtomicFile::folderFailure(int errorNumber) const {
    return Outcome::failure(SaveFailureText(target_, FolderErrorText(errorNumber, PathFromNative(folder_))));
}

Outcome AtomicFile::probeTarget() {
    const QByteArray path = NativePath(target_);
    struct stat existing {};
    QByteArray landing = path;
    if (::stat(path.constData(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return Outcome::failure(SaveFailureText(target_, NotARegularFileText()));
        // Asked as `>` asks, O_CREAT included (fs.protected_regular looks at it): the kernel answers for the
        // permissions, the file system and the link. Nothing is written through this handle and the file is
        // not truncated.
        const dev_t device = existing.st_dev;
        const ino_t inode = existing.st_ino;
        const int probe =
            ::open(path.constData(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
        if (probe < 0) {
            const int error = errno;
            if (error == EACCES && IsStickyFolderLink(path))
                return Outcome::failure(SaveFailureText(target_, ProtectedLinkText()));
            if (error == EACCES)
                return Outcome::failure(SaveFailureText(target_, NoWritePermissionText()));
            return failure(error);
        }
        const bool regular = ::fstat(probe, &existing) == 0 && S_ISREG(existing.st_mode);
        landing = OpenedPath(probe);
        ::close(probe);
        // Removed between the two looks and made anew, empty, by the probe: that one is ours to drop.
        createdEmpty_ = regular && (existing.st_dev != device || existing.st_ino != inode);
        if (!regular)
            return Outcome::failure(SaveFailureText(target_, NotARegularFileText()));
        replaces_ = !createdEmpty_;
        ownerId_ = existing.st_uid;
        groupId_ = existing.st_gid;
        mode_ = existing.st_mode & 0777;
    } else if (errno == ENOENT && ::lstat(path.constData(), &existing) == 0) {
        // A link to a file not yet there: `>` creates the file it names, if the kernel lets it.
        const int probe = ::open(path.constData(), O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC, 0666);
        if (probe < 0)
            return errno == EACCES && IsStickyFolderLink(path)
                       ? Outcome::failure(SaveFailureText(target_, ProtectedLinkText()))
                       : failure(errno);
        createdEmpty_ = true;
        landing = OpenedPath(probe);
        ::close(probe);
    } else if (errno == EACCES && IsStickyFolderLink(path)) {
        return Outcome::failure(
            SaveFailureText(target_, ProtectedLinkText())); // even looking through the link is refused
    } else if (errno != ENOENT) {
        return failure(errno);
    }
    if (landing.isEmpty())
        landing = path; // no /proc: the name given, which then is no link the kernel refused
    const qsizetype cut = landing.lastIndexOf('/');
    name_ = landing.mid(cut + 1);
    folder_ = cut < 0 ? QByteArray(".") : cut == 0 ? QByteArray("/") : landing.left(cut);
    if (name_.isEmpty() || name_ == "." || name_ == "..")
        return failure(EISDIR);
    return {};
}

Outcome AtomicFile::openTemporary() {
    folderDescriptor_ = ::open(folder_.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor_ < 0)
        return errno == ENOENT ? failure(ENOENT) : folderFailure(errno);
    // 0666 less the umask, as a newly created file gets; a replaced file's mode is set afterwards.
    descriptor_ = ::openat(folderDescriptor_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor_ >= 0 && ::access("/proc/self/fd", X_OK) == 0) {
        unnamed_ = true;
        return {};
    }
    if (descriptor_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return folderFailure(errno);
    if (descriptor_ >= 0)
        ::close(descriptor_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = TemporaryName();
        held_ = std::make_unique<HeldTemporaryName>(folderDescriptor_, name.constData());
        descriptor_ =
            ::openat(folderDescriptor_, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0) {
            temporary_ = name;
            return {};
        }
        held_.reset();
        if (errno != EEXIST)
            return folderFailure(errno);
    }
    return folderFailure(EEXIST);
}

// The owner and group of the file replaced, or the save is refused: a file of another user that root
// saves over must stay readable by its owner. Its permissions follow, without setuid, setgid and sticky.
Outcome AtomicFile::keepOwnerAndMode() {
    if (!replaces_)
        return {};
    struct stat created {};
    if (::fstat(descriptor_, &created) != 0)
        return failure(errno);
    if ((created.st_uid != ownerId_ || created.st_gid != groupId_) &&
        ::fchown(descriptor_, ownerId_, groupId_) != 0)
        return Outcome::failure(SaveFailureText(target_, OwnerNotKeptText()));
    if (::fchmod(descriptor_, mode_) != 0)
        return failure(errno);
    return {};
}

Outcome AtomicFile::create() {
    if (Outcome probed = probeTarget(); !probed.ok())
        return probed;
    Outcome outcome = openTemporary();
    if (outcome.ok())
        outcome = keepOwnerAndMode();
    if (!outcome.ok())
        discard();
    return outcome;
}

QString AtomicFile::temporaryPath() const {
    if (descriptor_ < 0)
        return QString();
    if (unnamed_)
        return QString::fromLatin1(DescriptorPath(descriptor_));
    return PathFromNative(folder_ + '/' + temporary_);
}

Outcome AtomicFile::write(const QByteArray& bytes) {
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

// Gives the unnamed file its name: at once the target's where there is none to replace, else a temporary
// name to rename from. Answers 0 or the error.
int AtomicFile::linkInPlace() {
    const QByteArray source = DescriptorPath(descriptor_);
    if (!replaces_ && !createdEmpty_) {
        if (::linkat(AT_FDCWD, source.constData(), folderDescriptor_, name_.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = TemporaryName();
        held_ = std::make_unique<HeldTemporaryName>(folderDescriptor_, name.constData());
        if (::linkat(AT_FDCWD, source.constData(), folderDescriptor_, name.constData(), AT_SYMLINK_FOLLOW) ==
            0) {
            temporary_ = name;
            return 0;
        }
        held_.reset();
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

Outcome AtomicFile::commit() {
    if (descriptor_ < 0)
        return failure(EBADF);
    if (::fsync(descriptor_) != 0) {
        const int error = errno;
        discard();
        return failure(error);
    }
    SignalsHeld held;
    if (unnamed_) {
        if (const int error = linkInPlace(); error != 0) {
            discard();
            return folderFailure(error);
        }
    }
    const int closed = ::close(descriptor_);
    const int closeError = errno;
    descriptor_ = -1;
    if (closed != 0) {
        if (unnamed_ && temporary_.isEmpty())
            ::unlinkat(folderDescriptor_, name_.constData(), 0); // linked as the target above, but not whole
        discard();
        return failure(closeError);
    }
    if (!temporary_.isEmpty()) {
        if (::renameat(folderDescriptor_, temporary_.constData(), folderDescriptor_, name_.constData()) !=
            0) {
            const int error = errno;
            discard();
            return folderFailure(error);
        }
        temporary_.clear();
        held_.reset();
    }
    committed_ = true;
    // The new entry is durable only once the folder is; a failure here leaves a complete file in place, so
    // it is not reported as a failed save.
    const int folder = ::openat(folderDescriptor_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

void AtomicFile::discard() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.isEmpty() && !committed_)
        ::unlinkat(folderDescriptor_, temporary_.constData(), 0);
    temporary_.clear();
    held_.reset();
    if (createdEmpty_ && !committed_ && folderDescriptor_ >= 0)
        ::unlinkat(folderDescriptor_, name_.constData(), 0); // the empty file made to ask the kernel
    createdEmpty_ = false;
}

Outcome WriteFileAtomically(const QString& target, const QByteArray& bytes) {
    AtomicFile file(target);
    if (Outcome created = file.create(); !created.ok())
        return created;
    if (Outcome written = file.write(bytes); !written.ok())
        return written;
    return file.commit();
}

QString SaveFailureText(const QString& target, const QString& cause) {
    return QCoreApplication::translate("AtomicFile", "Не удалось сохранить файл «%1»: %2.")
        .arg(ShownPath(target), cause);
}

bool IsStandardOutputPath(const QString& path) {
    struct stat output {};
    struct stat named {};
    return ::fstat(STDOUT_FILENO, &output) == 0 && ::stat(NativePath(path).constData(), &named) == 0 &&
           output.st_dev == named.st_dev && output.st_ino == named.st_ino;
}
