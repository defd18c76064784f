// The application icon as the build renders it from its drawing, and as the main window shows it.

#include "app/MainWindow.h"
#include "app/Program.h"

#include <QColor>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kIconSizes[] = {RADVIEW_ICON_SIZES};

QString RenderedPng(int side) {
    return QStringLiteral(RADVIEW_ICON_DIR "/radview-%1.png").arg(side);
}

QImage Rendered(int side) {
    return QImage(RenderedPng(side)).convertToFormat(QImage::Format_ARGB32);
}

// The pixel that covers the point (x, y) of the drawing's 16-unit grid.
QColor At(const QImage& image, double x, double y) {
    const double scale = image.width() / 16.0;
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

} // namespace

TEST(Icon, EverySizeIsRenderedSquareWithTransparency) {
    for (const int side : kIconSizes) {
        SCOPED_TRACE(side);
        ASSERT_TRUE(QFileInfo(RenderedPng(side)).isFile());
        const QImage image(RenderedPng(side));
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_TRUE(image.hasAlphaChannel());
    }
}

// Points of the drawing that lie wholly inside one of its parts, so every size must show that part's
// colour there; the corner shows that the sheet is rounded off, not square.
TEST(Icon, EverySizeShowsTheDrawing) {
    const QColor paper(252, 252, 248), ink(40, 44, 52), steps(40, 100, 200), area(220, 235, 250),
        pointer(40, 150, 70), dot(205, 45, 45);
    for (const int side : kIconSizes) {
        SCOPED_TRACE(side);
        const QImage image = Rendered(side);
        ASSERT_FALSE(image.isNull());
        EXPECT_LT(image.pixelColor(0, 0).alpha(), 128);
        EXPECT_TRUE(Near(At(image, 8, 0.5), ink)) << "the sheet's top edge";
        EXPECT_TRUE(Near(At(image, 3.5, 3), paper)) << "the sheet above the record";
        EXPECT_TRUE(Near(At(image, 7, 4.5), steps)) << "the highest step";
        EXPECT_TRUE(Near(At(image, 4, 11.5), area)) << "under the steps";
        EXPECT_TRUE(Near(At(image, 7.5, 13.5), ink)) << "the base line";
        EXPECT_TRUE(Near(At(image, 9.5, 3), pointer)) << "the pointer";
        EXPECT_TRUE(Near(At(image, 9.5, 7.5), dot)) << "the measurement under the pointer";
    }
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
        EXPECT_EQ(shown, Rendered(side).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}
