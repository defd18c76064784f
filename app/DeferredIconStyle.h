#pragma once

#include <QProxyStyle>

// The application's own style, but the pictures Qt reads for it while the main window is built and first
// painted are read more cheaply: reading one of Qt's built-in pictures the ordinary way loads every image
// plugin, the SVG one with its library among them, which cost each start some milliseconds. The toolbar
// extension arrows, which every menu bar makes and a menu bar whose items all fit never shows, are read when
// first drawn; Fusion's group box frame is drawn from its picture read as PNG.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
