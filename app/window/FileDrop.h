#pragma once

#include <QStringList>
#include <Qt>

class QMimeData;

// What the main window makes of a drag: the files it would open and how it takes them.
struct FileDrop {
    QStringList files;                        // local paths, in the drag's order
    Qt::DropAction action = Qt::IgnoreAction; // IgnoreAction: the drag is refused
    bool accepted() const { return action != Qt::IgnoreAction; }
};

// A drag is taken only when everything it carries is a local file (a file manager's drag) and it may be
// taken as a copy or a link: a move would let the file manager delete the file once it was "moved" into
// the viewer. A web address, plain text or an empty drag is refused.
FileDrop ReadFileDrop(const QMimeData* data, Qt::DropActions possible);
