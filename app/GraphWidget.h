#pragma once

#include <QWidget>

class GraphView;

// The graph area between the toolbar and the information panel: shows the graph's picture and hands it its
// size and mouse presses. Paint events copy only what they cover, so a pointer move repaints two one-pixel
// columns.
class GraphWidget : public QWidget {
public:
    explicit GraphWidget(GraphView& graph, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    GraphView& graph_;
};
