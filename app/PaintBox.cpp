#include "app/PaintBox.h"

#include "app/ViewHooks.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox"));
    // Every paint covers the whole area, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    if (!hooks_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    hooks_->GrPaint(painter, rect());
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (hooks_)
        hooks_->GetPos(*event);
}
