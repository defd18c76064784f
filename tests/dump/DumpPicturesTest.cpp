// radview-dump's pictures of a graph, run as the built program: the PNG and the SVG of one view, both
// drawn where the view's geometry puts the step line and the pointer.

#include "graph/GraphImage.h"
#include "graph/GraphPaint.h"
#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "tests/support/StepLineRuns.h"
#include "tests/support/SvgCheck.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString Sample = QStringLiteral(RADVIEW_SAMPLES_DIR "/long-series.rad");

std::vector<QRect> Sorted(std::vector<QRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return std::make_tuple(a.x(), a.y(), a.width(), a.height()) <
               std::make_tuple(b.x(), b.y(), b.width(), b.height());
    });
    return rects;
}

class DumpPictures : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const Result<InstrumentFile> opened = OpenInstrumentFile(Sample);
        ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
        series = EvaluateSeries(opened.value(), 1).series;
        ASSERT_GT(series.measurementCount, 190);
        request.size = QSize(800, 500);
        request.first = 120;
        request.count = 71;
        request.pointer = 150;
        request.grid = true;
        view = ViewForImage(series, request);
    }

    // The picture of the view above, drawn by radview-dump with the given option.
    QByteArray draw(const char* option, const QString& name) {
        const QString out = dir.filePath(name);
        QProcess dump;
        dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
                   {Sample, "--series", "1", QString::fromLatin1(option), "800", "500", out, "--view", "120",
                    "71", "--pointer", "150", "--grid"});
        EXPECT_TRUE(dump.waitForFinished(60000));
        EXPECT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<StepRun> runs() const {
        return StepLineRunsOn(
            StepLineOf(series, view, ViewTimeMap(view, series), ViewActivityMap(view, request.size.height())),
            request.size);
    }

    QTemporaryDir dir;
    SelectedSeries series;
    GraphImageRequest request;
    ViewLayout view;
};

TEST_F(DumpPictures, TheSvgHoldsTheStepLineAndThePointerOfTheView) {
    const SvgDrawing svg = ReadSvgDrawing(draw("--svg", QStringLiteral("graph.svg")));
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    EXPECT_EQ(svg.viewBox, QRect(0, 0, 800, 500));
    EXPECT_EQ(svg.title, series.seriesTitle);
    std::vector<QRect> plain, marked;
    for (const StepRun& run : runs())
        (run.marked ? marked : plain).push_back(run.pixels);
    ASSERT_GT(plain.size(), 100u);
    EXPECT_EQ(Sorted(PixelsStrokedIn(svg, request.colors.graph.name())), Sorted(plain));
    EXPECT_EQ(Sorted(PixelsStrokedIn(svg, MarkerColor.name())), Sorted(marked));
    const int x = PointerXFor(view, series, 150);
    EXPECT_EQ(
        PixelsStrokedIn(svg, request.colors.pointer.name()),
        std::vector<QRect>{QRect(QPoint(x, view.margins.top), QPoint(x, 500 - view.margins.bottom - 1))});
}

TEST_F(DumpPictures, ThePngOfTheSameViewHasTheSameStrokes) {
    const QImage png = QImage::fromData(draw("--png", QStringLiteral("graph.png")), "PNG");
    ASSERT_EQ(png.size(), QSize(800, 500));
    const int pointerX = PointerXFor(view, series, 150);
    int checked = 0;
    for (const StepRun& run : runs())
        for (int y = run.pixels.top(); y <= run.pixels.bottom(); ++y)
            for (int x = run.pixels.left(); x <= run.pixels.right(); ++x)
                if (x != pointerX) {
                    const QColor expected = run.marked ? MarkerColor : request.colors.graph;
                    ASSERT_EQ(png.pixelColor(x, y), expected) << x << "," << y;
                    ++checked;
                }
    EXPECT_GT(checked, 400);
    EXPECT_EQ(png.pixelColor(pointerX, view.margins.top), request.colors.pointer);
}

} // namespace
