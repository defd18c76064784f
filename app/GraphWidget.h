#pragma once

#include <QWidget>

class GraphHooks;

// The graph area between the toolbar and the information panel. It only hands its paint events and mouse
// presses on: what it shows is the business of the graph hooks.
class GraphWidget : public QWidget {
public:
    explicit GraphWidget(QWidget* parent = nullptr);
    void setHooks(GraphHooks* hooks) { hooks_ = hooks; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    GraphHooks* hooks_ = nullptr;
};
