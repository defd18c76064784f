#include "tests/support/TestFiles.h"

#include "store/SeriesEvaluation.h"
#include "table/Cp866.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Measurements 12 and 13 of a series whose marks 11, 12 and 13 fall on 5 January at 08:03:07, 08:45:47
// and 09:19:55, at a sensitivity of 250.
SelectedSeries WorkedExampleSeries() {
    InstrumentFileBuilder builder(117, 250);
    builder.series(3, 25);
    for (int k = 0; k <= 10; ++k)
        builder.mark(1, 5, 6, 10 + k, 0);
    builder.mark(1, 5, 8, 3, 7).mark(1, 5, 8, 45, 47).mark(1, 5, 9, 19, 55);
    return EvaluateSeries(ParseBytes(builder.endSeries().endFile().bytes()), 1).series;
}

const TableHeader kWorkedHeader{QStringLiteral("Файл test.rad; Серия N 3"), 117, 250, 1000};

TEST(TableFile, WorkedExampleByteForByte) {
    const SelectedSeries series = WorkedExampleSeries();
    ASSERT_EQ(series.measurementCount, 13);
    const QByteArray bytes = TableFileBytes(
        kWorkedHeader, TableTitles(), {MeasurementRowTexts(series, 12), MeasurementRowTexts(series, 13)});
    // The eight lines in code page 866, each ended by CR LF.
    const QByteArray expected = QByteArray::fromHex("94A0A9AB20746573742E7261643B2091A5E0A8EF204E20330D0A8DAE"
                                                    "ACA5E020AFE0A8A1AEE0A0203131370D0AE7E3A2E1E2A2A8E2"
                                                    "A5ABECADAEE1E2EC3D322E3530202A2031302D352081AA2D31202A20"
                                                    "AC33202A20632D310D0A9D908E803D313030302B2F2D313530"
                                                    "2081AA2FAC330D0A4E20A8A7AC2E202082E0A5ACEF20ADA0E7A0ABA0"
                                                    "2020202020202082E0A5ACEF20AEAAAEADE72E202020202020"
                                                    "2080AAE2A8A2ADAEE1E2EC2C202020209DAAE1AFAEA7A8E6A8EF2C63"
                                                    "0D0A2020202020202020202020202020202020202020202020"
                                                    "20202020202020202020202020202020202020202020202881AA2FAC"
                                                    "33290D0A31322020202020203520EFADA22030383A30333A30"
                                                    "3720202020203520EFADA22030383A34353A34372020202032303030"
                                                    "2B2F2D33303020202020202020202020323536300D0A313320"
                                                    "20202020203520EFADA22030383A34353A343720202020203520EFAD"
                                                    "A22030393A31393A353520202020323530302B2F2D33373520"
                                                    "202020202020202020323034380D0A");
    EXPECT_EQ(bytes, expected);
}

TEST(TableFile, HeaderLinesDescribeTheWholeSeriesWhateverTheSpan) {
    const SelectedSeries series = WorkedExampleSeries();
    const QStringList one = TableFileLines(kWorkedHeader, TableTitles(), {MeasurementRowTexts(series, 1)});
    ASSERT_EQ(one.size(), 7);
    EXPECT_EQ(one[6].left(7), QStringLiteral("1      "));
    EXPECT_EQ(TableFileLines(kWorkedHeader, TableTitles(), {}).size(), 6);
}

TEST(TableFile, ALongActivityIsWrittenWholeAndTheExposureFollowsIt) {
    const RowTexts row{QStringLiteral("7"), QStringLiteral(" 1 янв 00:00:00"),
                       QStringLiteral(" 1 янв 00:00:01"), QStringLiteral("2560000000±384000000"),
                       QStringLiteral("1")};
    EXPECT_EQ(RowLine(row, FileColumns),
              QStringLiteral("7       1 янв 00:00:00     1 янв 00:00:01    2560000000±3840000001"));
    EXPECT_EQ(ToCp866(RowLine(row, FileColumns)).right(23), QByteArray("2560000000+/-3840000001"));
}

TEST(TableFile, LettersBeyondTheBasicAlphabetInTheFileNameKeepTheirMeaning) {
    TableHeader header = kWorkedHeader;
    header.seriesTitle = QStringLiteral("Файл Ёлка№1.rad; Серия N 3");
    const QByteArray bytes = TableFileBytes(header, TableTitles(), {});
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("94A0A9AB20F0ABAAA0FC312E726164")));
}

TEST(TableFile, ProposedNameReplacesTheExtension) {
    EXPECT_EQ(ProposedTableFileName(QStringLiteral("/data/run.7/test.rad")),
              QStringLiteral("/data/run.7/test.txt"));
    EXPECT_EQ(ProposedTableFileName(QStringLiteral("/data/run.7/test")),
              QStringLiteral("/data/run.7/test.txt"));
    EXPECT_EQ(ProposedTableFileName(QStringLiteral("/data/a.b.ser")), QStringLiteral("/data/a.b.txt"));
}

class TableFileWriting : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
};

TEST_F(TableFileWriting, ReplacesAnExistingFileWhole) {
    const QString target = path(QStringLiteral("table.txt"));
    ASSERT_TRUE(WriteTableFile(target, QByteArray(5000, 'x')).ok());
    ASSERT_TRUE(WriteTableFile(target, "short\r\n").ok());
    EXPECT_EQ(Read(target), QByteArray("short\r\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("table.txt")});
}

TEST_F(TableFileWriting, AFolderThatDoesNotExistIsReportedByName) {
    const QString target = path(QStringLiteral("missing/table.txt"));
    const QString error = WriteTableFile(target, "x").message();
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
}

TEST_F(TableFileWriting, AFailedSaveLeavesTheOldFileWhole) {
    const QString folder = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString target = folder + QStringLiteral("/table.txt");
    ASSERT_TRUE(WriteTableFile(target, "old contents\r\n").ok());
    // A read-only folder does not stop the superuser; an immutable one does.
    const bool root = ::geteuid() == 0;
    const bool locked = root
                            ? QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0
                            : QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (!locked)
        GTEST_SKIP() << "cannot make a folder read-only here";
    const QString error = WriteTableFile(target, QByteArray(100000, 'n')).message();
    if (root)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
    EXPECT_EQ(Read(target), QByteArray("old contents\r\n"));
}

} // namespace
