// Renders the application icon from its one drawing into the PNG sizes of the icon theme:
//   radview-icon-png <icon.svg> <output folder> <size>...
// writes <output folder>/radview-<size>.png for every size. The build runs it, so the PNGs the window
// and the installation use can never drift from the drawing.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool Render(QSvgRenderer& renderer, int side, const QString& path) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: radview-icon-png <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    const QString drawing = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "radview-icon-png: cannot read the drawing %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "radview-icon-png: cannot make the folder %s\n", argv[2]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLatin1(argv[i]).toInt(&ok);
        const QString path = folder.filePath(QStringLiteral("radview-%1.png").arg(side));
        if (!ok || side < 1) {
            std::fprintf(stderr, "radview-icon-png: %s is not a size in pixels\n", argv[i]);
            return 2;
        }
        if (!Render(renderer, side, path)) {
            std::fprintf(stderr, "radview-icon-png: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
