#include "graph/FontFaces.h"

#include <QFontDatabase>

QFont FontOfFamilies(const QStringList& wanted, QFont::StyleHint hint) {
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : wanted)
        if (installed.contains(family, Qt::CaseInsensitive))
            families << family;
    QFont font(families.isEmpty() ? wanted.first() : families.first());
    font.setFamilies(families.isEmpty() ? wanted : families);
    font.setStyleHint(hint);
    return font;
}
