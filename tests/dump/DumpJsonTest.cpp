#include "tests/support/TestFiles.h"

#include "dump/DumpJson.h"
#include "store/SeriesList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct DumpRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

DumpRun RunDump(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(RADVIEW_DUMP_EXE), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

TEST(DumpJson, WorkedExampleEndToEnd) {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("пример.rad"),
                                   InstrumentFileBuilder(501, 250)
                                       .series(3, 25)
                                       .mark(3, 14, 10, 0, 0)
                                       .mark(3, 14, 10, 10, 0)
                                       .endSeries()
                                       .bytes());
    const DumpRun run = RunDump({path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(root.keys(), (QStringList{"device", "file", "sensitivity", "sensitivity_text", "series"}));
    EXPECT_EQ(root["file"].toString(), QStringLiteral("пример.rad"));
    EXPECT_EQ(root["device"].toInt(), 501);
    EXPECT_EQ(root["sensitivity"].toInt(), 250);
    EXPECT_EQ(root["sensitivity_text"].toString(), QStringLiteral("2.50 * 10-5 Бк-1 * м3 * c-1"));

    const QJsonArray series = root["series"].toArray();
    ASSERT_EQ(series.size(), 1);
    const QJsonObject s = series[0].toObject();
    EXPECT_EQ(s.keys(), (QStringList{"evaluation", "list", "marks", "number", "ordinal", "year"}));
    EXPECT_EQ(s["ordinal"].toInt(), 1);
    EXPECT_EQ(s["number"].toInt(), 3);
    EXPECT_EQ(s["year"].toInt(), 25);
    EXPECT_EQ(s["marks"].toInt(), 2);
    EXPECT_EQ(s["list"].toArray(), QJsonArray({"1", "3", QStringLiteral("14 мар 10:00:00"),
                                               QStringLiteral("14 мар 10:10:00"), "8533"}));

    const QJsonObject e = s["evaluation"].toObject();
    EXPECT_EQ(e.keys(), (QStringList{"activity", "elapsed", "equilibrium_activity", "max_activity",
                                     "messages", "n", "refused", "rows", "title"}));
    EXPECT_EQ(e["title"].toString(), QStringLiteral("Файл пример.rad; Серия N 3"));
    EXPECT_TRUE(e["refused"].isNull());
    EXPECT_EQ(e["messages"].toArray(), QJsonArray());
    EXPECT_EQ(e["n"].toInt(), 1);
    EXPECT_EQ(e["max_activity"].toInteger(), 8533);
    EXPECT_EQ(e["equilibrium_activity"].toInteger(), 4267);
    EXPECT_EQ(e["elapsed"].toArray(), QJsonArray({0, 600}));
    EXPECT_EQ(e["activity"].toArray(), QJsonArray({8533}));
    EXPECT_EQ(e["rows"].toArray(), QJsonArray({QJsonArray({"1", QStringLiteral("14 мар 10:00:00"),
                                                           QStringLiteral("14 мар 10:10:00"),
                                                           QStringLiteral("8533±1280"), "600"})}));
}

TEST(DumpJson, ARefusedSeriesHasOnlyItsTitleAndRefusal) {
    const InstrumentFile file =
        ParseBytes(InstrumentFileBuilder(1, 250).series(8, 25).mark(1, 1, 0, 0, 0).endSeries().bytes());
    const QJsonObject e = EvaluationJson(file, 1);
    EXPECT_EQ(e.keys(), (QStringList{"refused", "title"}));
    EXPECT_EQ(e["refused"].toString(), QStringLiteral("Серия не определена. Нет  измерений"));
    const QJsonObject s = FileJson(file)["series"].toArray()[0].toObject();
    EXPECT_EQ(s["list"].toArray()[3].toString(), QStringLiteral("не определено"));
    EXPECT_EQ(s["list"].toArray()[4].toString(), QString());
}

TEST(DumpJson, BadMarksAreListedAndTheirEntriesAreZero) {
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(1, 250)
                                               .series(8, 25)
                                               .mark(1, 1, 0, 0, 0)
                                               .mark(1, 32, 0, 0, 0)
                                               .mark(1, 1, 0, 10, 0)
                                               .endSeries()
                                               .bytes());
    const QJsonObject e = EvaluationJson(file, 1);
    EXPECT_EQ(e["messages"].toArray().size(), 1);
    EXPECT_EQ(e["elapsed"].toArray(), QJsonArray({0, 0, 600}));
    EXPECT_EQ(e["activity"].toArray(), QJsonArray({0, 17067}));
}

TEST(DumpJson, EveryShippedSampleDumps) {
    const QDir samples(QStringLiteral(RADVIEW_SAMPLES_DIR));
    const QStringList names = samples.entryList({QStringLiteral("*.rad")}, QDir::Files);
    ASSERT_GE(names.size(), 3);
    for (const QString& name : names) {
        const DumpRun run = RunDump({samples.filePath(name)});
        ASSERT_EQ(run.exitCode, 0) << name.toStdString();
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        EXPECT_EQ(root["file"].toString(), name);
        EXPECT_FALSE(root["series"].toArray().isEmpty()) << name.toStdString();
    }
}

TEST(DumpJson, AnUnreadableFileExitsWithTwoAndNamesIt) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.rad"));
    const DumpRun run = RunDump({missing});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(missing)) << run.err.toStdString();
    EXPECT_EQ(RunDump({dir.path()}).exitCode, 2);
    EXPECT_EQ(RunDump({}).exitCode, 2);
}

TEST(DumpJson, AMalformedFileIsNotAnError) {
    QTemporaryDir dir;
    const DumpRun run = RunDump({WriteFile(dir, QStringLiteral("junk.rad"), QByteArray("\x01\x02\x03", 3))});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(root["device"].toInt(), 0x0201);
    EXPECT_EQ(root["sensitivity"].toInt(), 3);
    EXPECT_TRUE(root["series"].toArray().isEmpty());
}

} // namespace
