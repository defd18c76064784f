#pragma once

#include "app/dialogs/UserDialogs.h"

#include <QFileDialog>

// True when a typed name is a pattern (it holds * or ?) rather than the name of a file.
bool IsNamePattern(const QString& typed);

// The file a typed path means: the path as typed when a file or any other entry of that name exists (a
// device or a folder is then refused by the reader, not turned into another name); otherwise, when its
// last element has no extension, the path with the default one.
QString ResolveTypedPath(const QString& path, const QString& defaultSuffix);

// The open dialog: Qt's own file dialog, the same on every desktop and in the interface's language. A
// typed pattern filters the list instead of being taken for a file name; a typed name is resolved by
// ResolveTypedPath.
class OpenFileDialog : public QFileDialog {
public:
    OpenFileDialog(QWidget* parent, const OpenDialogRequest& request);

    // The file chosen, once the dialog was accepted.
    QString chosenPath() const { return chosen_; }

    void accept() override;

private:
    bool filterByPattern(const QString& pattern);
    QString chosenName() const;

    QString defaultSuffix_;
    QString chosen_;
};
