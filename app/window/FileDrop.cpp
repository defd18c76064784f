#include "app/window/FileDrop.h"

#include "store/NativePath.h"

#include <QMimeData>
#include <QUrl>

FileDrop ReadFileDrop(const QMimeData* data, Qt::DropActions possible) {
    FileDrop drop;
    if (!data || !data->hasUrls())
        return drop;
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return drop;
        // The name's bytes as the URL carries them percent-encoded: toLocalFile() would turn a byte that is
        // no UTF-8 into U+FFFD and name another file.
        files << PathFromNative(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    if (files.isEmpty())
        return drop;
    drop.files = files;
    if (possible.testFlag(Qt::CopyAction))
        drop.action = Qt::CopyAction;
    else if (possible.testFlag(Qt::LinkAction))
        drop.action = Qt::LinkAction;
    return drop;
}
