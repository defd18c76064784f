#include "app/dialogs/OpenFileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

bool IsNamePattern(const QString& typed) {
    return typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?'));
}

QString ResolveTypedPath(const QString& path, const QString& defaultSuffix) {
    const QFileInfo info(path);
    // exists() follows links; a dangling link is an entry too, and the reader will say why it fails.
    if (info.exists() || info.isSymLink() || defaultSuffix.isEmpty())
        return path;
    if (info.fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + defaultSuffix;
}

OpenFileDialog::OpenFileDialog(QWidget* parent, const OpenDialogRequest& request)
    : QFileDialog(parent), defaultSuffix_(request.defaultSuffix) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist is handed on, to be reported by the reader with the name in the message.
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::HideNameFilterDetails);
    // No default suffix for Qt to add: it would add it to every name without a point, existing or not.
    setNameFilters(request.nameFilters);
    setDirectory(request.directory);
    if (!request.fileName.isEmpty())
        selectFile(request.fileName);
}

bool OpenFileDialog::filterByPattern(const QString& pattern) {
    if (!IsNamePattern(pattern))
        return false;
    // A filter of its own, "pattern (pattern)", so that the list of filters shows it and keeps the others.
    const QString filter = QStringLiteral("%1 (%1)").arg(pattern);
    QStringList filters = nameFilters();
    if (!filters.contains(filter))
        filters.append(filter);
    setNameFilters(filters);
    selectNameFilter(filter);
    if (auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        edit->clear();
    return true;
}

// The one name the dialog holds. Typing a path can leave several entries of the list selected on the way
// (the root and each folder of the path); the name field holds what was meant then.
QString OpenFileDialog::chosenName() const {
    const QStringList files = selectedFiles();
    if (files.size() == 1)
        return files.constFirst();
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = edit ? edit->text().trimmed() : QString();
    return typed.isEmpty() ? QString() : directory().absoluteFilePath(typed);
}

void OpenFileDialog::accept() {
    if (const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        if (filterByPattern(edit->text().trimmed()))
            return;
    }
    const QString path = chosenName();
    if (path.isEmpty())
        return;
    // A folder is opened in the dialog, as file dialogs do.
    if (QFileInfo(path).isDir()) {
        QFileDialog::accept();
        return;
    }
    chosen_ = ResolveTypedPath(path, defaultSuffix_);
    QDialog::accept();
}
