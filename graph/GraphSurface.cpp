#include "graph/GraphSurface.h"

#include "graph/Canvas.h"
#include "graph/Navigation.h"
#include "graph/Pointer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QtMath>

namespace {

constexpr int ZoomDotRadius = 2;

// The device pixels of a logical rectangle of the picture.
QRectF DeviceRect(const QRect& rect, qreal ratio) {
    return QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio);
}

} // namespace

GraphSurface::GraphSurface(const MeasurementStore& store, QObject* parent)
    : QObject(parent), store_(store), blank_(QGuiApplication::palette().color(QPalette::Window)) {
    view_.margins = MarginsForFontHeight(DefaultCanvasFontHeight);
}

GraphScene GraphSurface::scene(const ColorScheme& colors) const {
    return GraphScene{store_.selected, view_, colors, store_.noSeriesChosen};
}

bool GraphSurface::seriesShown() const {
    return store_.selected.measurementCount > 0;
}

void GraphSurface::paint(QPainter& painter, const QRegion& region, QSize areaSize) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const bool wholeArea = (QRegion(QRect(QPoint(0, 0), areaSize)) - region).isEmpty();
    if (resizePicture(areaSize, ratio) || (wholeArea && inputsChanged()))
        render();
    for (const QRect& rect : region)
        painter.drawImage(QRectF(rect), screen_, DeviceRect(rect, screen_.devicePixelRatio()));
}

bool GraphSurface::inputsChanged() const {
    return store_.noSeriesChosen != drawnBlank_ || colors_ != drawnColors_;
}

bool GraphSurface::resizePicture(QSize size, qreal ratio) {
    if (!screen_.isNull() && size == area_ && ratio == screen_.devicePixelRatio())
        return false;
    area_ = size;
    screen_ = QImage(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)), QImage::Format_RGB32);
    screen_.setDevicePixelRatio(ratio);
    screen_.fill(blank_);
    ::ResizeView(view_, store_.selected, size);
    return true;
}

void GraphSurface::resize(QSize size, qreal ratio) {
    if (resizePicture(size, ratio))
        redraw();
}

void GraphSurface::render() {
    if (screen_.isNull())
        return;
    Canvas canvas(screen_);
    ::PaintGraph(canvas, scene(colors_), trace_);
    if (view_.zoomMode == ZoomState::AwaitingSecondEdge && seriesShown() && !store_.noSeriesChosen) {
        canvas.pen.color = MarkerColor;
        canvas.brushColor = MarkerColor;
        const QPoint dot = PixelOf(view_, store_.selected, area_, zoomDot_);
        canvas.ellipse(dot.x() - ZoomDotRadius, dot.y() - ZoomDotRadius, dot.x() + ZoomDotRadius,
                       dot.y() + ZoomDotRadius);
    }
    drawnColors_ = colors_;
    drawnBlank_ = store_.noSeriesChosen;
    drawnPointer_ = view_.pointerIndex;
    ++renders_;
}

void GraphSurface::redraw() {
    if (screen_.isNull())
        return;
    render();
    emit areaChanged(QRect(QPoint(0, 0), area_));
}

void GraphSurface::drawPointer() {
    if (!seriesShown() || screen_.isNull())
        return;
    PointerMove move;
    {
        Canvas canvas(screen_);
        move = ::MovePointerLine(canvas, scene(colors_), trace_);
    }
    drawnPointer_ = view_.pointerIndex;
    if (move.wholeArea) {
        // The move had to draw the whole picture anew.
        ++renders_;
        emit areaChanged(QRect(QPoint(0, 0), area_));
        return;
    }
    emit areaChanged(move.oldColumn);
    emit areaChanged(move.newColumn);
}

void GraphSurface::drawZoomDot(int x, int y) {
    if (screen_.isNull())
        return;
    {
        Canvas canvas(screen_);
        canvas.pen.color = MarkerColor;
        canvas.brushColor = MarkerColor;
        canvas.ellipse(x - ZoomDotRadius, y - ZoomDotRadius, x + ZoomDotRadius, y + ZoomDotRadius);
    }
    // A pixel more on each side: on a fractional pixel ratio the dot's edge may spill over.
    emit areaChanged(QRect(x - ZoomDotRadius, y - ZoomDotRadius, 2 * ZoomDotRadius, 2 * ZoomDotRadius)
                         .adjusted(-1, -1, 1, 1));
}

std::optional<QRect> GraphSurface::zoomSpanAt(int x) const {
    if (view_.zoomMode != ZoomState::AwaitingSecondEdge || !seriesShown() || store_.noSeriesChosen)
        return std::nullopt;
    return ZoomSpanRect(view_, store_.selected, area_, x);
}

void GraphSurface::clickAt(int x, int y) {
    if (!seriesShown() || store_.noSeriesChosen) {
        emit clicked(0, false);
        return;
    }
    if (view_.zoomMode != ZoomState::Off) {
        drawZoomDot(x, y);
        if (view_.zoomMode == ZoomState::AwaitingFirstEdge)
            zoomDot_ = GraphPointAt(view_, store_.selected, area_, QPoint(x, y));
    }
    emit clicked(MeasurementAtX(view_, store_.selected, x), x > area_.width() - view_.margins.right);
}

bool GraphSurface::pressKey(int qtKey, bool keypad) {
    const NavigationCommand command = NavigationKey(qtKey, keypad);
    if (command == NavigationCommand::None)
        return false;
    emit navigationRequested(command);
    return true;
}

void GraphSurface::showView(const ViewState& state) {
    static_cast<ViewState&>(view_) = state;
    if (seriesShown())
        ::LayOutView(view_, store_.selected, area_);
    redraw();
    emit viewChanged();
}

void GraphSurface::followPointer(int k) {
    view_.pointerIndex = static_cast<uint16_t>(k);
    if (k != drawnPointer_)
        drawPointer();
}

void GraphSurface::followZoom(const ViewState& state) {
    view_.zoomMode = state.zoomMode;
    view_.zoomAnchor = state.zoomAnchor;
}

void GraphSurface::followGrid(bool on) {
    view_.gridOn = on;
    redraw();
}
