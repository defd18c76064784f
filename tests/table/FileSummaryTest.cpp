#include "tests/support/MarkSeries.h"

#include "table/FileSummary.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kHeader = "file,instrument,sensitivity,series,number,first,last,measurements,bad_marks,"
                           "average_bq_m3,max_bq_m3,refused\r\n";

// The fields of one CSV record (without its line end), quotes undone.
QStringList SplitRecord(const QString& record) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < record.size() && record[i + 1] == QLatin1Char('"'))
            fields.back() += record[++i];
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            fields.append(QString());
        else
            fields.back() += c;
    }
    return fields;
}

// The records of CSV text whose lines all end in CR LF.
std::vector<QStringList> Records(const QByteArray& csv) {
    EXPECT_TRUE(csv.endsWith("\r\n"));
    std::vector<QStringList> records;
    for (const QString& line : QString::fromUtf8(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        records.push_back(SplitRecord(line));
    return records;
}

QString SamplePath(const char* name) {
    return QDir(QStringLiteral(RADVIEW_SAMPLES_DIR)).filePath(QString::fromLatin1(name));
}

TEST(FileSummary, HeaderNamesTheColumns) {
    EXPECT_EQ(SummaryCsvHeader(), kHeader);
}

TEST(FileSummary, ASeriesAcrossTheNewYearAndARefusedOneByteForByte) {
    // The series of the CSV tests (5 measurements, a bad mark, T = 16320 s: 5 × 1.28e9 / (16320 × 1000) =
    // 392.2, maximum 667), then a run of a single mark.
    InstrumentFileBuilder builder(7, 1000);
    builder.series(42, 25)
        .mark(12, 31, 22, 0, 0)
        .mark(12, 31, 23, 20, 0)
        .mark(1, 1, 0, 40, 0)
        .mark(1, 1, 25, 0, 0)
        .mark(1, 1, 2, 0, 0)
        .mark(1, 1, 2, 32, 0)
        .endSeries();
    builder.series(43, 26).mark(2, 1, 8, 0, 0).endSeries().endFile();
    const QString name = QStringLiteral("data/new \"year\", 2026.rad");
    const QByteArray expected =
        QStringLiteral(
            "\"data/new \"\"year\"\", 2026.rad\",7,1000,1,42,2025-12-31T22:00:00,2026-01-01T02:32:00,"
            "5,1,392,667,\r\n"
            "\"data/new \"\"year\"\", 2026.rad\",7,1000,2,43,,,,,,,Серия не определена. Нет  измерений\r\n")
            .toUtf8();
    EXPECT_EQ(FileSummaryCsv(name, ParseBytes(builder.bytes())), expected);
}

TEST(FileSummary, RefusedSeriesSayWhy) {
    InstrumentFileBuilder zero(9, 0);
    zero.series(1, 25).mark(3, 1, 10, 0, 0).mark(3, 1, 11, 0, 0).endSeries().endFile();
    const std::vector<QStringList> zeroRecords =
        Records(FileSummaryCsv(QStringLiteral("zero.rad"), ParseBytes(zero.bytes())));
    ASSERT_EQ(zeroRecords.size(), 1u);
    EXPECT_EQ(zeroRecords[0][2], QStringLiteral("0"));
    EXPECT_EQ(zeroRecords[0][7], QString()); // no measurement count for a series that does not evaluate
    EXPECT_EQ(zeroRecords[0][11], QString::fromUtf8(ZeroSensitivityMessage));

    InstrumentFileBuilder badStart(9, 250);
    badStart.series(1, 25).mark(2, 30, 10, 0, 0).mark(3, 1, 11, 0, 0).endSeries().endFile();
    const std::vector<QStringList> badRecords =
        Records(FileSummaryCsv(QStringLiteral("bad.rad"), ParseBytes(badStart.bytes())));
    ASSERT_EQ(badRecords.size(), 1u);
    EXPECT_EQ(badRecords[0].size(), 12);
    EXPECT_EQ(badRecords[0][5], QString());
    EXPECT_TRUE(badRecords[0][11].startsWith(QStringLiteral("Ошибка в файле. № изм=0  Мес=2  День=30")));
}

TEST(FileSummary, AFileWithoutSeriesStillHasItsLine) {
    const QByteArray header = InstrumentFileBuilder(12, 300).bytes();
    EXPECT_EQ(FileSummaryCsv(QStringLiteral("empty.rad"), ParseBytes(header)),
              QStringLiteral("empty.rad,12,300,,,,,,,,,В файле нет ни одной серии измерений\r\n").toUtf8());
}

TEST(FileSummary, AnUnreadablePathGivesOneLineWithTheReason) {
    const QString path = QStringLiteral("/nonexistent-radview-folder/lost.rad");
    const PathSummary summary = SummarizeInstrumentFile(path);
    EXPECT_FALSE(summary.read);
    const std::vector<QStringList> records = Records(summary.csv);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 12);
    EXPECT_EQ(records[0][0], path);
    for (int column = 1; column < 11; ++column)
        EXPECT_TRUE(records[0][column].isEmpty()) << column;
    EXPECT_TRUE(records[0][11].contains(path));

    const PathSummary folder = SummarizeInstrumentFile(QStringLiteral(RADVIEW_SAMPLES_DIR));
    EXPECT_FALSE(folder.read);
    EXPECT_FALSE(Records(folder.csv)[0][11].isEmpty());
}

TEST(FileSummary, TheShippedSamples) {
    const PathSummary one = SummarizeInstrumentFile(SamplePath("one-series.rad"));
    ASSERT_TRUE(one.read);
    const std::vector<QStringList> oneRecords = Records(one.csv);
    ASSERT_EQ(oneRecords.size(), 1u);
    const QStringList& single = oneRecords[0];
    ASSERT_EQ(single.size(), 12);
    EXPECT_EQ(single[0], SamplePath("one-series.rad"));
    EXPECT_EQ(single.mid(1, 5),
              (QStringList{QStringLiteral("117"), QStringLiteral("1250"), QStringLiteral("1"),
                           QStringLiteral("3"), QStringLiteral("2025-08-04T09:12:40")}));
    EXPECT_EQ(single[7], QStringLiteral("60"));
    EXPECT_EQ(single[8], QStringLiteral("0"));
    EXPECT_EQ(single[11], QString());

    const PathSummary several = SummarizeInstrumentFile(SamplePath("several-series.rad"));
    ASSERT_TRUE(several.read);
    const std::vector<QStringList> records = Records(several.csv);
    ASSERT_EQ(records.size(), 4u);
    const QStringList numbers{QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                              QStringLiteral("14")};
    for (int s = 0; s < 4; ++s) {
        ASSERT_EQ(records[s].size(), 12) << s;
        EXPECT_EQ(records[s][1], QStringLiteral("204"));
        EXPECT_EQ(records[s][2], QStringLiteral("250"));
        EXPECT_EQ(records[s][3], QString::number(s + 1));
        EXPECT_EQ(records[s][4], numbers[s]);
    }
    EXPECT_EQ(records[0][5], QStringLiteral("2025-03-11T10:05:00"));
    EXPECT_EQ(records[0][8], QStringLiteral("0"));
    EXPECT_EQ(records[1][5], QStringLiteral("2025-04-29T14:30:00"));
    EXPECT_EQ(records[1][8], QStringLiteral("1")); // the record that reads 31 April
    EXPECT_EQ(records[2][11], QString::fromUtf8(NoMeasurementsMessage));
    EXPECT_EQ(records[3][5], QStringLiteral("2025-05-20T16:45:30"));
    for (int s : {0, 1, 3}) {
        EXPECT_EQ(records[s][11], QString()) << s;
        EXPECT_FALSE(records[s][9].isEmpty()) << s;
        // The average is the series' mean, so it lies below its maximum.
        EXPECT_LT(records[s][9].toLongLong(), records[s][10].toLongLong()) << s;
    }

    const PathSummary along = SummarizeInstrumentFile(SamplePath("long-series.rad"));
    ASSERT_TRUE(along.read);
    const std::vector<QStringList> longRecords = Records(along.csv);
    ASSERT_EQ(longRecords.size(), 1u);
    EXPECT_EQ(longRecords[0][5], QStringLiteral("2025-12-17T11:00:15"));
    EXPECT_TRUE(longRecords[0][6].startsWith(QStringLiteral("2026-01-"))); // the year rolled over
    EXPECT_EQ(longRecords[0][7], QStringLiteral("519"));
}

} // namespace
