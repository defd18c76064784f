#include "desktop/AppIcon.h"

#include <QSize>
#include <QString>

QIcon AppIcon() {
    // The sizes come from the build, which renders exactly these into the resources.
    static constexpr int kSizes[] = {RADVIEW_ICON_SIZES};
    QIcon icon;
    for (const int side : kSizes)
        icon.addFile(QStringLiteral(":/icons/radview-%1.png").arg(side), QSize(side, side));
    return icon;
}
