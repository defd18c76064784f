#include "graph/GraphImage.h"
#include "graph/GraphPaint.h"
#include "store/Extended.h"
#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "tests/support/PixelProbe.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const ColorScheme Colors;

struct SampleSeries {
    QString name;
    SelectedSeries series;
};

std::vector<SampleSeries> EverySampleSeries() {
    std::vector<SampleSeries> all;
    const QDir dir(QStringLiteral(RADVIEW_SAMPLES_DIR));
    for (const QString& name : dir.entryList({QStringLiteral("*.rad")}, QDir::Files, QDir::Name)) {
        const Result<InstrumentFile> opened = OpenInstrumentFile(dir.filePath(name));
        if (!opened.ok())
            continue;
        const InstrumentFile& file = opened.value();
        for (int s = 1; s <= file.seriesCount; ++s) {
            SeriesEvaluation evaluation = EvaluateSeries(file, s);
            if (!evaluation.refused())
                all.push_back({name + QStringLiteral(" series ") + QString::number(s), evaluation.series});
        }
    }
    return all;
}

// Every step of the line lies where the mapping of seconds and activities puts it: the top of each bar
// across its interval, and each riser between two bars, wherever nothing drawn later covers them.
void ExpectStepLine(const QImage& image, const SelectedSeries& series, const ViewLayout& view, int pointerX,
                    const QString& what) {
    const int axisY = image.height() - view.margins.bottom;
    const TimeMap time = ViewTimeMap(view, series);
    const ActivityMap activity = ViewActivityMap(view, image.height());
    auto levelOf = [&](int i) { return std::clamp(activity.y(series.activity[i]), 0, axisY); };
    int checked = 0;
    for (int i = view.viewFirst; i <= view.last(); ++i) {
        const int xs = time.x(series.elapsedTime[i - 1]);
        const int xe = time.x(series.elapsedTime[i]);
        const int y = levelOf(i);
        for (int x = xs + 1; x < xe; ++x) {
            if (x == pointerX)
                continue;
            EXPECT_TRUE(Is(image, x, y, Colors.graph)) << qPrintable(what) << " top of " << i << " at " << x;
            ++checked;
        }
        const bool previousHasWidth = i == view.viewFirst || time.x(series.elapsedTime[i - 2]) < xs;
        if (xs < xe && previousHasWidth && xs != pointerX && i > view.viewFirst) {
            const int from = levelOf(i - 1);
            for (int yy = std::min(from, y) + 1; yy < std::max(from, y); ++yy)
                EXPECT_TRUE(Is(image, xs, yy, Colors.graph)) << qPrintable(what) << " riser of " << i;
        }
    }
    EXPECT_GT(checked, 0) << qPrintable(what);
}

TEST(SamplesPaintTest, EverySampleSeriesIsDrawnWhereTheAlgorithmsPutIt) {
    const std::vector<SampleSeries> samples = EverySampleSeries();
    ASSERT_GE(samples.size(), 3u) << "samples in " << RADVIEW_SAMPLES_DIR;
    for (const SampleSeries& sample : samples) {
        for (const bool zoomed : {false, true}) {
            const int n = sample.series.measurementCount;
            GraphImageRequest request;
            request.grid = zoomed;
            if (zoomed && n >= 3) {
                request.first = n / 3 + 1;
                request.count = std::max(1, n / 3);
            }
            const ViewLayout view = ViewForImage(sample.series, request);
            const QImage image = RenderGraphImage(sample.series, request);
            const QString what = sample.name + (zoomed ? QStringLiteral(" zoomed") : QString());
            const int pointerX = PointerXFor(view, sample.series, view.pointerIndex);
            EXPECT_TRUE(Is(image, pointerX, image.height() - 52, Colors.pointer)) << qPrintable(what);
            if (pointerX != view.margins.left) {
                EXPECT_TRUE(Is(image, view.margins.left, view.margins.top + 2, Colors.axes))
                    << qPrintable(what) << " frame";
            }
            ExpectStepLine(image, sample.series, view, pointerX, what);
        }
    }
}

} // namespace
