#include "tests/support/TestFiles.h"

#include "dump/DumpArgs.h"
#include "dump/DumpCommands.h"
#include "store/SeriesEvaluation.h"
#include "table/CsvTable.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DumpCommands : public ::testing::Test {
protected:
    void SetUp() override {
        // Measurements 5 … 8 take 20480 s together at a sensitivity of 250.
        bytes_ = InstrumentFileBuilder::IntervalSeries(117, 250,
                                                       QDateTime(QDate(2025, 1, 5), QTime(8, 3, 7), Qt::UTC),
                                                       {600, 600, 600, 600, 5000, 5120, 5000, 5360, 600});
        QFile file(dir_.filePath(QStringLiteral("test.rad")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes_);
        path_ = file.fileName();
    }

    DumpOutcome run(QStringList arguments) {
        arguments.prepend(path_);
        const DumpArgsResult parsed = ParseDumpArgs(arguments);
        EXPECT_TRUE(parsed.args.has_value()) << parsed.error.toStdString();
        return parsed.args ? RunDumpCommand(*parsed.args) : DumpOutcome{-1, {}, parsed.error};
    }

    QTemporaryDir dir_;
    QByteArray bytes_;
    QString path_;
};

TEST_F(DumpCommands, AverageAsTheLabelShowsIt) {
    const DumpOutcome outcome = run({"--series", "1", "--average", "5", "8"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, QByteArray("1000\n"));
}

TEST_F(DumpCommands, SaveTableWritesWhatTheSaveCommandWrites) {
    const QString out = dir_.filePath(QStringLiteral("table.txt"));
    const DumpOutcome outcome = run({"--series", "1", "--save-table", "2", "4", out});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const SeriesEvaluation evaluation = EvaluateSeries(ParseBytes(bytes_, path_), 1);
    const SelectedSeries& series = evaluation.series;
    const TableHeader header{series.seriesTitle, 117, 250, series.equilibriumActivity};
    EXPECT_EQ(file.readAll(), TableFileBytes(header, TableTitles(),
                                             {MeasurementRowTexts(series, 2), MeasurementRowTexts(series, 3),
                                              MeasurementRowTexts(series, 4)}));
}

TEST_F(DumpCommands, ASpanOutsideTheSeriesIsRefused) {
    for (const auto& span : {QStringList{"0", "3"}, QStringList{"4", "3"}, QStringList{"1", "10"}}) {
        const DumpOutcome outcome = run(QStringList{"--series", "1", "--average"} + span);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_TRUE(outcome.out.isEmpty());
        EXPECT_FALSE(outcome.err.isEmpty());
    }
    const QString out = dir_.filePath(QStringLiteral("never.txt"));
    EXPECT_EQ(run({"--series", "1", "--save-table", "0", "3", out}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(DumpCommands, CsvGoesToTheFileOrToStandardOutput) {
    const SelectedSeries series = EvaluateSeries(ParseBytes(bytes_, path_), 1).series;
    const QByteArray expected = SpanCsv(series, {2, 4});
    ASSERT_TRUE(expected.startsWith("number,start,end,"));
    const QString out = dir_.filePath(QStringLiteral("span.csv"));
    const DumpOutcome saved = run({"--series", "1", "--csv", "2", "4", out});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(saved.out.isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), expected);

    const DumpOutcome printed = run({"--series", "1", "--csv", "2", "4", "-"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, expected);
    EXPECT_FALSE(QFile::exists(QStringLiteral("-")));
}

TEST_F(DumpCommands, ACsvSpanIsCheckedAsTheTablesIs) {
    const QString out = dir_.filePath(QStringLiteral("never.csv"));
    for (const auto& span : {QStringList{"0", "3"}, QStringList{"4", "3"}, QStringList{"1", "10"}}) {
        for (const QString& target : {out, QStringLiteral("-")}) {
            const DumpOutcome outcome =
                run(QStringList{"--series", "1", "--csv"} + span + QStringList{target});
            EXPECT_EQ(outcome.exitCode, 2);
            EXPECT_TRUE(outcome.out.isEmpty());
            EXPECT_TRUE(outcome.err.contains(QStringLiteral("нет в серии"))) << outcome.err.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(DumpCommands, AMissingSeriesIsRefused) {
    const DumpOutcome outcome = run({"--series", "2", "--average", "1", "1"});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("нет серии 2"))) << outcome.err.toStdString();
}

TEST(DumpArgs, MalformedCommandLinesAreRefusedWithUsage) {
    const QStringList bad[] = {{},
                               {"--series", "1"},
                               {"f.rad", "--average", "1", "2"},
                               {"f.rad", "--series", "x", "--average", "1", "2"},
                               {"f.rad", "--series", "1", "--average", "1"},
                               {"f.rad", "--series", "1", "--save-table", "1", "2"},
                               {"f.rad", "--bogus"}};
    for (const QStringList& args : bad) {
        const DumpArgsResult parsed = ParseDumpArgs(args);
        EXPECT_FALSE(parsed.args.has_value()) << args.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(QStringLiteral("Использование:")));
    }
}

TEST(DumpArgs, NumbersOutsideTheirRangeAreRefusedWithUsage) {
    const QStringList bad[] = {
        {"f.rad", "--series", "1", "--png", "9", "9", "o.png", "--view", "2", "2147483647"},
        {"f.rad", "--series", "1", "--png", "9", "9", "o.png", "--view", "2", "65536"},
        {"f.rad", "--series", "1", "--png", "9", "9", "o.png", "--view", "-1", "3"},
        {"f.rad", "--series", "1", "--png", "9", "9", "o.png", "--pointer", "65536"},
        {"f.rad", "--series", "1", "--png", "0", "9", "o.png"},
        {"f.rad", "--series", "1", "--png", "16385", "9", "o.png"},
        {"f.rad", "--series", "4294967297", "--average", "1", "2"},
        {"f.rad", "--series", "0", "--average", "1", "2"},
        {"f.rad", "--series", "1", "--average", "1", "99999999999999999999"},
        {"f.rad", "--series", "1", "--save-table", "-5", "2", "o.txt"},
        {"f.rad", "--series", "1", "--print-table", "1", "65536", "o.pdf"}};
    for (const QStringList& args : bad) {
        const DumpArgsResult parsed = ParseDumpArgs(args);
        EXPECT_FALSE(parsed.args.has_value()) << args.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(QStringLiteral("Использование:"))) << args.join(' ').toStdString();
    }
    // The largest numbers each option holds are taken as they are.
    const DumpArgsResult largest = ParseDumpArgs({"f.rad", "--series", "65535", "--png", "16384", "1",
                                                  "o.png", "--view", "65535", "65535", "--pointer", "65535"});
    ASSERT_TRUE(largest.args.has_value()) << largest.error.toStdString();
    EXPECT_EQ(largest.args->series, 65535);
    EXPECT_EQ(largest.args->width, 16384);
    EXPECT_EQ(largest.args->viewFirst, 65535);
    EXPECT_EQ(largest.args->viewCount, 65535);
    EXPECT_EQ(largest.args->pointer, 65535);
}

TEST(DumpArgs, CsvAndSvgTakeTheirArguments) {
    const DumpArgsResult csv = ParseDumpArgs({"f.rad", "--series", "2", "--csv", "3", "9", "-"});
    ASSERT_TRUE(csv.args.has_value()) << csv.error.toStdString();
    EXPECT_EQ(csv.args->action, DumpArgs::Action::Csv);
    EXPECT_EQ(csv.args->first, 3);
    EXPECT_EQ(csv.args->last, 9);
    EXPECT_EQ(csv.args->output, QStringLiteral("-"));
    EXPECT_FALSE(csv.args->draws());

    const DumpArgsResult svg = ParseDumpArgs(
        {"f.rad", "--series", "1", "--svg", "800", "500", "g.svg", "--view", "5", "10", "--grid"});
    ASSERT_TRUE(svg.args.has_value()) << svg.error.toStdString();
    EXPECT_EQ(svg.args->action, DumpArgs::Action::Svg);
    EXPECT_EQ(svg.args->width, 800);
    EXPECT_EQ(svg.args->height, 500);
    EXPECT_EQ(svg.args->output, QStringLiteral("g.svg"));
    EXPECT_EQ(svg.args->viewFirst, 5);
    EXPECT_TRUE(svg.args->grid);
    EXPECT_TRUE(svg.args->draws());

    const QStringList bad[] = {{"f.rad", "--series", "1", "--csv", "1", "2"},
                               {"f.rad", "--series", "1", "--csv", "1", "65536", "o.csv"},
                               {"f.rad", "--csv", "1", "2", "o.csv"},
                               {"f.rad", "--series", "1", "--svg", "9", "9"},
                               {"f.rad", "--series", "1", "--svg", "0", "9", "o.svg"},
                               {"f.rad", "--series", "1", "--svg", "9", "16385", "o.svg"}};
    for (const QStringList& args : bad) {
        const DumpArgsResult parsed = ParseDumpArgs(args);
        EXPECT_FALSE(parsed.args.has_value()) << args.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(QStringLiteral("Использование:"))) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(QString::fromUtf8(DumpUsage).contains(QStringLiteral("--csv FIRST LAST OUT")));
    EXPECT_TRUE(QString::fromUtf8(DumpUsage).contains(QStringLiteral("--svg W H OUT.svg")));
}

} // namespace
