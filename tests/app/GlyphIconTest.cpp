// The toolbar glyphs, read when first drawn, are the same pictures as Qt's own reading; the windows' style is
// the application's own.

#include "app/window/GlyphIcon.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

#include <gtest/gtest.h>

namespace {

QImage Rgba(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(GlyphIcon, DrawsTheGlyphFileAtItsSizeAndTheDenseDrawingOnDenseScreens) {
    const QIcon icon = GlyphIcon("open");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    const QImage plain(QStringLiteral(":/glyphs/open.png"));
    const QImage dense(QStringLiteral(":/glyphs/open@2x.png"));
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(dense.isNull());
    EXPECT_EQ(Rgba(icon.pixmap(QSize(16, 16)).toImage()), Rgba(plain));
    const QPixmap twice = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_EQ(Rgba(twice.toImage()), Rgba(dense));
}

TEST(GlyphIcon, PaintsLikeAQtIconOfTheSameFiles) {
    QIcon reference;
    reference.addFile(QStringLiteral(":/glyphs/grid.png"), QSize(16, 16));
    reference.addFile(QStringLiteral(":/glyphs/grid@2x.png"), QSize(32, 32));
    const QIcon glyph = GlyphIcon("grid");
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
        QImage expected(20, 20, QImage::Format_ARGB32_Premultiplied);
        QImage painted(20, 20, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        painted.fill(Qt::white);
        {
            QPainter reader(&expected);
            reference.paint(&reader, QRect(2, 2, 16, 16), Qt::AlignCenter, mode);
            QPainter drawer(&painted);
            glyph.paint(&drawer, QRect(2, 2, 16, 16), Qt::AlignCenter, mode);
        }
        EXPECT_EQ(painted, expected) << "mode " << mode;
    }
}

} // namespace

namespace {

// The windows are drawn in the application's own style, with no stand-in of ours between: the toolbar
// extension arrows, the standard icons and the group box frame are the base style's to the pixel.
TEST(ApplicationStyle, DrawsEveryStandardIconAsItsBaseStyle) {
    QStyle* style = QApplication::style();
    const std::unique_ptr<QStyle> base(QStyleFactory::create(style->name()));
    ASSERT_NE(base, nullptr);
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_DialogOkButton, QStyle::SP_MessageBoxCritical}) {
        const QIcon shown = style->standardIcon(icon);
        const QIcon expected = base->standardIcon(icon);
        EXPECT_EQ(shown.availableSizes(), expected.availableSizes()) << "icon " << icon;
        EXPECT_EQ(Rgba(shown.pixmap(QSize(16, 16)).toImage()), Rgba(expected.pixmap(QSize(16, 16)).toImage()))
            << "icon " << icon;
    }
}

} // namespace

namespace {

QImage PaintedGroupBox(QStyle* style, const QString& title) {
    QGroupBox box(title);
    box.setStyle(style);
    box.resize(220, 110);
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    box.render(&image);
    return image;
}

TEST(ApplicationStyle, DrawsTheBaseStylesGroupBoxFrame) {
    QStyle* style = QApplication::style();
    const std::unique_ptr<QStyle> base(QStyleFactory::create(style->name()));
    ASSERT_NE(base, nullptr);
    for (const QString& title : {QString(), QStringLiteral("Настройте цвета")}) {
        const QImage expected = PaintedGroupBox(base.get(), title);
        EXPECT_EQ(PaintedGroupBox(style, title), expected) << title.toStdString();
        // Something was drawn: the frame darkens some pixels of the white ground.
        EXPECT_NE(expected.pixel(1, 60), QColor(Qt::white).rgba()) << title.toStdString();
    }
}

} // namespace
