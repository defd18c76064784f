#include "app/GraphWidget.h"

#include "graph/GraphView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

GraphWidget::GraphWidget(GraphView& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
    setObjectName(QStringLiteral("PaintBox"));
    // The picture covers the whole area, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&graph_, &GraphView::areaChanged, this, qOverload<const QRect&>(&QWidget::update));
}

void GraphWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    graph_.paint(painter, event->region(), size());
}

void GraphWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    graph_.resize(size(), devicePixelRatio());
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    graph_.clickAt(at.x(), at.y());
}
