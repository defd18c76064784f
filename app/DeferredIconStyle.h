#pragma once

#include <QProxyStyle>

// The application's own style, but the toolbar extension arrows, which Qt makes for every menu bar as it is
// built, are decoded when first drawn: reading Qt's built-in pictures the ordinary way loads every image
// plugin, the SVG one with its library among them, and a menu bar whose items all fit never shows the arrow.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
