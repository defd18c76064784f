#pragma once

#include "graph/GraphView.h"

#include <QWidget>

// The paint area of the main window: shows the graph's picture and hands it its size and mouse presses.
// Paint events copy only what they cover, so a pointer move repaints two one-pixel columns.
class GraphArea : public QWidget {
    Q_OBJECT

public:
    explicit GraphArea(const MeasurementStore& store, QWidget* parent = nullptr);

    GraphView& graph() { return graph_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    GraphView graph_;
};
