#include "app/DeferredIconStyle.h"

#include "desktop/PngImage.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// The base style's icon, asked for when first wanted.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(QStyle* style, QStyle::StandardPixmap icon) : style_(style), icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return made().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return made().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("radview-deferred"); }
    QIconEngine* clone() const override { return new DeferredIcon(style_, icon_); }

private:
    const QIcon& made() {
        if (!made_ && style_) {
            icon_made_ = style_->standardIcon(icon_);
            made_ = true;
        }
        return icon_made_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap icon_;
    QIcon icon_made_;
    bool made_ = false;
};

// Fusion's group box frame, as Qt 6.4 draws it: its picture stretched over the box by six-pixel margins,
// below the title's room (three pixels for a box without title and check box).
void DrawFusionGroupBoxFrame(const QStyle& style, const QStyleOption& option, QPainter& painter,
                             const QWidget* widget) {
    static const QPixmap frame = QPixmap::fromImage(
        ReadPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png")));
    constexpr int groupBoxTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool plain = box && !box->isCheckable() && box->title().isEmpty();
    const int topMargin =
        plain ? groupBoxTopMargin
              : qMax(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), option.fontMetrics.height()) +
                    groupBoxTopMargin;
    qDrawBorderPixmap(&painter, option.rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6), frame);
}

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void DeferredIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    // Qt 6.5 keeps Fusion's frame picture in the pixmap cache itself.
    const bool fusion64 = QT_VERSION >= QT_VERSION_CHECK(6, 4, 0) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0) &&
                          baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (element == PE_FrameGroupBox && option && painter && fusion64) {
        DrawFusionGroupBoxFrame(*this, *option, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
