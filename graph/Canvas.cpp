#include "graph/Canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int DotOn = 3;
constexpr int DotPeriod = 6;
constexpr QRgb RgbMask = 0x00FFFFFFu;

void PreparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
}

} // namespace

Canvas::Canvas(QImage& image)
    : ownPainter_(std::make_unique<QPainter>(&image)), painter_(ownPainter_.get()), image_(&image),
      size_(image.deviceIndependentSize().toSize()), ratio_(image.devicePixelRatio()) {
    PreparePainter(*painter_);
    setFont(painter_->font());
}

Canvas::Canvas(QPainter& painter, QSize size) : painter_(&painter), size_(size) {
    QPaintDevice* device = painter.device();
    if (device && device->devType() == QInternal::Image && painter.transform().isIdentity()) {
        image_ = static_cast<QImage*>(device);
        ratio_ = image_->devicePixelRatio();
    }
    const QPaintEngine* engine = painter.paintEngine();
    vector_ = !image_ && engine && engine->type() != QPaintEngine::Raster;
    PreparePainter(*painter_);
    setFont(painter_->font());
}

Canvas::~Canvas() {
    flushStrokes();
}

void Canvas::setFont(const QFont& font) {
    font_ = font;
    painter_->setFont(font_);
}

int Canvas::fontHeight() const {
    if (font_.pixelSize() > 0)
        return font_.pixelSize();
    const QPaintDevice* device = painter_->device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return static_cast<int>(std::lround(font_.pointSizeF() * dpi / 72.0));
}

int Canvas::textWidth(const QString& text) const {
    return painter_->fontMetrics().horizontalAdvance(text);
}

int Canvas::textHeight() const {
    return painter_->fontMetrics().height();
}

void Canvas::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::lineTo(int x, int y) {
    strokeLine(penX_, penY_, x, y);
    moveTo(x, y);
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    fillClipped(QRect(QPoint(x1 + 1, y1 + 1), QPoint(x2 - 2, y2 - 2)), brushColor);
    const PenStyle style = pen.style;
    pen.style = PenStyle::Solid;
    strokeRun(QRect(QPoint(x1, y1), QPoint(x2 - 1, y1)), true);
    strokeRun(QRect(QPoint(x1, y2 - 1), QPoint(x2 - 1, y2 - 1)), true);
    strokeRun(QRect(QPoint(x1, y1), QPoint(x1, y2 - 1)), false);
    strokeRun(QRect(QPoint(x2 - 1, y1), QPoint(x2 - 1, y2 - 1)), false);
    pen.style = style;
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    flushStrokes();
    painter_->setPen(QPen(pen.color, 0));
    painter_->setBrush(brushColor);
    painter_->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    painter_->setBrush(Qt::NoBrush);
}

void Canvas::textOut(int x, int y, const QString& text) {
    flushStrokes();
    const QFontMetrics metrics = painter_->fontMetrics();
    fillClipped(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), brushColor);
    painter_->setPen(fontColor);
    painter_->drawText(x, y + metrics.ascent(), text);
}

void Canvas::textOutUpwards(int x, int y, const QString& text) {
    flushStrokes();
    const QFontMetrics metrics = painter_->fontMetrics();
    painter_->save();
    painter_->translate(x, y);
    painter_->rotate(-90);
    painter_->fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), brushColor);
    painter_->setPen(fontColor);
    painter_->drawText(0, metrics.ascent(), text);
    painter_->restore();
}

QRgb Canvas::pixel(int x, int y) const {
    if (!image_ || x < 0 || y < 0 || x >= size_.width() || y >= size_.height())
        return Unreadable;
    const QPoint device(static_cast<int>(std::floor(x * ratio_)), static_cast<int>(std::floor(y * ratio_)));
    if (!image_->valid(device))
        return Unreadable;
    return image_->pixel(device) & RgbMask;
}

