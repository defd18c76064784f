// Draws the toolbar glyphs and the button glyph of the colour dialog as PNG files. (The application icon
// is drawn in desktop/radview.svg, in the same style, and rendered by the build.)
// The PNGs are committed; run this tool again only after changing a drawing:
//   radview-glyphs <output folder>
// Every glyph is drawn on a 16-unit grid with one outline colour and a small set of fills, so that the
// buttons read as one family at 16 px; the same drawing at twice the scale gives the @2x images.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const QColor kInk(40, 44, 52);
const QColor kPaper(252, 252, 248);
const QColor kFolder(240, 190, 60);
const QColor kBlue(40, 100, 200);
const QColor kGreen(40, 150, 70);
const QColor kRed(205, 45, 45);
const QColor kGrey(150, 155, 165);
const QColor kDevice(90, 110, 130);

using Draw = std::function<void(QPainter&)>;

QPen Ink(qreal width = 1.0) {
    return QPen(kInk, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void Sheet(QPainter& p, const QRectF& r) {
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawRect(r);
}

void Printer(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kGrey);
    p.drawRect(QRectF(1.5, 7.5, 13, 5));
    p.setBrush(kInk);
    p.drawRect(QRectF(3.5, 12.5, 9, 2));
    p.setPen(QPen(kGreen, 1));
    p.drawPoint(QPointF(12.5, 9.5));
}

void Table(QPainter& p, const QRectF& r, int rows, int cols) {
    Sheet(p, r);
    p.setPen(QPen(kBlue, 1));
    p.drawLine(QPointF(r.left() + 1, r.top() + 2), QPointF(r.right() - 1, r.top() + 2));
    p.setPen(QPen(kGrey, 1));
    const qreal rowStep = (r.height() - 2) / rows;
    for (int i = 1; i < rows; ++i)
        p.drawLine(QPointF(r.left() + 1, r.top() + 2 + i * rowStep),
                   QPointF(r.right() - 1, r.top() + 2 + i * rowStep));
    const qreal colStep = r.width() / cols;
    for (int i = 1; i < cols; ++i)
        p.drawLine(QPointF(r.left() + i * colStep, r.top() + 1),
                   QPointF(r.left() + i * colStep, r.bottom() - 1));
}

void Steps(QPainter& p, const QColor& colour, qreal bottom) {
    QPainterPath path;
    path.moveTo(2.5, bottom);
    path.lineTo(2.5, 9.5);
    path.lineTo(5.5, 9.5);
    path.lineTo(5.5, 4.5);
    path.lineTo(8.5, 4.5);
    path.lineTo(8.5, 7.5);
    path.lineTo(11.5, 7.5);
    path.lineTo(11.5, 5.5);
    path.lineTo(13.5, 5.5);
    path.lineTo(13.5, bottom);
    p.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Axes(QPainter& p) {
    p.setPen(Ink());
    p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
}

void Triangle(QPainter& p, qreal tipX, qreal baseX) {
    QPolygonF t;
    t << QPointF(tipX, 8) << QPointF(baseX, 3) << QPointF(baseX, 13);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kBlue);
    p.drawPolygon(t);
}

void Bar(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(x, 3, 2, 10));
}

void Magnifier(QPainter& p) {
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.setPen(Ink(1.2));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
}

void Palette(QPainter& p) {
    QPainterPath body;
    body.addEllipse(QRectF(1, 2, 14, 12));
    QPainterPath hole;
    hole.addEllipse(QRectF(9.5, 9, 3, 3));
    p.setPen(Ink());
    p.setBrush(QColor(235, 215, 175));
    p.drawPath(body.subtracted(hole));
    const std::pair<QPointF, QColor> dots[] = {
        {{5, 6}, kRed}, {{8.5, 5}, kBlue}, {{12, 6.5}, kGreen}, {{4.5, 10}, kFolder}};
    p.setPen(Qt::NoPen);
    for (const auto& [centre, colour] : dots) {
        p.setBrush(colour);
        p.drawEllipse(centre, 1.6, 1.6);
    }
}

