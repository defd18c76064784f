#pragma once

#include <QWidget>

#include <QRect>

class GraphSurface;

// The graph area between the toolbar and the information panel: shows the graph's picture and hands it its
// size, mouse presses, the wheel and drags, and names the measurement under the mouse. Every press is a
// click; dragging on with the left or right button marks a span, with the middle button it pans. Paint
// events copy only what they cover, so a pointer move repaints two one-pixel columns.
class GraphWidget : public QWidget {
public:
    explicit GraphWidget(GraphSurface& graph, QWidget* parent = nullptr);

    // The zoom's frame on screen; null when none is shown.
    QRect zoomSpan() const { return zoomSpan_; }
    // The readout of the measurement under the mouse; empty while none is shown.
    QString readout() const { return readout_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // While a zoom waits for its second click, a red frame follows the mouse over the span that click would
    // show. It is drawn over the picture, not into it, and only its edges are repainted as it moves.
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // The wheel zooms the time axis around the mouse, with Shift it pans.
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The readout of the measurement under the mouse, a tooltip clear of the step line; hidden outside the
    // plot frame.
    void showReadout(QPoint at);
    void showZoomSpan(int x);
    void setZoomSpan(const QRect& span);
    // A press of the left or right button may become a span's drag once the mouse has moved far enough.
    void dragSpan(QMouseEvent& event);

    GraphSurface& graph_;
    QRect zoomSpan_; // null while no frame is shown
    QString readout_;
    int wheelRest_ = 0; // the part of a notch a fine-grained wheel has turned so far
    // The press that may start a span: where and with which button; none while a two-click zoom took it.
    QPoint pressAt_;
    Qt::MouseButton spanButton_ = Qt::NoButton;
    bool spanning_ = false;
};
