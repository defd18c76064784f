#include "graph/GraphFonts.h"

#include "graph/FontFaces.h"
#include "store/Extended.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int TitleCellHeight = 12;
constexpr int LabelPixels = 12; // 9 points at 96 dpi

// Arial, or its metric twin.
QFont Arial() {
    return FontOfFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, QFont::SansSerif);
}

QFont BoldArial(int pixels) {
    QFont font = Arial();
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

QFont ActivityTitleFont() {
    // The title's font is asked for by the height of its whole cell, not of its characters.
    QFont font = BoldArial(TitleCellHeight);
    while (font.pixelSize() > 1 && QFontMetrics(font).height() > TitleCellHeight)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont LabelFont() {
    return BoldArial(LabelPixels);
}

QFont PrintArial(int points, bool bold) {
    QFont font = Arial();
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QFont PageFont() {
    return PrintArial(12, true);
}

QFont PageCaptionFont(int dpiX) {
    QFont font = PageFont();
    font.setPixelSize(std::max(1, static_cast<int>(Round(100.0L * dpiX / 600.0L))));
    return font;
}
