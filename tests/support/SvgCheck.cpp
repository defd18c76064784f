#include "tests/support/SvgCheck.h"

#include <QStringList>
#include <QXmlStreamReader>

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
    bool transformed = false;
};

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
