#include "app/FileDrop.h"

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
        files << url.toLocalFile();
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
