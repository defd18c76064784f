// "Сохранить рисунок…" through the main window: the graph as it is shown, saved as PNG or SVG.

#include "tests/app/SeriesShownFixture.h"

#include "app/commands/GraphPictureCommand.h"
#include "app/window/GraphWidget.h"
#include "graph/GraphPicture.h"
#include "tests/support/StepLineRuns.h"
#include "tests/support/SvgCheck.h"

#include <QFile>
#include <QImage>
#include <QProcess>

#include <algorithm>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<QRect> Sorted(std::vector<QRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return std::make_tuple(a.x(), a.y(), a.width(), a.height()) <
               std::make_tuple(b.x(), b.y(), b.width(), b.height());
    });
    return rects;
}

// The zoomed view with the grid on and the pointer stepped to measurement 13.
class SavePictureTest : public SeriesShownTest {
protected:
    void SetUp() override {
        SeriesShownTest::SetUp();
        form->gridButton->click();
        for (int step = 0; step < 3; ++step)
            form->nextMeasurementButton->click();
        ASSERT_EQ(graph().view().pointerIndex, 13);
        ASSERT_TRUE(graph().view().gridOn);
    }
    // Saves the picture as the given type of file at the given size.
    void savePicture(const QString& target, const char* filter, std::optional<QSize> size) {
        dialogs->saveAnswers.push_back(target);
        dialogs->saveFilterAnswers.push_back(QString::fromUtf8(filter));
        dialogs->pictureSizeAnswers.push_back(size);
        form->commands.savePicture->trigger();
    }
    QSize onScreen() const { return form->graphWidget->size(); }
};

TEST_F(SavePictureTest, TheCommandComesWithTheSeries) {
    EXPECT_TRUE(form->commands.savePicture->isEnabled());
    EXPECT_EQ(form->commands.savePicture->text(), QStringLiteral("Сохранить рисунок…"));
    cancelOpenDialog();
    EXPECT_FALSE(form->commands.savePicture->isEnabled());
}

TEST_F(SavePictureTest, APngAtTheSizeOnScreenIsThePictureOnScreen) {
    const QString target = dir.filePath(QStringLiteral("graph.png"));
    savePicture(target, PngPictureFilter, onScreen());
    ASSERT_EQ(dialogs->saveRequests.size(), 1u);
    const SaveDialogRequest& request = dialogs->saveRequests[0];
    EXPECT_EQ(request.nameFilter, QStringLiteral("Рисунок PNG (*.png)"));
    EXPECT_EQ(request.otherFilters, QStringList{QStringLiteral("Рисунок SVG (*.svg)")});
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("png"));
    EXPECT_EQ(request.fileName, dir.filePath(QStringLiteral("test-график.png")));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(dialogs->pictureSizesOffered, std::vector<QSize>{onScreen()});
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();

    const QImage saved = QImage::fromData(ReadAll(target), "PNG");
    ASSERT_EQ(graph().screen().devicePixelRatio(), 1.0);
    ASSERT_EQ(saved.size(), graph().screen().size());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              graph().screen().convertToFormat(QImage::Format_RGB32));
}

TEST_F(SavePictureTest, AnSvgAtATypedSizeDrawsTheViewAtThatSize) {
    const QString target = dir.filePath(QStringLiteral("graph.svg"));
    const QSize typed(1000, 420);
    savePicture(target, SvgPictureFilter, typed);
    const SvgDrawing svg = ReadSvgDrawing(ReadAll(target));
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    EXPECT_EQ(svg.viewBox, QRect(QPoint(0, 0), typed));
    EXPECT_EQ(svg.title, series().seriesTitle);

    // Measurements 10 … 30 across the whole frame of the typed size, the pointer on 13.
    const ViewLayout view = ViewForPictureSize(graph().view(), series(), onScreen(), typed);
    ASSERT_EQ(view.viewFirst, 10);
    ASSERT_EQ(view.viewCount, 21);
    const StepLine line =
        StepLineOf(series(), view, ViewTimeMap(view, series()), ViewActivityMap(view, typed.height()));
    EXPECT_EQ(line.strokes[line.strokes.size() - 2].to.x(), typed.width() - view.margins.right);
    std::vector<QRect> plain, marked;
    for (const StepRun& run : StepLineRunsOn(line, typed))
        (run.marked ? marked : plain).push_back(run.pixels);
    const ColorScheme& colors = graph().colors();
    EXPECT_EQ(Sorted(PixelsStrokedIn(svg, colors.graph.name())), Sorted(plain));
    EXPECT_EQ(Sorted(PixelsStrokedIn(svg, MarkerColor.name())), Sorted(marked));
    const int x = PointerXFor(view, series(), 13);
    EXPECT_EQ(PixelsStrokedIn(svg, colors.pointer.name()),
              std::vector<QRect>{
                  QRect(QPoint(x, view.margins.top), QPoint(x, typed.height() - view.margins.bottom - 1))});
    // With the grid: dotted lines, many short runs in the grid colour, across the frame.
    EXPECT_GT(PixelsStrokedIn(svg, colors.grid.name()).size(), 100u);
}

