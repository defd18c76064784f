#pragma once

#include "app/ViewHooks.h"

#include <QColor>

struct MeasurementStore;

// The paint area before there is a graph to draw: silver while a file is open and no series is chosen,
// the window's own background otherwise.
class BlankGraph : public GraphHooks {
public:
    BlankGraph(const MeasurementStore& store, QColor background) : store_(store), background_(background) {}
    void GrPaint(QPainter& painter, const QRect& area) override;

    static const QColor EmptyAreaColour; // silver, RGB (192, 192, 192)

private:
    const MeasurementStore& store_;
    QColor background_;
};
