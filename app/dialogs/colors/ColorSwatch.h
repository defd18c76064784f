#pragma once

#include <QColor>
#include <QWidget>

// A colour swatch: a rounded rectangle with a thin black outline, filled with its colour. The fill colour is
// the only place the colour is kept.
class ColorSwatch : public QWidget {
public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    QColor brushColor() const { return color_; }
    void setBrushColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = Qt::white;
};
