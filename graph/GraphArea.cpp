#include "graph/GraphArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

GraphArea::GraphArea(const MeasurementStore& store, QWidget* parent) : QWidget(parent), graph_(store) {
    setObjectName(QStringLiteral("PaintBox"));
    // The picture covers the whole area; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    graph_.setBlankColor(palette().color(QPalette::Window));
    connect(&graph_, &GraphView::areaChanged, this, qOverload<const QRect&>(&QWidget::update));
}

void GraphArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    graph_.paint(painter, event->region(), size());
}

void GraphArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    graph_.resize(size(), devicePixelRatio());
}

void GraphArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    graph_.clickAt(at.x(), at.y());
}
