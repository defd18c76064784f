#include "graph/GraphSurface.h"

#include "graph/Canvas.h"
#include "graph/HoverReadout.h"
#include "graph/Navigation.h"
#include "graph/Pointer.h"
#include "graph/SpanBand.h"
#include "store/MeasurementReadout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int ZoomDotRadius = 2;
// A notch of the wheel shows this share of the measurements in view (its inverse zooming out), and with
// Shift moves the view by one part in WheelPanShare of them.
constexpr double WheelZoomStep = 0.8;
constexpr int WheelPanShare = 10;

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
    return GraphScene{store_.selected, view_, colors, store_.noSeriesChosen, &marks_, unit_};
}

void GraphSurface::setReading(ReadingMarks marks, ActivityUnit unit) {
    marks_ = std::move(marks);
    unit_ = unit;
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

std::optional<QString> GraphSurface::readoutAt(QPoint at) const {
    if (store_.noSeriesChosen)
        return std::nullopt;
    const std::optional<int> k = MeasurementUnder(view_, store_.selected, area_, at);
    if (!k)
        return std::nullopt;
    return MeasurementReadout(store_.selected, *k, unit_);
}

QPoint GraphSurface::readoutPlace(QPoint at, QSize tip) const {
    return ReadoutTopLeft(view_, store_.selected, area_, at, tip);
}

void GraphSurface::wheelAt(QPoint at, int notches, bool pan) {
    if (!seriesShown() || store_.noSeriesChosen || notches == 0)
        return;
    if (pan) {
        const double step = std::max(1.0, view_.viewCount / double(WheelPanShare)) * notches;
        emit panRequested(view_.viewFirst - static_cast<int>(std::lround(step)));
        return;
    }
    // Outside the frame the wheel zooms around the frame's nearer edge.
    const QRect frame = PlotFrame(view_, area_);
    const QPoint inFrame(std::clamp(at.x(), frame.left(), std::max(frame.left(), frame.right())), at.y());
    const GraphPoint point = GraphPointAt(view_, store_.selected, area_, inFrame);
    emit zoomRequested(static_cast<double>(point.seconds), std::pow(WheelZoomStep, notches));
}

void GraphSurface::beginDrag(int x) {
    if (seriesShown() && !store_.noSeriesChosen)
        drag_ = Drag{x, view_};
}

void GraphSurface::dragTo(int x) {
    if (!drag_ || !seriesShown())
        return;
    const int from = MeasurementAtX(drag_->view, store_.selected, drag_->x);
    const int to = MeasurementAtX(drag_->view, store_.selected, x);
    emit panRequested(drag_->view.viewFirst + from - to);
}

void GraphSurface::beginSpan(int x) {
    spanAnchor_ = seriesShown() && !store_.noSeriesChosen ? MeasurementAtX(view_, store_.selected, x) : 0;
}

void GraphSurface::spanTo(int x) {
    if (spanAnchor_ != 0 && seriesShown())
        emit spanRequested(spanAnchor_, MeasurementAtX(view_, store_.selected, x));
}

void GraphSurface::followSpan(const std::optional<MeasurementSpan>& span) {
    const std::optional<QRect> before = spanBand();
    span_ = span;
    for (const QRect& rect : SpanBandChange(before, spanBand()))
        emit areaChanged(rect);
}

std::optional<QRect> GraphSurface::spanBand() const {
    if (!span_ || !seriesShown() || store_.noSeriesChosen)
        return std::nullopt;
    return SpanBandRect(view_, store_.selected, area_, *span_);
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
