#include "tests/support/TestFiles.h"

#include "store/Calendar.h"
#include "store/SeriesEvaluation.h"
#include "tests/support/SampleFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray ReadSample(const QString& name) {
    QFile file(QDir(QStringLiteral(RADVIEW_SAMPLES_DIR)).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray& Sample(const char* name) {
    static const std::vector<SampleFile> samples = SampleFiles();
    for (const SampleFile& sample : samples)
        if (sample.name == QLatin1String(name))
            return sample.bytes;
    static const QByteArray none;
    return none;
}

TEST(Samples, ShippedFilesAreWhatTheGeneratorWrites) {
    for (const SampleFile& sample : SampleFiles())
        EXPECT_EQ(ReadSample(sample.name), sample.bytes)
            << sample.name.toStdString() << " is stale: run radview-make-samples samples";
}

TEST(Samples, OneSeriesOpensWithoutComplaint) {
    const InstrumentFile file = ParseBytes(Sample("one-series.rad"));
    ASSERT_EQ(file.seriesCount, 1);
    const SeriesEvaluation result = EvaluateSeries(file, 1);
    ASSERT_FALSE(result.refused());
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_GE(result.series.measurementCount, 50);
}

TEST(Samples, SeveralSeriesWithABadMarkAndAShortRun) {
    const InstrumentFile file = ParseBytes(Sample("several-series.rad"));
    ASSERT_EQ(file.seriesCount, 4);
    EXPECT_TRUE(EvaluateSeries(file, 1).messages.isEmpty());
    const SeriesEvaluation withBadMark = EvaluateSeries(file, 2);
    ASSERT_FALSE(withBadMark.refused());
    ASSERT_EQ(withBadMark.messages.size(), 1);
    EXPECT_TRUE(withBadMark.messages[0].contains(QStringLiteral("Мес=4  День=31")));
    EXPECT_EQ(EvaluateSeries(file, 3).refusal, QString::fromUtf8(NoMeasurementsMessage));
    EXPECT_TRUE(EvaluateSeries(file, 4).messages.isEmpty());
}

TEST(Samples, LongSeriesCrossesANewYearOverWeeks) {
    const InstrumentFile file = ParseBytes(Sample("long-series.rad"));
    ASSERT_EQ(file.seriesCount, 1);
    const SeriesEvaluation result = EvaluateSeries(file, 1);
    ASSERT_FALSE(result.refused());
    EXPECT_TRUE(result.messages.isEmpty());
    const SelectedSeries& s = result.series;
    EXPECT_GE(s.measurementCount, 300);
    EXPECT_EQ(s.currentYear, 2000 + file.seriesYears[1] + 1);
    EXPECT_GE(s.elapsedTime[s.measurementCount], 14 * 86400);
    EXPECT_GT(s.maxActivity, 0);
}

TEST(Samples, FullFileHoldsOneSeriesOf1637Marks) {
    const QByteArray bytes = FullSingleSeriesFile();
    EXPECT_EQ(bytes.size(), 8196);
    const InstrumentFile file = ParseBytes(bytes);
    ASSERT_EQ(file.seriesCount, 1);
    EXPECT_EQ(file.markCount(1), 1637);
    const SeriesEvaluation result = EvaluateSeries(file, 1);
    ASSERT_FALSE(result.refused());
    EXPECT_TRUE(result.messages.isEmpty());
}

} // namespace
