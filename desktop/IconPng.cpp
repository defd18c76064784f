// Renders an icon from its drawing into PNG sizes of the icon theme:
//   radview-icon-png <icon.svg> <output folder> <name> <size>...
// writes <output folder>/<name>-<size>.png for every size. The build runs it, so the PNGs the window
// and the installation use can never drift from the drawings. The PNGs carry no text chunk (no time, no
// software name), so the same drawing gives the same bytes on every build.

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
    if (argc < 5) {
        std::fprintf(stderr, "usage: radview-icon-png <icon.svg> <output folder> <name> <size>...\n");
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
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLatin1(argv[i]).toInt(&ok);
        const QString path = folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(side));
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
