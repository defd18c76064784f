// radview-dump in pCi/L and with a reader's marks on the report: the picture is the render's in the unit,
// the report states its figures in pCi/L converted once from the values its Bq/m³ figures are rounded from,
// and its graph carries the levels, the warning colour and the running average asked for.

#include "tests/print/ReportSeries.h"
#include "tests/support/PdfText.h"

#include "graph/GraphImage.h"
#include "graph/GraphPicture.h"
#include "store/ActivityUnit.h"
#include "store/DailyAverages.h"
#include "store/SpanStatistics.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct DumpRun {
    int exitCode = -1;
    QString err;
};

DumpRun RunDump(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(RADVIEW_DUMP_EXE), args);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QStringList PageLines(const QString& pdf) {
    QStringList lines;
    for (const QString& line : PdfPageText(pdf, 0).split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

// The first page as pdftoppm draws it; null when it cannot.
QImage PageImage(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {"-f", "1", "-l", "1", "-r", "100", "-png", pdf});
    process.waitForFinished(60000);
    return QImage::fromData(process.readAllStandardOutput(), "PNG");
}

int PixelsNear(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                         std::abs(qBlue(p) - qBlue(colour)) <
                     40;
        }
    return count;
}

QString Picocuries(Extended becquerels) {
    return ActivityValueText(becquerels, ActivityUnit::PicocuriePerLitre) + QStringLiteral(" пКи/л");
}

TEST(DumpUnit, APictureInPicocuriesIsTheRendersPictureInThem) {
    const QString sample = QStringLiteral(RADVIEW_SAMPLES_DIR "/one-series.rad");
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("unit.png"));
    const DumpRun run = RunDump({sample, "--series", "1", "--png", "600", "400", out, "--unit", "pCi/L"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const SelectedSeries series = EvaluateSeries(OpenInstrumentFile(sample).value(), 1).series;
    GraphImageRequest request;
    request.size = QSize(600, 400);
    const ViewLayout view = ViewForImage(series, request);
    const auto picture = [&](ActivityUnit unit) {
        return QImage::fromData(
            GraphPngBytes({series, view, request.colors, false, nullptr, unit}, request.size), "PNG");
    };
    const QImage png(out, "PNG");
    EXPECT_EQ(png, picture(ActivityUnit::PicocuriePerLitre));
    EXPECT_NE(png, picture(ActivityUnit::BecquerelPerCubicMetre));

    const DumpRun refused = RunDump({sample, "--series", "1", "--png", "600", "400", out, "--unit", "Ci"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--unit: нужен pCi/L или Bq/m3")))
        << refused.err.toStdString();
}

class DumpUnitReport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        QFile file(folder.filePath(QStringLiteral("test.rad")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(report.bytes);
        rad = file.fileName();
    }
    QString Report(const QStringList& options) {
        const QString pdf = folder.filePath(QStringLiteral("report-%1.pdf").arg(++made));
        const DumpRun run = RunDump(QStringList{rad, "--series", "1", "--report", "1", "6", pdf} + options);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return pdf;
    }

    const ReportFile report = HandWorkedReportFile();
    QTemporaryDir folder;
    QString rad;
    int made = 0;
};

TEST_F(DumpUnitReport, FiguresInPicocuriesAreConvertedOnceFromTheUnroundedValues) {
    const QStringList lines = PageLines(Report({"--unit", "pCi/L", "--levels", "100"}));
    const SelectedSeries& series = report.series();
    const uint16_t s = report.file.sensitivity;
    const MeasurementSpan span{1, 6};
    const Extended average = *UnroundedSpanAverage(series, s, span); // 193.55 Bq/m³, 194 rounded
    // Converted once, 5,23 pCi/L; the rounded 194 converted again would read 5,24.
    ASSERT_NE(Picocuries(average), Picocuries(194));
    const std::vector<DailyAverage> days = ComputeDailyAverages(series, s, span);
    ASSERT_EQ(days.size(), 1u);
    const QString expected[] = {
        "Среднее: " + Picocuries(average) + " (194 Бк/м³)",
        "Медиана: " + Picocuries(*UnroundedSpanMedian(series, span)) + " (200 Бк/м³)",
        "Минимум: " + Picocuries(80) + " (80 Бк/м³, изм. 5, 14.03.2025 16:13)",
        "Максимум: " + Picocuries(1000) + " (1000 Бк/м³, изм. 6, 14.03.2025 20:40)",
        "ЭРОА: " + Picocuries(*UnroundedSpanEquilibrium(series, s, span)) + " (97 Бк/м³)",
        "Время выше " + Picocuries(100) + " (100 Бк/м³): 59,7 %",
        "Дата Часов Среднее, пКи/л",
        "14.03.2025 11,0 " + ActivityValueText(days[0].unrounded, ActivityUnit::PicocuriePerLitre)};
    for (const QString& line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\nin:\n"
                                          << lines.join('\n').toStdString();
}

TEST_F(DumpUnitReport, TheGraphCarriesTheLevelsWarningColourAndAverageAskedFor) {
    // 500 Bq/m³ lies under measurement 6 (1000) alone: its tread and the top of its riser are warned.
    const QImage marked =
        PageImage(Report({"--levels", "500", "--warning-colour", "#00c000", "--average-window", "1"}));
    const QImage plain = PageImage(Report({}));
    ASSERT_FALSE(marked.isNull());
    ASSERT_EQ(marked.size(), plain.size());
    EXPECT_GT(PixelsNear(marked, qRgb(0x00, 0xc0, 0x00)), 10);
    EXPECT_GT(PixelsNear(marked, qRgb(0xc0, 0x00, 0xc0)), 10); // the running average's colour
    EXPECT_EQ(PixelsNear(plain, qRgb(0x00, 0xc0, 0x00)), 0);
    EXPECT_EQ(PixelsNear(plain, qRgb(0xc0, 0x00, 0xc0)), 0);
}

} // namespace
