// Writes pictures of made-up series for looking at: radgraph-render OUT_DIR
#include "GraphImage.h"
#include "SeriesFactory.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

void Save(const QImage& image, const QString& dir, const char* name) {
    const QString path = QDir(dir).filePath(QString::fromUtf8(name));
    if (!image.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A corner blown up four times, to look at single pixels.
void SaveMagnified(const QImage& image, const QRect& rect, const QString& dir, const char* name) {
    Save(image.copy(rect).scaled(rect.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation), dir, name);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    const SelectedSeries radon = RadonSeries(1637, Utc(2023, 12, 20, 13, 17, 42));
    GraphImageRequest whole;
    whole.pointer = 400;
    Save(RenderGraphImage(radon, whole), dir, "whole.png");

    GraphImageRequest zoomed;
    zoomed.first = 300;
    zoomed.count = 40;
    zoomed.pointer = 310;
    zoomed.grid = true;
    const QImage zoomedImage = RenderGraphImage(radon, zoomed);
    Save(zoomedImage, dir, "zoomed-grid.png");
    SaveMagnified(zoomedImage, QRect(0, 200, 160, 128), dir, "zoomed-grid-origin.png");
    SaveMagnified(zoomedImage, QRect(560, 0, 147, 90), dir, "zoomed-grid-corner.png");

    GraphImageRequest day = zoomed;
    day.first = 700;
    day.count = 12;
    Save(RenderGraphImage(radon, day), dir, "hours.png");

    GraphImageRequest big = whole;
    big.size = QSize(1920, 1080);
    big.grid = true;
    Save(RenderGraphImage(radon, big), dir, "big.png");

    const SelectedSeries minutes = SeriesFromExposures(Utc(2024, 3, 1, 12, 34, 56), {20, 35, 15, 60, 40, 7});
    GraphImageRequest small;
    small.grid = true;
    Save(RenderGraphImage(minutes, small), dir, "seconds.png");
    return 0;
}
