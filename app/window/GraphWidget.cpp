#include "app/window/GraphWidget.h"

#include "graph/ColorScheme.h"
#include "graph/GraphSurface.h"
#include "graph/SpanBand.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

namespace {

// The pixels of a rectangle's one-pixel edges.
QRegion Outline(const QRect& rect) {
    return QRegion(rect) - QRegion(rect.adjusted(1, 1, -1, -1));
}

// The size of a tooltip showing text: its font's lines, the label's margin and the frame on each side.
QSize ReadoutSize(const QString& text, const QStyle* style) {
    const int frame = style->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth);
    const int border = 2 * (1 + 2 * frame);
    return QFontMetrics(QToolTip::font()).size(0, text) + QSize(border, border);
}

// Where Qt puts a tooltip's corner from the point it is given, for an arrow cursor of 16 pixels.
const QPoint ToolTipOffset(2, 16);

} // namespace

GraphWidget::GraphWidget(GraphSurface& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
    setObjectName(QStringLiteral("PaintBox"));
    setMouseTracking(true);
    // A new view or a new series ends whatever zoom the frame showed.
    connect(&graph_, &GraphSurface::viewChanged, this, [this] { setZoomSpan(QRect()); });
    // The picture covers the whole area, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&graph_, &GraphSurface::areaChanged, this, qOverload<const QRect&>(&QWidget::update));
}

void GraphWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    graph_.paint(painter, event->region(), size());
    if (const std::optional<QRect> band = graph_.spanBand())
        PaintSpanBand(painter, *band, graph_.colors().background);
    if (zoomSpan_.isNull())
        return;
    painter.setPen(MarkerColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(zoomSpan_.adjusted(0, 0, -1, -1));
}

void GraphWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setZoomSpan(QRect());
    graph_.resize(size(), devicePixelRatio());
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // A press while a two-click zoom waits is its edge and nothing more.
    const bool zoomPending = graph_.view().zoomMode != ZoomState::Off;
    graph_.clickAt(at.x(), at.y());
    showZoomSpan(at.x());
    if (event->button() == Qt::MiddleButton) {
        graph_.beginDrag(at.x());
    } else if (!zoomPending && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        pressAt_ = at;
        spanButton_ = event->button();
        spanning_ = false;
    }
}

void GraphWidget::dragSpan(QMouseEvent& event) {
    if (spanButton_ == Qt::NoButton || !(event.buttons() & spanButton_))
        return;
    const QPoint at = event.position().toPoint();
    if (!spanning_ && (at - pressAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    if (!spanning_)
        graph_.beginSpan(pressAt_.x());
    spanning_ = true;
    graph_.spanTo(at.x());
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (event->buttons() & Qt::MiddleButton)
        graph_.dragTo(at.x());
    dragSpan(*event);
    showZoomSpan(at.x());
    showReadout(at);
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::MiddleButton)
        graph_.endDrag();
    if (event->button() == spanButton_) {
        spanButton_ = Qt::NoButton;
        spanning_ = false;
    }
}

void GraphWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setZoomSpan(QRect());
    readout_.clear();
    QToolTip::hideText();
}

void GraphWidget::wheelEvent(QWheelEvent* event) {
    // Some platforms turn Shift+wheel into a sideways wheel.
    const QPoint delta = event->angleDelta();
    wheelRest_ += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    const QPoint at = event->position().toPoint();
    const bool pan = (event->modifiers() & Qt::ShiftModifier) || (delta.y() == 0 && delta.x() != 0);
    graph_.wheelAt(at, notches, pan);
    showReadout(at);
    event->accept();
}

void GraphWidget::showReadout(QPoint at) {
    const std::optional<QString> text = graph_.readoutAt(at);
    readout_ = text.value_or(QString());
    if (!text) {
        QToolTip::hideText();
        return;
    }
    const QSize tip = ReadoutSize(*text, style());
    // Qt puts a tooltip's corner below and right of the point it is given, clear of the cursor.
    const QPoint corner = mapToGlobal(graph_.readoutPlace(at, tip)) - ToolTipOffset;
    QToolTip::showText(corner, *text, this, rect());
}

void GraphWidget::showZoomSpan(int x) {
    setZoomSpan(graph_.zoomSpanAt(x).value_or(QRect()));
}

void GraphWidget::setZoomSpan(const QRect& span) {
    if (span == zoomSpan_)
        return;
    update(Outline(zoomSpan_));
    zoomSpan_ = span;
    update(Outline(zoomSpan_));
}
