#include "app/window/ValueLabel.h"

#include <QFontMetrics>
#include <QPainter>

#include <QRegularExpression>

#include <algorithm>

namespace {

int PixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

} // namespace

FittedText FitText(const QString& text, const QFont& font, int width, int minimumPixels) {
    FittedText fitted{font, text, true};
    const QFontMetrics metrics(font);
    // No character is wider than the widest of the font: a text that fits even so needs no shaping to
    // know it, which spares most labels a measurement at every pointer step.
    if (static_cast<qint64>(text.size()) * metrics.maxWidth() <= width ||
        metrics.horizontalAdvance(text) <= width)
        return fitted;
    fitted.whole = false;
    for (int pixels = PixelSizeOf(font) - 1; pixels >= minimumPixels; --pixels) {
        fitted.font.setPixelSize(pixels);
        if (QFontMetrics(fitted.font).horizontalAdvance(text) <= width)
            return fitted;
    }
    fitted.font.setPixelSize(std::max(1, minimumPixels));
    fitted.text = QFontMetrics(fitted.font).elidedText(text, Qt::ElideMiddle, width);
    return fitted;
}

FittedText ValueLabel::shown() const {
    return FitText(text(), font(), contentsRect().width() - 2 * margin());
}

void ValueLabel::paintEvent(QPaintEvent*) {
    const FittedText fitted = shown();
    // Set here, where the fit is known; setting a tooltip asks for no repaint.
    setToolTip(fitted.whole ? QString() : text());
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fitted.font);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect().adjusted(margin(), margin(), -margin(), -margin()), int(alignment()),
                     fitted.text);
}

FittedText CaptionLabel::shown() const {
    QString widest = text();
    if (wordWrap()) {
        const QFontMetrics metrics(font());
        widest.clear();
        static const QRegularExpression space(QStringLiteral("\\s+"));
        for (const QString& word : text().split(space, Qt::SkipEmptyParts))
            if (metrics.horizontalAdvance(word) > metrics.horizontalAdvance(widest))
                widest = word;
    }
    FittedText fitted = FitText(widest, font(), contentsRect().width() - 2 * margin());
    fitted.text = text();
    return fitted;
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    const FittedText fitted = shown();
    if (fitted.whole) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted.font);
    painter.setPen(palette().color(foregroundRole()));
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(contentsRect().adjusted(margin(), margin(), -margin(), -margin()), flags, fitted.text);
}
