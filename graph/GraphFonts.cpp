#include "graph/GraphFonts.h"

#include <QFontMetrics>

namespace {

constexpr int TitleCellHeight = 12;
constexpr int LabelPixels = 12; // 9 points at 96 dpi

QFont BoldArial(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
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
