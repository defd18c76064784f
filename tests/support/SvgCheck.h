#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <vector>

// Reading an SVG drawing back as Qt's SVG generator writes it: every rectangle with the fill colour it is
// painted in, so that tests can find the strokes of the graph at their coordinates.

struct SvgRect {
    QRect rect;
    QString fill;             // "#rrggbb", from the rectangle or the nearest group that sets it
    bool transformed = false; // drawn under a transform other than the identity (a rotated text's cell)
};

// A straight stroke of a path: the pixels it covers, from the line through their middle and the pen's
// width, and the stroke colour.
struct SvgStroke {
    QRect pixels;
    QString stroke;
    bool transformed = false;
};

struct SvgDrawing {
    QString error; // empty when the bytes are well-formed XML with an <svg> root
    QRect viewBox;
    QString title;
    std::vector<SvgRect> rects;
    int paths = 0;
    std::vector<SvgStroke> strokes; // the horizontal and vertical segments of every path
    int texts = 0;
};

SvgDrawing ReadSvgDrawing(const QByteArray& bytes);

// The rectangles painted in one colour, as the generator writes it ("#0000ff"), outside any transform.
std::vector<QRect> RectsFilledWith(const SvgDrawing& drawing, const QString& fill);

// The pixels the straight strokes of one colour cover, outside any transform: a solid line is one
// rectangle, a dotted line one per dot.
std::vector<QRect> PixelsStrokedIn(const SvgDrawing& drawing, const QString& stroke);
