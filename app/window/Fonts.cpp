#include "app/window/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The wanted families that this machine has, in order. Asking Qt for a family the machine lacks makes it
// search the fallbacks of that family before it tries the next one, at every start.
QStringList InstalledFamilies(const QStringList& wanted) {
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : wanted)
        if (installed.contains(family, Qt::CaseInsensitive))
            families << family;
    return families;
}

QFont BoldFont(const QStringList& families, QFont::StyleHint hint, int pixels) {
    QFont font;
    font.setFamilies(InstalledFamilies(families));
    font.setStyleHint(hint);
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
