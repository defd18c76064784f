#include "app/window/Fonts.h"

#include "graph/FontFaces.h"

namespace {

QFont BoldFont(const QStringList& families, QFont::StyleHint hint, int pixels) {
    QFont font = FontOfFamilies(families, hint);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

QFont WindowFont() {
    static const QFont font =
        BoldFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                  QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
                 QFont::SansSerif, 11);
    return font;
}

QFont ExponentFont() {
    static const QFont font =
        BoldFont({QStringLiteral("Times New Roman Cyr"), QStringLiteral("Times New Roman"),
                  QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
                 QFont::Serif, 15);
    return font;
}
