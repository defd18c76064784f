#pragma once

#include <QWidget>

#include <QRect>

class GraphSurface;

// The graph area between the toolbar and the information panel: shows the graph's picture and hands it its
// size and mouse presses. Paint events copy only what they cover, so a pointer move repaints two one-pixel
// columns.
class GraphWidget : public QWidget {
public:
    explicit GraphWidget(GraphSurface& graph, QWidget* parent = nullptr);

    // The zoom's frame on screen; null when none is shown.
    QRect zoomSpan() const { return zoomSpan_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // While a zoom waits for its second click, a red frame follows the mouse over the span that click would
    // show. It is drawn over the picture, not into it, and only its edges are repainted as it moves.
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showZoomSpan(int x);
    void setZoomSpan(const QRect& span);

    GraphSurface& graph_;
    QRect zoomSpan_; // null while no frame is shown
};
