#include "app/BlankGraph.h"

#include "store/MeasurementStore.h"

#include <QPainter>

const QColor BlankGraph::EmptyAreaColour(192, 192, 192);

void BlankGraph::GrPaint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, store_.noSeriesChosen ? EmptyAreaColour : background_);
}
