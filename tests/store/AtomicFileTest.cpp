#include "store/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
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
        const WriteOutcome outcome = WriteFileAtomically(path(name), "whole");
        ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
        EXPECT_EQ(ReadAll(path(name)), "whole");
    }
    EXPECT_EQ(Entries(folder.path()).size(), 2);
}

TEST_F(AtomicFileTest, TheMessageNamesTheFileAndTheCauseInRussian) {
    const QString missing = path("no-such-folder/table.txt");
    const WriteOutcome outcome = WriteFileAtomically(missing, "x");
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error, QStringLiteral("Не удалось сохранить файл «%1»: папка «%2» не существует.")
                                 .arg(missing, path("no-such-folder")));
    EXPECT_FALSE(QFileInfo::exists(path("no-such-folder")));
}

TEST_F(AtomicFileTest, SpecialFilesAreRefusedNeverReplaced) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    for (const QString& name : {QStringLiteral("pipe"), QStringLiteral("folder")}) {
        const WriteOutcome outcome = WriteFileAtomically(path(name), "x");
        ASSERT_FALSE(outcome.ok()) << name.toStdString();
        EXPECT_TRUE(outcome.error.endsWith(QStringLiteral("это не обычный файл.")))
            << outcome.error.toStdString();
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
        EXPECT_TRUE(QFileInfo::exists(file.temporaryPath()));
        EXPECT_EQ(QFileInfo(file.temporaryPath()).absolutePath(),
                  QFileInfo(folder.path()).absoluteFilePath());
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
