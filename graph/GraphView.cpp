#include "graph/GraphView.h"

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

GraphView::GraphView(const MeasurementStore& store, QObject* parent)
    : QObject(parent), store_(store), blank_(QGuiApplication::palette().color(QPalette::Window)) {
    view_.margins = MarginsForFontHeight(DefaultCanvasFontHeight);
}

GraphScene GraphView::scene(const ColorScheme& colors) const {
    return GraphScene{store_.selected, view_, colors, store_.noSeriesChosen};
}

bool GraphView::seriesShown() const {
    return store_.selected.measurementCount > 0;
}

void GraphView::paint(QPainter& painter, const QRegion& region, QSize areaSize) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const bool wholeArea = (QRegion(QRect(QPoint(0, 0), areaSize)) - region).isEmpty();
    if (resizePicture(areaSize, ratio) || (wholeArea && inputsChanged()))
        render();
    for (const QRect& rect : region)
        painter.drawImage(QRectF(rect), screen_, DeviceRect(rect, screen_.devicePixelRatio()));
}

bool GraphView::inputsChanged() const {
    return store_.noSeriesChosen != drawnBlank_ || colors_ != drawnColors_;
}

bool GraphView::resizePicture(QSize size, qreal ratio) {
    if (!screen_.isNull() && size == area_ && ratio == screen_.devicePixelRatio())
        return false;
    area_ = size;
    screen_ = QImage(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)), QImage::Format_RGB32);
    screen_.setDevicePixelRatio(ratio);
    screen_.fill(blank_);
    ::ResizeView(view_, store_.selected, size);
    return true;
}

void GraphView::resize(QSize size, qreal ratio) {
    if (resizePicture(size, ratio))
        redraw();
}

void GraphView::render() {
    if (screen_.isNull())
        return;
    Canvas canvas(screen_);
    ::PaintGraph(canvas, scene(colors_), trace_);
    if (view_.zoomMode == 2 && seriesShown() && !store_.noSeriesChosen) {
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

void GraphView::redraw() {
    if (screen_.isNull())
        return;
    render();
    emit areaChanged(QRect(QPoint(0, 0), area_));
}

void GraphView::drawPointer() {
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

void GraphView::drawZoomDot(int x, int y) {
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

std::optional<QRect> GraphView::zoomSpanAt(int x) const {
    if (view_.zoomMode != 2 || !seriesShown() || store_.noSeriesChosen)
        return std::nullopt;
    return ZoomSpanRect(view_, store_.selected, area_, x);
}

void GraphView::clickAt(int x, int y) {
    if (store_.noSeriesChosen)
        return;
    emit statusMessage(QString::fromUtf8(BlankStatus));
    if (!seriesShown())
        return;
    if (view_.zoomMode == 1 || view_.zoomMode == 2) {
        drawZoomDot(x, y);
        if (view_.zoomMode == 1)
            zoomDot_ = GraphPointAt(view_, store_.selected, area_, QPoint(x, y));
        if (ZoomClick(view_, store_.selected, area_, x))
            showChangedRange();
        else
            emit statusMessage(QString::fromUtf8(SecondEdgePrompt));
        return;
    }
    if (x > area_.width() - view_.margins.right)
        return;
    // A click left of the axis in a zoomed view lies before the view: the pointer stops at its first
    // measurement and says so, so that the pointer, the panel and the table all show that one.
    const StatusChange status = ClickedMeasurement(view_, MeasurementAtX(view_, store_.selected, x));
    drawPointer();
    emit pointerMoved(view_.pointerIndex);
    if (status)
        emit statusMessage(*status);
}

bool GraphView::pressKey(int qtKey, bool keypad) {
    const NavigationCommand command = NavigationKey(qtKey, keypad);
    if (command == NavigationCommand::None)
        return false;
    // While no series is chosen the picture is blank and holds no pointer to move.
    if (seriesShown() && !store_.noSeriesChosen) {
        const StatusChange status = RunNavigation(view_, command);
        if (status)
            emit statusMessage(*status);
        drawPointer();
        emit pointerMoved(view_.pointerIndex);
    }
    return true;
}

void GraphView::navigate(StatusChange (*command)(ViewWindow&)) {
    if (!seriesShown())
        return;
    const StatusChange status = command(view_);
    if (status)
        emit statusMessage(*status);
    drawPointer();
    emit pointerMoved(view_.pointerIndex);
}

void GraphView::followPointer(int k) {
    if (!seriesShown())
        return;
    view_.pointerIndex = static_cast<uint16_t>(k);
    if (k != drawnPointer_)
        drawPointer();
}

void GraphView::setPointerIndexOnly(int k) {
    view_.pointerIndex = static_cast<uint16_t>(k);
}

void GraphView::movePointerToFirst() {
    navigate(&::PointerToFirst);
}
void GraphView::stepPointerLeft() {
    navigate(&::StepPointerLeft);
}
void GraphView::stepPointerRight() {
    navigate(&::StepPointerRight);
}
void GraphView::movePointerToLast() {
    navigate(&::PointerToLast);
}

void GraphView::resetView() {
    if (!seriesShown())
        return;
    ::ResetView(view_, store_.selected, area_);
    showChangedRange();
}

void GraphView::showRange(int first, int last) {
    if (!seriesShown())
        return;
    ::ShowRange(view_, store_.selected, area_, first, last);
    showChangedRange();
}

void GraphView::showChangedRange() {
    redraw();
    emit viewChanged();
    emit pointerMoved(view_.pointerIndex);
}

void GraphView::showWholeSeries() {
    if (!seriesShown())
        return;
    ::ShowWholeSeries(view_, store_.selected, area_);
    redraw();
    emit viewChanged();
}

void GraphView::beginZoom() {
    emit statusMessage(::BeginZoom(view_));
}

void GraphView::setGrid(bool down) {
    ::SetGrid(view_, down);
    redraw();
}