std::map<QString, Draw> Glyphs() {
    std::map<QString, Draw> g;
    g["open"] = [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kFolder.darker(115));
        p.drawRect(QRectF(1.5, 3.5, 12, 10));
        p.drawRect(QRectF(1.5, 2.5, 5, 1));
        QPolygonF front;
        front << QPointF(1.5, 13.5) << QPointF(4.5, 6.5) << QPointF(15.5, 6.5) << QPointF(12.5, 13.5);
        p.setBrush(kFolder);
        p.drawPolygon(front);
    };
    g["device"] = [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kDevice);
        p.drawRect(QRectF(1.5, 4.5, 6, 9));
        p.setBrush(QColor(150, 230, 160));
        p.drawRect(QRectF(2.5, 5.5, 4, 2));
        p.setPen(QPen(kBlue, 1.4));
        p.drawLine(QPointF(9, 6), QPointF(14, 6));
        p.drawLine(QPointF(9, 11), QPointF(14, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPolygon(QPolygonF() << QPointF(15.5, 6) << QPointF(12.5, 3.5) << QPointF(12.5, 8.5));
        p.drawPolygon(QPolygonF() << QPointF(8, 11) << QPointF(11, 8.5) << QPointF(11, 13.5));
    };
    g["savetable"] = [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kBlue);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(kPaper);
        p.drawRect(QRectF(3.5, 1.5, 9, 6));
        p.setBrush(kGrey);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(QPen(kGrey, 1));
        p.drawLine(QPointF(5, 3.5), QPointF(11, 3.5));
        p.drawLine(QPointF(5, 5.5), QPointF(11, 5.5));
    };
    g["series"] = [](QPainter& p) {
        for (int i = 0; i < 3; ++i) {
            const qreal y = 3.5 + i * 4.5;
            p.setPen(Qt::NoPen);
            p.setBrush(i == 1 ? kRed : kBlue);
            p.drawRect(QRectF(1.5, y - 1.5, 3, 3));
            p.setPen(Ink(1.4));
            p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
        }
    };
    g["table"] = [](QPainter& p) { Table(p, QRectF(1.5, 1.5, 13, 13), 4, 3); };
    g["average"] = [](QPainter& p) {
        Axes(p);
        Steps(p, kBlue, 14.5);
        p.setPen(QPen(kRed, 1.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(1.5, 7.5), QPointF(15, 7.5));
    };
    g["grid"] = [](QPainter& p) {
        Axes(p);
        p.setPen(QPen(kBlue, 1, Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 3; ++i) {
            const qreal at = 4.5 + i * 4;
            for (qreal d = 2.5; d < 15; d += 2) {
                p.drawPoint(QPointF(d, at));
                p.drawPoint(QPointF(at + 1, d - 1));
            }
        }
    };
    g["printtable"] = [](QPainter& p) {
        Table(p, QRectF(3.5, 0.5, 9, 8), 2, 2);
        Printer(p);
    };
    g["printgraph"] = [](QPainter& p) {
        Sheet(p, QRectF(3.5, 0.5, 9, 8));
        p.setPen(QPen(kBlue, 1.2));
        p.drawPolyline(QPolygonF() << QPointF(4.5, 6.5) << QPointF(6.5, 3) << QPointF(8.5, 5)
                                   << QPointF(11.5, 2));
        Printer(p);
    };
    g["zoomin"] = [](QPainter& p) {
        Magnifier(p);
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
        p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
    };
    g["wholeview"] = [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 4.5, 7, 7));
        p.setPen(QPen(kBlue, 1.3, Qt::SolidLine, Qt::FlatCap));
        const QPointF corners[] = {{1.5, 1.5}, {14.5, 1.5}, {1.5, 14.5}, {14.5, 14.5}};
        for (const QPointF& c : corners) {
            const qreal dx = c.x() < 8 ? 1 : -1;
            const qreal dy = c.y() < 8 ? 1 : -1;
            p.drawLine(c, c + QPointF(3 * dx, 3 * dy));
            p.drawLine(c, c + QPointF(3.5 * dx, 0));
            p.drawLine(c, c + QPointF(0, 3.5 * dy));
        }
    };
    g["first"] = [](QPainter& p) {
        Bar(p, 2);
        Triangle(p, 4.5, 13.5);
    };
    g["back"] = [](QPainter& p) { Triangle(p, 3.5, 12.5); };
    g["forward"] = [](QPainter& p) { Triangle(p, 12.5, 3.5); };
    g["last"] = [](QPainter& p) {
        Triangle(p, 11.5, 2.5);
        Bar(p, 12);
    };
    g["help"] = [](QPainter& p) {
        p.setPen(QPen(kBlue.darker(130), 1));
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(11);
        QPainterPath mark;
        mark.addText(0, 0, font, "?");
        const QRectF box = mark.boundingRect();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(mark.translated(8 - box.center().x(), 8 - box.center().y()));
    };
    g["printsetup"] = [](QPainter& p) {
        Sheet(p, QRectF(3.5, 0.5, 9, 7));
        Printer(p);
        p.setPen(QPen(kRed, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 3), QPointF(14.5, 0.8));
        p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 2.5), QPointF(9, 2.5));
        p.drawLine(QPointF(5, 4.5), QPointF(8, 4.5));
    };
    g["colors"] = [](QPainter& p) { Palette(p); };
    g["defaultcolors"] = [](QPainter& p) {
        Palette(p);
        p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 0.5, 6.5, 6.5), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF() << QPointF(12.3, -0.5) << QPointF(15, 0.6) << QPointF(12.3, 2.5));
    };
    return g;
}

bool Save(const QString& folder, const QString& name, int side, const Draw& draw) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 16.0, side / 16.0);
    draw(p);
    p.end();
    return image.save(QDir(folder).filePath(name));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: radview-glyphs <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;
    for (const auto& [name, draw] : Glyphs()) {
        ok = Save(folder, name + ".png", 16, draw) && ok;
        ok = Save(folder, name + "@2x.png", 32, draw) && ok;
    }
    return ok ? 0 : 1;
}
