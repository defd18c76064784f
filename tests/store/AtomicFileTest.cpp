#include "store/AtomicFile.h"
#include "store/NativePath.h"
#include "store/SystemErrorText.h"
#include "store/TemporaryCleanup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs the write in a child process whose file size limit is `limit` bytes, with SIGXFSZ ignored so that
// an oversized write fails with EFBIG instead of killing the process: the way a full disk looks to the
// writer. The child's exit status says whether the write reported success (0) or failure (1).
int WriteUnderSizeLimit(const QString& target, const QByteArray& bytes, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        _exit(WriteFileAtomically(target, bytes).ok() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class AtomicFileTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path(const QString& name) const { return folder.filePath(name); }
};

} // namespace

TEST_F(AtomicFileTest, WritesANewFileAndReplacesAnOldOneLeavingNothingElse) {
    ASSERT_TRUE(WriteFileAtomically(path("table.txt"), "first").ok());
    EXPECT_EQ(ReadAll(path("table.txt")), "first");
    ASSERT_TRUE(WriteFileAtomically(path("table.txt"), "second, longer").ok());
    EXPECT_EQ(ReadAll(path("table.txt")), "second, longer");
    EXPECT_EQ(Entries(folder.path()), QStringList{"table.txt"});
}

TEST_F(AtomicFileTest, KeepsThePermissionsOfTheFileItReplaces) {
    WriteRaw(path("kept.txt"), "old");
    ASSERT_TRUE(QFile::setPermissions(path("kept.txt"), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(WriteFileAtomically(path("kept.txt"), "new").ok());
    struct stat replaced {};
    ASSERT_EQ(stat(QFile::encodeName(path("kept.txt")).constData(), &replaced), 0);
    EXPECT_EQ(replaced.st_mode & 0777, 0600u);
}

TEST_F(AtomicFileTest, ASymbolicLinkKeepsPointingAtTheReplacedFile) {
    WriteRaw(path("real.txt"), "old");
    ASSERT_TRUE(QFile::link(path("real.txt"), path("link.txt")));
    ASSERT_TRUE(WriteFileAtomically(path("link.txt"), "new").ok());
    EXPECT_TRUE(QFileInfo(path("link.txt")).isSymLink());
    EXPECT_EQ(ReadAll(path("real.txt")), "new");
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    WriteRaw(path("old.txt"), "twenty bytes of text");
    // Nothing at all can be written, as on a full disk.
    EXPECT_EQ(WriteUnderSizeLimit(path("old.txt"), QByteArray(100, 'x'), 0), 1);
    EXPECT_EQ(ReadAll(path("old.txt")), "twenty bytes of text");
    EXPECT_EQ(Entries(folder.path()), QStringList{"old.txt"});
    // Part of it can be written: the old file still stands and the partial copy is gone.
    EXPECT_EQ(WriteUnderSizeLimit(path("old.txt"), QByteArray(12321, 'y'), 8192), 1);
    EXPECT_EQ(ReadAll(path("old.txt")), "twenty bytes of text");
    EXPECT_EQ(Entries(folder.path()), QStringList{"old.txt"});
    // The same write within the limit succeeds, so the failures above came from the limit.
    EXPECT_EQ(WriteUnderSizeLimit(path("old.txt"), QByteArray(12321, 'y'), 1 << 20), 0);
    EXPECT_EQ(ReadAll(path("old.txt")).size(), 12321);
}

TEST_F(AtomicFileTest, ANameAtTheFileSystemsLimitIsSavedToo) {
    // 255 bytes is the longest name a folder entry can hold; the temporary name must still fit beside it.
    const QString longest(255, QLatin1Char('a'));
    const QString cyrillic = QString(127, QChar(0x0436)) + QLatin1Char('z'); // 2 bytes a letter, 255 in all
    for (const QString& name : {longest, cyrillic}) {
        const Outcome outcome = WriteFileAtomically(path(name), "whole");
        ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();
        EXPECT_EQ(ReadAll(path(name)), "whole");
    }
    EXPECT_EQ(Entries(folder.path()).size(), 2);
}

TEST_F(AtomicFileTest, TheMessageNamesTheFileAndTheCauseInRussian) {
    const QString missing = path("no-such-folder/table.txt");
    const Outcome outcome = WriteFileAtomically(missing, "x");
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message(), QStringLiteral("Не удалось сохранить файл «%1»: папка «%2» не существует.")
                                     .arg(missing, path("no-such-folder")));
    EXPECT_FALSE(QFileInfo::exists(path("no-such-folder")));
}

TEST_F(AtomicFileTest, SpecialFilesAreRefusedNeverReplaced) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    for (const QString& name : {QStringLiteral("pipe"), QStringLiteral("folder")}) {
        const Outcome outcome = WriteFileAtomically(path(name), "x");
        ASSERT_FALSE(outcome.ok()) << name.toStdString();
        EXPECT_TRUE(outcome.message().endsWith(QStringLiteral("это не обычный файл.")))
            << outcome.message().toStdString();
    }
    struct stat pipe {};
    ASSERT_EQ(lstat(QFile::encodeName(path("pipe")).constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_EQ(Entries(folder.path()).size(), 2);
}

TEST_F(AtomicFileTest, ADiscardedFileLeavesTheTargetAlone) {
    WriteRaw(path("report.pdf"), "old");
    {
        AtomicFile file(path("report.pdf"));
        ASSERT_TRUE(file.create().ok());
        // An unnamed file reached through /proc/self/fd, or a named one: either way in the target's folder.
        EXPECT_TRUE(QFileInfo::exists(file.temporaryPath()));
        const QFileInfo temporary(file.temporaryPath());
        const QString where = temporary.isSymLink() ? QFileInfo(temporary.symLinkTarget()).absolutePath()
                                                    : temporary.absolutePath();
        EXPECT_EQ(where, QFileInfo(folder.path()).canonicalFilePath());
        ASSERT_TRUE(file.write("half a page").ok());
    }
    EXPECT_EQ(ReadAll(path("report.pdf")), "old");
    EXPECT_EQ(Entries(folder.path()), QStringList{"report.pdf"});
}

TEST_F(AtomicFileTest, AWriterByNameFillsTheTemporaryFileBeforeCommit) {
    AtomicFile file(path("graph.pdf"));
    ASSERT_TRUE(file.create().ok());
    WriteRaw(file.temporaryPath(), "%PDF-1.4 ... %%EOF");
    ASSERT_TRUE(file.commit().ok());
    EXPECT_EQ(ReadAll(path("graph.pdf")), "%PDF-1.4 ... %%EOF");
    EXPECT_EQ(Entries(folder.path()), QStringList{"graph.pdf"});
}

namespace {

constexpr uid_t kOtherUser = 12345;
constexpr uid_t kThirdUser = 12346;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

struct stat StatOf(const QString& path) {
    struct stat st {};
    ::stat(Native(path).constData(), &st);
    return st;
}

// Runs fn in a child process acting as user uid (group uid too), which only the superuser can arrange;
// answers the child's exit status, or -1 when it could not be run so.
template <typename Fn> int RunAs(uid_t uid, Fn fn) {
    const pid_t child = fork();
    if (child == 0) {
        if (::setresgid(uid, uid, uid) != 0 || ::setresuid(uid, uid, uid) != 0)
            _exit(99);
        _exit(fn());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 99 ? WEXITSTATUS(status) : -1;
}

// fs.protected_symlinks set to 1 for the test where it is not (the usual setting of distributions) and
// the superuser may set it, and put back as it was afterwards.
class ProtectedSymlinks {
public:
    ProtectedSymlinks() {
        former_ = Read();
        if (former_ != "1" && Write("1"))
            changed_ = true;
    }
    ~ProtectedSymlinks() {
        if (changed_)
            Write(former_);
    }
    ProtectedSymlinks(const ProtectedSymlinks&) = delete;
    ProtectedSymlinks& operator=(const ProtectedSymlinks&) = delete;
    bool on() const { return Read() == "1"; }

private:
    static QByteArray Read() {
        QFile setting(QString::fromLatin1(kSetting));
        return setting.open(QIODevice::ReadOnly) ? setting.readAll().trimmed() : QByteArray();
    }
    static bool Write(const QByteArray& value) {
        QFile setting(QString::fromLatin1(kSetting));
        return setting.open(QIODevice::WriteOnly) && setting.write(value + '\n') > 0 && setting.flush();
    }
    static constexpr const char* kSetting = "/proc/sys/fs/protected_symlinks";
    QByteArray former_;
    bool changed_ = false;
};

class AtomicFileAsShell : public AtomicFileTest {
protected:
    bool root() const { return ::geteuid() == 0; }
};

TEST_F(AtomicFileAsShell, ALinkThatProtectedSymlinksForbidsIsRefusedAndItsTargetKept) {
    if (!root())
        GTEST_SKIP() << "planting another user's link needs the superuser";
    const ProtectedSymlinks protection;
    if (!protection.on())
        GTEST_SKIP() << "fs.protected_symlinks is not 1 here and cannot be set by a test";
    // A sticky world-writable folder of one user, a link in it of another, the follower a third (root).
    const QString shared = path("shared");
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(Native(shared).constData(), 01777), 0);
    ASSERT_EQ(::chown(Native(shared).constData(), kThirdUser, kThirdUser), 0);
    WriteRaw(path("secret"), "only root reads this");
    ASSERT_EQ(::chmod(Native(path("secret")).constData(), 0600), 0);
    const QString link = shared + QStringLiteral("/t.txt");
    ASSERT_EQ(::symlink(Native(path("secret")).constData(), Native(link).constData()), 0);
    ASSERT_EQ(::lchown(Native(link).constData(), kOtherUser, kOtherUser), 0);
    // The shell's `>` is refused there, so the setting is in force.
    ASSERT_NE(QProcess::execute(QStringLiteral("sh"),
                                {QStringLiteral("-c"), QStringLiteral("echo x > \"$0\""), link}),
              0);

    const Outcome outcome = WriteFileAtomically(link, "replaced");
    ASSERT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.message().contains(ProtectedLinkText())) << outcome.message().toStdString();
    EXPECT_EQ(ReadAll(path("secret")), "only root reads this");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST_F(AtomicFileAsShell, AReplacedFileKeepsItsOwnerAndGroupAndLosesSetuidAndSetgid) {
    if (!root())
        GTEST_SKIP() << "a file of another user needs the superuser";
    WriteRaw(path("theirs.txt"), "old");
    ASSERT_EQ(::chown(Native(path("theirs.txt")).constData(), kOtherUser, kThirdUser), 0);
    ASSERT_EQ(::chmod(Native(path("theirs.txt")).constData(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path("theirs.txt"), "new").ok());
    const struct stat theirs = StatOf(path("theirs.txt"));
    EXPECT_EQ(theirs.st_uid, kOtherUser);
    EXPECT_EQ(theirs.st_gid, kThirdUser);
    EXPECT_EQ(theirs.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadAll(path("theirs.txt")), "new");

    WriteRaw(path("program"), "old");
    ASSERT_EQ(::chmod(Native(path("program")).constData(), 06755), 0);
    ASSERT_TRUE(WriteFileAtomically(path("program"), "new").ok());
    EXPECT_EQ(StatOf(path("program")).st_mode & 07777, 0755u);
}

TEST_F(AtomicFileAsShell, AFileTheUserMayNotWriteOrWhoseOwnerCannotBeKeptIsRefused) {
    if (!root())
        GTEST_SKIP() << "acting as another user needs the superuser";
    ASSERT_EQ(::chmod(Native(folder.path()).constData(), 0777), 0);
    WriteRaw(path("protected.txt"), "old");
    ASSERT_EQ(::chown(Native(path("protected.txt")).constData(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(::chmod(Native(path("protected.txt")).constData(), 0444), 0);
    WriteRaw(path("shared.txt"), "old");
    ASSERT_EQ(::chown(Native(path("shared.txt")).constData(), kThirdUser, kThirdUser), 0);
    ASSERT_EQ(::chmod(Native(path("shared.txt")).constData(), 0666), 0);
    const QString readOnly = path("protected.txt");
    const QString shared = path("shared.txt");
    // Exit 1: refused with the expected cause; 2: refused otherwise; 0: written.
    const auto refusedWith = [](const QString& target, const QString& cause) {
        const Outcome outcome = WriteFileAtomically(target, "new");
        return outcome.ok() ? 0 : outcome.message().contains(cause) ? 1 : 2;
    };
    EXPECT_EQ(RunAs(kOtherUser, [&] { return refusedWith(readOnly, NoWritePermissionText()); }), 1);
    EXPECT_EQ(RunAs(kOtherUser, [&] { return refusedWith(shared, OwnerNotKeptText()); }), 1);
    EXPECT_EQ(ReadAll(readOnly), "old");
    EXPECT_EQ(ReadAll(shared), "old");
    EXPECT_EQ(Entries(folder.path()).size(), 2);
}

TEST_F(AtomicFileAsShell, NoSignalDuringAWriteLeavesATemporaryFile) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
        WriteRaw(path("t.txt"), "old");
        const pid_t child = fork();
        if (child == 0) {
            AtomicFile file(path("t.txt"));
            if (!file.create().ok() || !file.write(QByteArray(100000, 'x')).ok())
                _exit(3);
            ::kill(::getpid(), signal);
            ::pause();
            _exit(4);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << signal;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(Entries(folder.path()), QStringList{"t.txt"}) << signal;
        EXPECT_EQ(ReadAll(path("t.txt")), "old");
    }
}

TEST_F(AtomicFileAsShell, APathAsLongAsTheSystemTakesIsSaved) {
    // Folders of 200-byte names down to a path of 4090 bytes, the file's name making up the rest.
    QString deep = folder.path();
    while (deep.size() + 1 + 200 + 1 + 10 < 4090) {
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
        ASSERT_EQ(::mkdir(Native(deep).constData(), 0700), 0) << deep.size();
    }
    const QString target = deep + QLatin1Char('/') + QString(4090 - deep.size() - 1, QLatin1Char('f'));
    ASSERT_EQ(Native(target).size(), 4090);
    const Outcome outcome = WriteFileAtomically(target, "whole");
    ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();
    EXPECT_EQ(ReadAll(target), "whole");
    // Replaced too, and nothing else in its folder.
    ASSERT_TRUE(WriteFileAtomically(target, "again").ok());
    EXPECT_EQ(ReadAll(target), "again");
    EXPECT_EQ(Entries(deep).size(), 1);
}

TEST_F(AtomicFileAsShell, ANameThatIsNoUtf8IsWrittenUnderItsOwnBytes) {
    const QByteArray bytes = Native(folder.path()) + "/out\xe4.txt";
    const QString target = PathFromNative(bytes);
    ASSERT_TRUE(WriteFileAtomically(target, "x").ok());
    // Qt's own listing passes over names it cannot decode: the folder is read as bytes.
    QList<QByteArray> names;
    if (DIR* entries = ::opendir(Native(folder.path()).constData())) {
        while (const dirent* entry = ::readdir(entries))
            if (entry->d_name[0] != '.')
                names << QByteArray(entry->d_name);
        ::closedir(entries);
    }
    EXPECT_EQ(names, QList<QByteArray>{"out\xe4.txt"});
    EXPECT_EQ(NativePath(target), bytes);
    ::unlink(bytes.constData()); // which QTemporaryDir could not see to remove
}

TEST(NativePath, BytesThatAreNoUtf8RoundTripAndShowAsReplacementCharacters) {
    const QByteArray names[] = {"plain.rad",        "\xd0\xb4\xd0\xb0\xd0\xbd\xd0\xbd\xd1\x8b\xd0\xb5.rad",
                                "data\xe4.rad",     "\xff\xfe",
                                "\xed\xb2\x80",     "\xc0\xaf",
                                "\xf0\x9f\x98\x80", "a\xe4"};
    for (const QByteArray& name : names)
        EXPECT_EQ(NativePath(PathFromNative(name)), name) << name.toHex().toStdString();
    EXPECT_EQ(PathFromNative("\xd0\xb4"), QStringLiteral("д"));
    EXPECT_EQ(ShownPath(PathFromNative("data\xe4.rad")), QStringLiteral("data\uFFFD.rad"));
}

} // namespace

namespace {

// Where a file system has no unnamed files, the named temporary file is held for the signal handlers.
TEST(HeldTemporaryName, AnEndingSignalRemovesTheHeldFileAndEndsTheProgramAsItWould) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir folder;
        const pid_t child = fork();
        if (child == 0) {
            const int descriptor = ::open(QFile::encodeName(folder.path()).constData(), O_PATH | O_DIRECTORY);
            const int file = ::openat(descriptor, ".rv000001", O_WRONLY | O_CREAT | O_EXCL, 0600);
            if (descriptor < 0 || file < 0)
                _exit(3);
            const HeldTemporaryName held(descriptor, ".rv000001");
            ::kill(::getpid(), signal);
            ::pause();
            _exit(4);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << signal;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_TRUE(Entries(folder.path()).isEmpty())
            << signal << Entries(folder.path()).join(' ').toStdString();
    }
}

} // namespace