std::vector<QRgb> Canvas::readColumn(int x, int y0, int count) const {
    std::vector<QRgb> colours(std::max(count, 0), Unreadable);
    const bool direct = image_ && image_->depth() == 32 && x >= 0 && x < size_.width();
    if (!direct) {
        for (int i = 0; i < count; ++i)
            colours[i] = pixel(x, y0 + i);
        return colours;
    }
    // A pointer move reads a whole column: straight from the scan lines, as pixel() would read each.
    const int deviceX = static_cast<int>(std::floor(x * ratio_));
    for (int i = 0; i < count; ++i) {
        const int y = y0 + i;
        const int deviceY = static_cast<int>(std::floor(y * ratio_));
        if (y >= 0 && y < size_.height() && deviceX < image_->width() && deviceY < image_->height())
            colours[i] = reinterpret_cast<const QRgb*>(image_->constScanLine(deviceY))[deviceX] & RgbMask;
    }
    return colours;
}

void Canvas::writeColumn(int x, int y0, const std::vector<QRgb>& colours) {
    if (!image_ || x < 0 || x >= size_.width() || colours.empty())
        return;
    QImage column(1, static_cast<int>(colours.size()), QImage::Format_RGB32);
    for (int i = 0; i < column.height(); ++i)
        column.setPixel(0, i, 0xFF000000u | colours[i]);
    flushStrokes();
    painter_->drawImage(QPoint(x, y0), column);
}

QImage Canvas::copyColumn(int x, int y0, int count) const {
    if (!image_ || count <= 0)
        return QImage();
    // The device pixels any drawing in the logical column can reach, whatever the ratio's rounding.
    const QRect device =
        QRect(QPoint(static_cast<int>(std::floor(x * ratio_)), static_cast<int>(std::floor(y0 * ratio_))),
              QPoint(static_cast<int>(std::ceil((x + 1) * ratio_)) - 1,
                     static_cast<int>(std::ceil((y0 + count) * ratio_)) - 1))
            .intersected(image_->rect());
    if (device.isEmpty())
        return QImage();
    QImage column = image_->copy(device);
    column.setOffset(device.topLeft());
    return column;
}

void Canvas::pasteColumn(const QImage& column) {
    if (!image_ || column.isNull())
        return;
    // Pixel for pixel into the image itself: the painter would scale and round on a fractional ratio.
    const QRect target = QRect(column.offset(), column.size()).intersected(image_->rect());
    if (target.isEmpty())
        return;
    if (column.format() != image_->format()) {
        for (int y = target.top(); y <= target.bottom(); ++y)
            for (int x = target.left(); x <= target.right(); ++x)
                image_->setPixel(x, y, column.pixel(x - column.offset().x(), y - column.offset().y()));
        return;
    }
    const int bytesPerPixel = image_->depth() / 8;
    const int from = target.left() - column.offset().x();
    const size_t bytes = static_cast<size_t>(target.width() * bytesPerPixel);
    for (int y = target.top(); y <= target.bottom(); ++y)
        std::memcpy(image_->scanLine(y) + target.left() * bytesPerPixel,
                    column.constScanLine(y - column.offset().y()) + from * bytesPerPixel, bytes);
}

void Canvas::fillClipped(QRect rect, const QColor& color) {
    rect = rect.intersected(QRect(QPoint(0, 0), size_));
    if (rect.isEmpty())
        return;
    flushStrokes();
    painter_->fillRect(rect, color);
}

// A horizontal or vertical run of pixels widened to the pen: the extra width is shared out to either side.
QRect Canvas::penBand(QRect run, bool horizontal) const {
    const int before = (pen.width - 1) / 2;
    const int after = pen.width / 2;
    if (pen.width <= 1)
        return run;
    return horizontal ? run.adjusted(0, -before, 0, after) : run.adjusted(-before, 0, after, 0);
}

