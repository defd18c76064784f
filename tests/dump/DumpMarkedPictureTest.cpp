// radview-dump's picture with reference levels, a warning colour and a running average is, pixel for
// pixel, the render's picture of the same view with the same marks.

#include "graph/GraphImage.h"
#include "graph/GraphPicture.h"
#include "graph/ReadingMarks.h"
#include "store/InstrumentFile.h"
#include "store/RunningAverage.h"
#include "store/SeriesEvaluation.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Sample = QStringLiteral(RADVIEW_SAMPLES_DIR "/long-series.rad");

TEST(DumpMarkedPicture, LevelsAndTheAverageAreDrawnAsTheRenderDrawsThem) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Result<InstrumentFile> opened = OpenInstrumentFile(Sample);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    const SelectedSeries series = EvaluateSeries(opened.value(), 1).series;
    GraphImageRequest request;
    request.size = QSize(800, 500);
    request.first = 120;
    request.count = 71;
    const ViewLayout view = ViewForImage(series, request);

    const QString out = dir.filePath(QStringLiteral("marked.png"));
    QProcess dump;
    dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
               {Sample, "--series", "1", "--png", "800", "500", out, "--view", "120", "71", "--levels",
                "300,150", "--warning-colour", "#c00000", "--average-window", "12"});
    ASSERT_TRUE(dump.waitForFinished(60000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    const QImage png(out, "PNG");

    ReadingMarks marks;
    marks.levels = {150, 300};
    marks.warningColor = QColor(0xc0, 0, 0);
    marks.average = RunningAverage(series, opened.value().sensitivity, 12 * 3600);
    const auto picture = [&](const ReadingMarks* drawn) {
        return QImage::fromData(GraphPngBytes({series, view, request.colors, false, drawn}, request.size),
                                "PNG");
    };
    EXPECT_EQ(png, picture(&marks));
    EXPECT_NE(png, picture(nullptr)); // the marks are there
}

} // namespace
