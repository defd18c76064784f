#include "store/SystemErrorText.h"
#include "store/InstrumentFile.h"
#include "table/TableFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool HasLatinWord(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

// Drops what a message quotes in «» (file and folder names), which may be in any letters.
QString Unquoted(const QString& message) {
    QString words = message;
    return words.remove(QRegularExpression(QStringLiteral("«[^»]*»")));
}

TEST(SystemErrorText, TheCommonCausesAreSaidInRussianEachInItsOwnWords) {
    const int common[] = {ENOENT, ENOTDIR, EISDIR, EACCES, ENOSPC, EROFS, EFBIG, ENAMETOOLONG, EIO};
    QStringList texts;
    for (const int error : common) {
        const QString text = SystemErrorText(error);
        SCOPED_TRACE(std::strerror(error));
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(HasLatinWord(text)) << text.toStdString();
        EXPECT_FALSE(texts.contains(text)) << "said like another cause: " << text.toStdString();
        texts << text;
    }
    // No permission, and a full disk, are one cause each for the user, whichever the system names.
    EXPECT_EQ(SystemErrorText(EPERM), SystemErrorText(EACCES));
    EXPECT_EQ(SystemErrorText(EDQUOT), SystemErrorText(ENOSPC));
    EXPECT_FALSE(HasLatinWord(NotARegularFileText()));
}

TEST(SystemErrorText, EveryCauseAWriteCanMeetIsSaidInRussian) {
    // The rarer causes of a save too: none may put the system's English into a Russian sentence.
    const int rarer[] = {ELOOP, EBUSY,  ETXTBSY, EDQUOT,     EXDEV,     EMLINK, ENXIO,  EINVAL,
                         EBADF, EAGAIN, EINTR,   ENOMEM,     EMFILE,    ENFILE, ESTALE, EOVERFLOW,
                         EPIPE, EEXIST, ENODEV,  EOPNOTSUPP, ETIMEDOUT, ENOLCK, 0xBEEF};
    for (const int error : rarer) {
        const QString text = SystemErrorText(error);
        EXPECT_FALSE(text.isEmpty()) << error;
        EXPECT_FALSE(HasLatinWord(text)) << text.toStdString();
    }
    EXPECT_EQ(SystemErrorText(0xBEEF), QStringLiteral("системная ошибка номер 48879"));
    EXPECT_NE(SystemErrorText(ELOOP), SystemErrorText(EBUSY));
}

class PathErrors : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString file(const QString& name) {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("x");
        return out.fileName();
    }
    QTemporaryDir dir_;
};

TEST_F(PathErrors, AMissingFolderIsToldApartFromAMissingFile) {
    const QString inFolder = PathErrorText(ENOENT, path(QStringLiteral("absent.rad")));
    const QString noFolder = PathErrorText(ENOENT, path(QStringLiteral("absent/file.rad")));
    EXPECT_EQ(inFolder, QStringLiteral("файл не найден"));
    EXPECT_TRUE(noFolder.contains(QStringLiteral("папка"))) << noFolder.toStdString();
    EXPECT_TRUE(noFolder.contains(path(QStringLiteral("absent")))) << noFolder.toStdString();
    EXPECT_FALSE(HasLatinWord(Unquoted(noFolder)));
}

TEST_F(PathErrors, ReadingThroughAFileIsRefusedInRussian) {
    const QString through = file(QStringLiteral("series.rad")) + QStringLiteral("/inner.rad");
    const Result<QByteArray> result = ReadInstrumentFile(through);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(through));
    EXPECT_EQ(result.message(),
              QStringLiteral("Не удалось открыть файл «%1»: %2").arg(through, SystemErrorText(ENOTDIR)));
}

TEST_F(PathErrors, ReadingFromAMissingFolderNamesTheFolder) {
    const QString missing = path(QStringLiteral("gone/series.rad"));
    const Result<QByteArray> result = ReadInstrumentFile(missing);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(
        QStringLiteral("папка «%1» не существует").arg(path(QStringLiteral("gone")))))
        << result.message().toStdString();
}

// A folder nobody may write into: read-only for a user, immutable for the superuser.
class LockedFolder {
public:
    explicit LockedFolder(const QString& folder) : folder_(folder) {
        root_ = ::geteuid() == 0;
        locked_ = root_ ? QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder_}) == 0
                        : QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~LockedFolder() {
        if (root_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder_});
        else
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool locked() const { return locked_; }

private:
    QString folder_;
    bool root_ = false;
    bool locked_ = false;
};

TEST_F(PathErrors, ASaveIntoALockedFolderSaysThereIsNoPermission) {
    const QString folder = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString target = folder + QStringLiteral("/table.txt");
    QString error;
    {
        LockedFolder lock(folder);
        if (!lock.locked())
            GTEST_SKIP() << "cannot lock a folder here";
        error = WriteTableFile(target, "x").message();
    }
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
    EXPECT_TRUE(error.contains(SystemErrorText(EACCES))) << error.toStdString();
    EXPECT_FALSE(HasLatinWord(Unquoted(error))) << error.toStdString();
}

} // namespace
