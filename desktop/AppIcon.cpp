#include "desktop/AppIcon.h"

#include "desktop/PngImage.h"

#include <QPixmap>
#include <QString>

QIcon AppIcon() {
    // The sizes come from the build, which renders exactly these into the resources.
    static constexpr int kSizes[] = {RADVIEW_ICON_SIZES};
    QIcon icon;
    for (const int side : kSizes)
        icon.addPixmap(QPixmap::fromImage(ReadPng(QStringLiteral(":/icons/radview-%1.png").arg(side))));
    return icon;
}
