#include "app/window/GlyphIcon.h"

#include "desktop/PngImage.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSide = 16;

class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(const QString& name) : name_(name) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        loaded(rect.width() * ratio > kSide).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded(size.width() > kSide).pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return loaded(size.width() * scale > kSide).pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded(size.width() > kSide).actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(kSide, kSide), QSize(2 * kSide, 2 * kSide)};
    }
    QString key() const override { return QStringLiteral("radview-glyph"); }
    QIconEngine* clone() const override { return new GlyphEngine(name_); }

private:
    // The icon with the 16-pixel drawing, and with the 32-pixel one once a dense screen has asked for it.
    const QIcon& loaded(bool dense) {
        if (icon_.isNull())
            icon_.addPixmap(QPixmap::fromImage(ReadPng(QStringLiteral(":/glyphs/%1.png").arg(name_))));
        if (dense && !dense_) {
            icon_.addPixmap(QPixmap::fromImage(ReadPng(QStringLiteral(":/glyphs/%1@2x.png").arg(name_))));
            dense_ = true;
        }
        return icon_;
    }

    QString name_;
    QIcon icon_;
    bool dense_ = false;
};

} // namespace

QIcon GlyphIcon(const char* name) {
    return QIcon(new GlyphEngine(QString::fromLatin1(name)));
}
