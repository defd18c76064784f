// Files dropped on the main window from a file manager.
#include "app/window/FileDrop.h"
#include "app/window/MainWindow.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMetaObject>

const char* const OnlyFirstFileText =
    QT_TRANSLATE_NOOP("MainWindow", "Открыт только первый файл: файлы открываются по одному");

namespace {

// Accepting a drag is what makes the cursor say that it may be dropped here.
FileDrop Answer(QDropEvent& event) {
    const FileDrop drop = ReadFileDrop(event.mimeData(), event.possibleActions());
    if (drop.accepted()) {
        event.setDropAction(drop.action);
        event.accept();
    } else {
        event.ignore();
    }
    return drop;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    Answer(*event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    Answer(*event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    const FileDrop drop = Answer(*event);
    if (!drop.accepted())
        return;
    // Opened after the drop has been answered: the file manager waits for that answer, and should not wait
    // for the messages the file may bring.
    QMetaObject::invokeMethod(
        this, [this, files = drop.files] { openDroppedFiles(files); }, Qt::QueuedConnection);
}

void MainWindow::openDroppedFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    // The open command, with the first file as the dialog's answer: a series shown goes first.
    document_.withdrawSeries();
    setStatusText(0, tr(OpenFilePrompt));
    openChosenFile(paths.first());
    if (paths.size() > 1)
        setStatusText(1, tr(OnlyFirstFileText));
}
