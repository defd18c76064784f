#include "app/window/GraphWidget.h"

#include "graph/ColorScheme.h"
#include "graph/GraphSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// The pixels of a rectangle's one-pixel edges.
QRegion Outline(const QRect& rect) {
    return QRegion(rect) - QRegion(rect.adjusted(1, 1, -1, -1));
}

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
    graph_.clickAt(at.x(), at.y());
    showZoomSpan(at.x());
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    showZoomSpan(event->position().toPoint().x());
}

void GraphWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setZoomSpan(QRect());
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
