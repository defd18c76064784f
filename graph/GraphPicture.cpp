#include "graph/GraphPicture.h"

#include "graph/GraphRender.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

// The resolution the screen's fonts and pixels are laid out for; an SVG viewer shows the drawing at the size
// the screen did.
constexpr int ScreenDpi = 96;

} // namespace

ViewLayout ViewForPictureSize(const ViewLayout& screenView, const SelectedSeries& series, QSize screenSize,
                              QSize pictureSize) {
    if (pictureSize == screenSize || series.measurementCount == 0)
        return screenView;
    // A picture of another size is drawn as a fresh view of that size, keeping the gap above the scale's top
    // that a resized window gives up: as radview-dump draws the view at that size.
    RenderOptions options{series, InViewOf(screenView)};
    options.view.topGap = true;
    options.margins = screenView.margins;
    ViewLayout view = LayoutGraph(pictureSize, options).view;
    view.zoomMode = screenView.zoomMode;
    view.zoomAnchor = screenView.zoomAnchor;
    return view;
}

QByteArray GraphPictureBytes(const GraphScene& scene, QSize size, PictureFormat format, const QString& title,
                             qreal ratio) {
    return format == PictureFormat::Svg ? GraphSvgBytes(scene, size, title, ratio)
                                        : GraphPngBytes(scene, size, ratio);
}

QByteArray GraphPngBytes(const GraphScene& scene, QSize size, qreal ratio) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return QByteArray();
    image.setDevicePixelRatio(ratio);
    image.fill(scene.colors.background);
    const QSize logical = image.deviceIndependentSize().toSize();
    {
        QPainter painter(&image);
        RenderGraph(painter, QRect(QPoint(0, 0), logical), ScreenOptions(scene));
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return png;
}

namespace {

// Qt's generator states the picture's size in millimetres worked out from its resolution, which a viewer
// turns back into pixels one off (800 × 450 becomes 801 × 451): the size goes in as the pixels it is.
QByteArray WithPixelSize(const QByteArray& svg, QSize size) {
    const qsizetype tagStart = svg.indexOf("<svg");
    const qsizetype tagEnd = svg.indexOf('>', tagStart);
    if (tagStart < 0 || tagEnd < 0)
        return svg;
    QString tag = QString::fromUtf8(svg.mid(tagStart, tagEnd - tagStart));
    tag.replace(QRegularExpression(QStringLiteral(R"(\bwidth="[^"]*")")),
                QStringLiteral("width=\"%1px\"").arg(size.width()));
    tag.replace(QRegularExpression(QStringLiteral(R"(\bheight="[^"]*")")),
                QStringLiteral("height=\"%1px\"").arg(size.height()));
    return svg.left(tagStart) + tag.toUtf8() + svg.mid(tagEnd);
}

} // namespace

QByteArray GraphSvgBytes(const GraphScene& scene, QSize size, const QString& title, qreal ratio) {
    const QSize logical = (QSizeF(size) / ratio).toSize();
    QByteArray svg;
    QBuffer buffer(&svg);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), logical));
    generator.setResolution(ScreenDpi);
    // The generator writes the title as it is given, and a file name may hold "&" or "<".
    generator.setTitle(title.toHtmlEscaped());
    QPainter painter;
    if (!painter.begin(&generator))
        return QByteArray();
    RenderGraph(painter, QRect(QPoint(0, 0), logical), ScreenOptions(scene));
    if (!painter.end())
        return QByteArray();
    return WithPixelSize(svg, size);
}
