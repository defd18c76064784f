#include "app/GraphWidget.h"

#include "app/ViewHooks.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox"));
    // Every paint covers the whole area, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphWidget::paintEvent(QPaintEvent* event) {
    if (!hooks_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    hooks_->GrPaint(painter, rect());
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    if (hooks_)
        hooks_->GetPos(*event);
}
