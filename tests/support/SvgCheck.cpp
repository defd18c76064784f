#include "tests/support/SvgCheck.h"

#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const QString Identity = QStringLiteral("matrix(1,0,0,1,0,0)");

int Coordinate(const QXmlStreamAttributes& attributes, const char* name) {
    return static_cast<int>(std::lround(attributes.value(QLatin1String(name)).toDouble()));
}

QRect ViewBoxOf(const QXmlStreamAttributes& attributes) {
    const QStringList parts =
        attributes.value(QLatin1String("viewBox")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return QRect();
    return QRect(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt());
}

struct Style {
    QString fill;
    QString stroke;
    qreal strokeWidth = 1;
    bool transformed = false;
};

// "M x,y L x,y M …": each move and the line that follows it, as the rectangle of pixels a flat-ended pen
// of the width covers; a segment that is neither horizontal nor vertical is left out.
void AddStrokes(SvgDrawing& drawing, const QString& d, const Style& style) {
    static const QRegularExpression command(QStringLiteral(R"(([ML])\s*(-?[\d.]+)[\s,]+(-?[\d.]+))"));
    QPointF from;
    for (const QRegularExpressionMatch& match : command.globalMatch(d)) {
        const QPointF at(match.captured(2).toDouble(), match.captured(3).toDouble());
        if (match.captured(1) == QLatin1String("L")) {
            const qreal half = style.strokeWidth / 2;
            QRectF covered;
            if (from.y() == at.y())
                covered = QRectF(QPointF(std::min(from.x(), at.x()), at.y() - half),
                                 QPointF(std::max(from.x(), at.x()), at.y() + half));
            else if (from.x() == at.x())
                covered = QRectF(QPointF(at.x() - half, std::min(from.y(), at.y())),
                                 QPointF(at.x() + half, std::max(from.y(), at.y())));
            if (!covered.isEmpty())
                drawing.strokes.push_back({covered.toRect(), style.stroke, style.transformed});
        }
        from = at;
    }
}

} // namespace

SvgDrawing ReadSvgDrawing(const QByteArray& bytes) {
    SvgDrawing drawing;
    QXmlStreamReader reader(bytes);
    std::vector<Style> styles{Style{}};
    bool rootSeen = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes attributes = reader.attributes();
            Style style = styles.back();
            if (attributes.hasAttribute(QLatin1String("fill")))
                style.fill = attributes.value(QLatin1String("fill")).toString();
            if (attributes.hasAttribute(QLatin1String("stroke")))
                style.stroke = attributes.value(QLatin1String("stroke")).toString();
            if (attributes.hasAttribute(QLatin1String("stroke-width")))
                style.strokeWidth = attributes.value(QLatin1String("stroke-width")).toDouble();
            if (attributes.hasAttribute(QLatin1String("transform")) &&
                attributes.value(QLatin1String("transform")) != Identity)
                style.transformed = true;
            styles.push_back(style);
            const auto name = reader.name();
            if (!rootSeen) {
                rootSeen = true;
                if (name != QLatin1String("svg")) {
                    drawing.error = QStringLiteral("the root element is not <svg>");
                    return drawing;
                }
                drawing.viewBox = ViewBoxOf(attributes);
            } else if (name == QLatin1String("title")) {
                drawing.title = reader.readElementText();
                styles.pop_back();
            } else if (name == QLatin1String("rect")) {
                drawing.rects.push_back(
                    {QRect(Coordinate(attributes, "x"), Coordinate(attributes, "y"),
                           Coordinate(attributes, "width"), Coordinate(attributes, "height")),
                     style.fill, style.transformed});
            } else if (name == QLatin1String("path")) {
                ++drawing.paths;
                AddStrokes(drawing, attributes.value(QLatin1String("d")).toString(), style);
            } else if (name == QLatin1String("text")) {
                ++drawing.texts;
            }
        } else if (reader.isEndElement()) {
            styles.pop_back();
        }
    }
    if (reader.hasError())
        drawing.error = reader.errorString();
    else if (!rootSeen)
        drawing.error = QStringLiteral("no element");
    return drawing;
}

std::vector<QRect> RectsFilledWith(const SvgDrawing& drawing, const QString& fill) {
    std::vector<QRect> rects;
    for (const SvgRect& rect : drawing.rects)
        if (rect.fill == fill && !rect.transformed)
            rects.push_back(rect.rect);
    return rects;
}

std::vector<QRect> PixelsStrokedIn(const SvgDrawing& drawing, const QString& stroke) {
    std::vector<QRect> pixels;
    for (const SvgStroke& line : drawing.strokes)
        if (line.stroke == stroke && !line.transformed)
            pixels.push_back(line.pixels);
    return pixels;
}