// A window that has been resized stretches its scale to the frame's top; a picture at a typed size is a
// fresh view of that size, the one radview-dump draws: pixel for pixel the same, top gap included.
TEST_F(SavePictureTest, APictureAtATypedSizeIsTheCommandLinesPictureOfTheView) {
    graph().resize(onScreen() + QSize(40, 30));
    const QSize typed(820, 390);
    const QString fromWindow = dir.filePath(QStringLiteral("window.png"));
    savePicture(fromWindow, PngPictureFilter, typed);
    const QString fromCommandLine = dir.filePath(QStringLiteral("command-line.png"));
    QProcess dump;
    dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
               {path, "--series", "1", "--png", "820", "390", fromCommandLine, "--view", "10", "21",
                "--pointer", "13", "--grid"});
    ASSERT_TRUE(dump.waitForFinished(60000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    const QImage window = QImage::fromData(ReadAll(fromWindow), "PNG").convertToFormat(QImage::Format_RGB32);
    const QImage commandLine =
        QImage::fromData(ReadAll(fromCommandLine), "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window.size(), typed);
    EXPECT_EQ(window, commandLine);
    // The highest step of the view stands one top margin below the frame, not on its line.
    const ViewLayout view = ViewForPictureSize(graph().view(), series(), graph().screen().size(), typed);
    const StepLine line =
        StepLineOf(series(), view, ViewTimeMap(view, series()), ViewActivityMap(view, typed.height()));
    int top = typed.height();
    for (const StepStroke& stroke : line.strokes)
        top = std::min(top, stroke.to.y());
    EXPECT_EQ(top, 2 * view.margins.top);
    EXPECT_EQ(window.pixelColor(line.strokes[1].to.x() - 1, line.strokes[1].to.y()), graph().colors().graph);
}

TEST_F(SavePictureTest, ATypedExtensionOfAnOfferedTypeDecidesTheType) {
    const QString png = dir.filePath(QStringLiteral("pic.png"));
    savePicture(png, SvgPictureFilter, onScreen());
    EXPECT_TRUE(ReadAll(png).startsWith("\x89PNG\r\n\x1a\n"));
    const QString svg = dir.filePath(QStringLiteral("pic.svg"));
    savePicture(svg, PngPictureFilter, onScreen());
    EXPECT_TRUE(ReadSvgDrawing(ReadAll(svg)).error.isEmpty());
}

TEST_F(SavePictureTest, OnADenseScreenThePictureIsOfferedAndDrawnAtTheScreensPixels) {
    // The graph as a screen at 150 % shows it.
    graph().resize(onScreen(), 1.5);
    const QSize pixels = graph().screen().size();
    ASSERT_EQ(pixels, QSize(1061, 492));
    const QString target = dir.filePath(QStringLiteral("dense.png"));
    savePicture(target, PngPictureFilter, pixels);
    EXPECT_EQ(dialogs->pictureSizesOffered, std::vector<QSize>{pixels});
    QImage saved = QImage::fromData(ReadAll(target), "PNG").convertToFormat(QImage::Format_RGB32);
    QImage shown = graph().screen().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    ASSERT_EQ(saved.size(), pixels);
    EXPECT_EQ(saved, shown) << "the picture is the screen's, fonts and lines at the screen's scale";
}

TEST_F(SavePictureTest, CancellingEitherDialogWritesNothing) {
    dialogs->saveAnswers.push_back(QString());
    form->commands.savePicture->trigger();
    EXPECT_TRUE(dialogs->pictureSizesOffered.empty());

    const QString target = dir.filePath(QStringLiteral("graph.png"));
    savePicture(target, PngPictureFilter, std::nullopt);
    EXPECT_EQ(dialogs->pictureSizesOffered.size(), 1u);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(SavePictureTest, AFailedWriteIsReportedByName) {
    const QString target = dir.filePath(QStringLiteral("no such folder/graph.svg"));
    savePicture(target, SvgPictureFilter, onScreen());
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].startsWith(QStringLiteral("Не удалось сохранить файл «%1»").arg(target)))
        << dialogs->errors[0].toStdString();
}

} // namespace
