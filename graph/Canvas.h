#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

enum class PenStyle { Solid, Dot };

struct CanvasPen {
    QColor color = Qt::black;
    PenStyle style = PenStyle::Solid;
    int width = 1;
};

// The drawing surface of the graph, the time axis and the printouts, with the semantics of the classic
// canvas they were laid out for: a line never includes its end point; a rectangle from (x1, y1) to
// (x2, y2) covers x1 … x2 − 1 and y1 … y2 − 1, outlined with the pen and filled with the brush; text cells
// are opaque, filled with the brush colour. A dotted line is 3 pixels on and 3 off, counted from its start
// point; its gaps are left as they are, so that a grid line ending in a gap does not notch the frame.
// Shapes are never antialiased, so every pixel is where the algorithms put it. On a vector device (an SVG
// drawing, a PDF page) a stroke is a path over the same pixels rather than a rectangle per pixel run.
class Canvas {
public:
    // Draws on an image whose pixels can also be read back (the screen, exports, tests). An image with a
    // device pixel ratio is drawn on in its logical pixels, at its full resolution.
    explicit Canvas(QImage& image);
    // Draws through a painter already open on some device of the given size (a printer page, a picture);
    // pixels can be read back only where that device is an image.
    Canvas(QPainter& painter, QSize size);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    // Device pixels per logical pixel of the surface.
    qreal ratio() const { return ratio_; }

    CanvasPen pen;
    QColor brushColor = Qt::white;
    QColor fontColor = Qt::black;

    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    // The character height of the font in device pixels (the classic |font.height|).
    int fontHeight() const;
    int textWidth(const QString& text) const;
    int textHeight() const; // height of a text cell: ascent plus descent

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    // Text with the top-left corner of its cell at (x, y).
    void textOut(int x, int y, const QString& text);
    // Text turned by 90° so that it runs upwards from (x, y); the top of its cell faces left.
    void textOutUpwards(int x, int y, const QString& text);

    // pixel colours as 0x00RRGGBB, at logical coordinates (the device pixel at the logical pixel's top-left
    // corner); reading a pixel outside the image, or on a canvas without one, gives Unreadable.
    static constexpr QRgb Unreadable = 0xFFFFFFFFu;
    QRgb pixel(int x, int y) const;
    // Rows y0 … y0 + count − 1 of column x, in one read and one write.
    std::vector<QRgb> readColumn(int x, int y0, int count) const;
    void writeColumn(int x, int y0, const std::vector<QRgb>& colours);
    // Every device pixel under rows y0 … y0 + count − 1 of logical column x, and where they lie; a null
    // image where the column is off the image or there is no image.
    QImage copyColumn(int x, int y0, int count) const;
    // Puts pixels copied by copyColumn back where they were taken, device pixel for device pixel.
    void pasteColumn(const QImage& column);

private:
    void fillClipped(QRect rect, const QColor& color);
    void strokeLine(int x1, int y1, int x2, int y2);
    void strokeRun(QRect run, bool horizontal);
    void strokeDiagonal(int x1, int y1, int x2, int y2);
    QRect penBand(QRect run, bool horizontal) const;
    void fillBands(const std::vector<QRect>& bands, bool horizontal);
    void flushStrokes();

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_;
    QImage* image_ = nullptr;
    QSize size_;
    qreal ratio_ = 1;
    bool vector_ = false;
    QPainterPath pending_; // strokes in one pen on a vector device, not drawn yet
    QColor pendingColor_;
    qreal pendingWidth_ = 1;
    QFont font_;
    int penX_ = 0;
    int penY_ = 0;
};