// A stroke's pixel bands, all of the pen's width: on a vector device lines through the bands' middles, as
// wide as a band, with flat ends, so that they cover the bands exactly. Strokes that follow each other in
// one pen are gathered into one path, drawn before anything else is painted over them.
void Canvas::fillBands(const std::vector<QRect>& bands, bool horizontal) {
    if (!vector_) {
        for (const QRect& band : bands)
            fillClipped(band, pen.color);
        return;
    }
    for (const QRect& band : bands) {
        const QRectF area(band.intersected(QRect(QPoint(0, 0), size_)));
        if (area.isEmpty())
            continue;
        const qreal width = horizontal ? area.height() : area.width();
        if (pending_.isEmpty() || pendingColor_ != pen.color || pendingWidth_ != width)
            flushStrokes();
        pendingColor_ = pen.color;
        pendingWidth_ = width;
        pending_.moveTo(horizontal ? QPointF(area.left(), area.center().y())
                                   : QPointF(area.center().x(), area.top()));
        pending_.lineTo(horizontal ? QPointF(area.right(), area.center().y())
                                   : QPointF(area.center().x(), area.bottom()));
    }
}

void Canvas::flushStrokes() {
    if (pending_.isEmpty())
        return;
    painter_->strokePath(pending_,
                         QPen(pendingColor_, pendingWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    pending_.clear();
}

void Canvas::strokeRun(QRect run, bool horizontal) {
    if (pen.style == PenStyle::Solid) {
        fillBands({penBand(run, horizontal)}, horizontal);
        return;
    }
    const int length = horizontal ? run.width() : run.height();
    // Dots before the canvas are skipped without losing the phase of the pattern.
    const int hidden = horizontal ? -run.left() : -run.top();
    const int shown = horizontal ? size_.width() - run.left() : size_.height() - run.top();
    const int end = std::min(length, shown);
    std::vector<QRect> dots;
    for (int from = std::max(0, hidden / DotPeriod * DotPeriod); from < end; from += DotPeriod) {
        const int to = std::min(from + DotOn, length) - 1;
        const QRect piece =
            horizontal ? QRect(QPoint(run.left() + from, run.top()), QPoint(run.left() + to, run.top()))
                       : QRect(QPoint(run.left(), run.top() + from), QPoint(run.left(), run.top() + to));
        dots.push_back(penBand(piece, horizontal));
    }
    fillBands(dots, horizontal);
}

void Canvas::strokeLine(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2)
        return;
    if (y1 == y2) {
        // The run goes from the start towards the end, which it stops short of; dots count from the start.
        if (x2 > x1)
            strokeRun(QRect(QPoint(x1, y1), QPoint(x2 - 1, y1)), true);
        else if (pen.style == PenStyle::Solid)
            strokeRun(QRect(QPoint(x2 + 1, y1), QPoint(x1, y1)), true);
        else
            strokeDiagonal(x1, y1, x2, y2);
        return;
    }
    if (x1 == x2) {
        if (y2 > y1)
            strokeRun(QRect(QPoint(x1, y1), QPoint(x1, y2 - 1)), false);
        else if (pen.style == PenStyle::Solid)
            strokeRun(QRect(QPoint(x1, y2 + 1), QPoint(x1, y1)), false);
        else
            strokeDiagonal(x1, y1, x2, y2);
        return;
    }
    strokeDiagonal(x1, y1, x2, y2);
}

// Bresenham from the start point, the end point left out; also the backward dotted runs, whose dots count
// from their start.
void Canvas::strokeDiagonal(int x1, int y1, int x2, int y2) {
    const int reach = 2 * (size_.width() + size_.height()) + 64;
    if (std::max(std::abs(x2 - x1), std::abs(y2 - y1)) > reach) {
        // Far off the surface the exact pixels no longer matter; the painter clips the line.
        flushStrokes();
        painter_->setPen(QPen(pen.color, pen.width));
        painter_->drawLine(x1, y1, x2, y2);
        return;
    }
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    const bool horizontalish = dx >= -dy;
    for (int step = 0; x != x2 || y != y2; ++step) {
        if (pen.style == PenStyle::Solid || step % DotPeriod < DotOn)
            fillClipped(penBand(QRect(x, y, 1, 1), horizontalish), pen.color);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}
