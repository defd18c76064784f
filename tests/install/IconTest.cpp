// The application icon and the file type's icon as the build renders them from their drawings, and the
// application icon as the main window shows it.

#include "app/program/Program.h"
#include "app/window/MainWindow.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kIconSizes[] = {RADVIEW_ICON_SIZES};
// From this size on the icons come from their detailed drawings on a 128-unit grid.
constexpr int kLargeSize = 128;

QString RenderedPng(const QString& name, int side) {
    return QStringLiteral(RADVIEW_ICON_DIR "/%1-%2.png").arg(name).arg(side);
}

QImage Rendered(const QString& name, int side) {
    return QImage(RenderedPng(name, side)).convertToFormat(QImage::Format_ARGB32);
}

const QString kApp = QStringLiteral("radview");
const QString kFileType = QStringLiteral(RADVIEW_MIME_ICON);

const QColor kPaper(252, 252, 248), kInk(40, 44, 52), kSteps(40, 100, 200), kArea(220, 235, 250),
    kPointer(40, 150, 70), kDot(205, 45, 45), kHeader(154, 168, 184);

// A point of a drawing that lies wholly inside one of its parts, in the units of the drawing's grid.
struct Probe {
    double x, y;
    QColor colour;
    const char* part;
};

// The pixel that covers the point (x, y) of a drawing of `units` units a side.
QColor At(const QImage& image, double units, double x, double y) {
    const double scale = image.width() / units;
    return image.pixelColor(static_cast<int>(std::floor(x * scale)), static_cast<int>(std::floor(y * scale)));
}

::testing::AssertionResult Near(const QColor& actual, const QColor& expected) {
    const int tolerance = 6;
    if (std::abs(actual.red() - expected.red()) <= tolerance &&
        std::abs(actual.green() - expected.green()) <= tolerance &&
        std::abs(actual.blue() - expected.blue()) <= tolerance && actual.alpha() == 255)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel is " << actual.name(QColor::HexArgb).toStdString()
                                         << ", wanted " << expected.name(QColor::HexRgb).toStdString();
}

void ExpectShows(const QString& name, const std::vector<Probe>& small, const std::vector<Probe>& large) {
    for (const int side : kIconSizes) {
        SCOPED_TRACE(QStringLiteral("%1 at %2 px").arg(name).arg(side).toStdString());
        const QImage image = Rendered(name, side);
        ASSERT_FALSE(image.isNull());
        EXPECT_LT(image.pixelColor(0, 0).alpha(), 128) << "the corner is not filled";
        const bool isLarge = side >= kLargeSize;
        for (const Probe& probe : isLarge ? large : small)
            EXPECT_TRUE(Near(At(image, isLarge ? 128 : 16, probe.x, probe.y), probe.colour)) << probe.part;
    }
}

// The chunk types of a PNG file in their order.
std::vector<QByteArray> PngChunks(const QString& path) {
    QFile file(path);
    std::vector<QByteArray> chunks;
    if (!file.open(QIODevice::ReadOnly))
        return chunks;
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        chunks.push_back(bytes.mid(at + 4, 4));
        at += 12 + static_cast<qsizetype>(length);
    }
    return chunks;
}

} // namespace

TEST(Icon, EverySizeIsRenderedSquareWithTransparencyAndNothingButThePicture) {
    for (const QString& name : {kApp, kFileType}) {
        for (const int side : kIconSizes) {
            SCOPED_TRACE(QStringLiteral("%1 at %2 px").arg(name).arg(side).toStdString());
            ASSERT_TRUE(QFileInfo(RenderedPng(name, side)).isFile());
            const QImage image(RenderedPng(name, side));
            EXPECT_EQ(image.size(), QSize(side, side));
            EXPECT_TRUE(image.hasAlphaChannel());
            // No time or text chunk, which would make two builds of the same drawing differ.
            for (const QByteArray& chunk : PngChunks(RenderedPng(name, side)))
                EXPECT_TRUE(chunk == "IHDR" || chunk == "IDAT" || chunk == "IEND" || chunk == "pHYs" ||
                            chunk == "sBIT")
                    << chunk.toStdString();
        }
    }
}

// Points of the drawings that lie wholly inside one of their parts, so every size must show that part's
// colour there. The large sizes show the detail of their own drawing: the grid, the axis and its ticks,
// the pointer's mark, and the steps between the small drawing's.
TEST(Icon, EverySizeShowsItsDrawing) {
    ExpectShows(kApp,
                {{8, 0.5, kInk, "the sheet's top edge"},
                 {3.5, 3, kPaper, "the sheet above the record"},
                 {7, 4.5, kSteps, "the highest step"},
                 {4, 11.5, kArea, "under the steps"},
                 {7.5, 13.5, kInk, "the base line"},
                 {9.5, 3, kPointer, "the pointer"},
                 {9.5, 7.5, kDot, "the measurement under the pointer"}},
                {{64, 4.5, kInk, "the sheet's top edge"},
                 {100, 14, kPaper, "the sheet above the record"},
                 {51, 28, kSteps, "the highest step"},
                 {33, 60, kSteps, "a step the small drawing lacks"},
                 {60, 92, kArea, "under the steps"},
                 {40, 104, kInk, "the base line"},
                 {14, 44, kInk, "the activity axis"},
                 {11, 56, kInk, "a tick of the activity axis"},
                 {104, 32, QColor(203, 210, 218), "a grid line above the record"},
                 {78, 11, kPointer, "the pointer's mark"},
                 {78, 90, kPointer, "the pointer"},
                 {78, 52, kDot, "the measurement under the pointer"}});
    ExpectShows(kFileType,
                {{6, 0.5, kInk, "the sheet's top edge"},
                 {5, 3, kPaper, "the sheet"},
                 {7.5, 5.5, kSteps, "the highest step"},
                 {5.5, 12, kArea, "under the steps"},
                 {8, 13.5, kInk, "the base line"}},
                {{50, 4, kInk, "the sheet's top edge"},
                 {26, 60, kPaper, "the sheet"},
                 {90, 22, QColor(228, 228, 220), "the folded corner"},
                 {50, 18, kHeader, "the file's header line"},
                 {56, 58, kSteps, "the highest step"},
                 {50, 100, kArea, "under the steps"},
                 {40, 110, kInk, "the base line"}});
}

TEST(Icon, TheMainWindowShowsTheRenderedIconAtEverySize) {
    const auto program = CreateProgram(QtServices());
    // The window hands its icon over once it has been painted.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(program->mainWindow));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program->mainWindow->windowIcon().isNull(); }));
    const QIcon icon = program->mainWindow->windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int side : kIconSizes) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side)));
        // Compared premultiplied, as a pixmap keeps them, so that the edge pixels need no rounding.
        const QImage shown =
            icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, Rendered(kApp, side).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}
