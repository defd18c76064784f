#include "store/InstrumentFile.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class ReadInstrumentFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(ReadInstrumentFileTest, ReadsAtMostTheFirst8196Bytes) {
    QByteArray bytes(9000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i % 251);
    const Result<QByteArray> result = ReadInstrumentFile(write(QStringLiteral("long.rad"), bytes));
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result.value(), bytes.left(8196));
}

TEST_F(ReadInstrumentFileTest, ReadsAnEmptyFile) {
    const Result<QByteArray> result = ReadInstrumentFile(write(QStringLiteral("empty.rad"), QByteArray()));
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.value().isEmpty());
}

TEST_F(ReadInstrumentFileTest, AMissingFileIsAnErrorThatNamesIt) {
    const QString path = dir_.filePath(QStringLiteral("нет такого.rad"));
    const Result<QByteArray> result = ReadInstrumentFile(path);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(path)) << result.message().toStdString();
    EXPECT_TRUE(result.value().isEmpty());
}

TEST_F(ReadInstrumentFileTest, AFolderIsRefused) {
    const Result<QByteArray> result = ReadInstrumentFile(dir_.path());
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(dir_.path()));
}

TEST_F(ReadInstrumentFileTest, AFifoIsRefusedWithoutWaitingForAWriter) {
    const QString path = dir_.filePath(QStringLiteral("pipe.rad"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // Were the pipe opened for reading in the ordinary way, this call would wait for a writer forever.
    const Result<QByteArray> result = ReadInstrumentFile(path);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(path));
}

TEST_F(ReadInstrumentFileTest, ADeviceIsRefused) {
    const Result<QByteArray> result = ReadInstrumentFile(QStringLiteral("/dev/zero"));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.value().isEmpty());
}

TEST_F(ReadInstrumentFileTest, OpeningParsesTheFileAndNamesItByItsPath) {
    const QByteArray bytes = InstrumentFileBuilder(117, 250)
                                 .series(7, 24)
                                 .mark(3, 1, 9, 0, 0)
                                 .mark(3, 1, 9, 10, 0)
                                 .endSeries()
                                 .bytes();
    const QString path = write(QStringLiteral("one.rad"), bytes);
    const Result<InstrumentFile> opened = OpenInstrumentFile(path);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_EQ(opened.value().dataFileName, path);
    EXPECT_EQ(opened.value().deviceNumber, 117);
    EXPECT_EQ(opened.value().sensitivity, 250);
    ASSERT_EQ(opened.value().seriesCount, 1);
    EXPECT_EQ(opened.value().seriesNumbers[1], 7);
    EXPECT_EQ(opened.value().markCount(1), 2);
}

TEST_F(ReadInstrumentFileTest, OpeningWhatIsNoRegularFileGivesTheReadersMessageAndNoSeries) {
    const Result<InstrumentFile> opened = OpenInstrumentFile(dir_.path());
    EXPECT_FALSE(opened.ok());
    EXPECT_EQ(opened.message(), ReadInstrumentFile(dir_.path()).message());
    EXPECT_EQ(opened.value().seriesCount, 0);
    EXPECT_TRUE(opened.value().dataFileName.isEmpty());
}

} // namespace
