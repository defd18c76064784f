#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// What the open dialog is asked to show. The name filters are in Qt's "description (patterns)" form; the
// dialog shows only the description, so a description may name other patterns than it filters by.
struct OpenDialogRequest {
    QString defaultSuffix;
    QStringList nameFilters;
    QString directory;
    QString fileName; // the name chosen last time, offered again
};

// The modal dialogs of the shell. Tests put scripted answers in their place; the program uses Qt's.
class ShellDialogs {
public:
    virtual ~ShellDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenDialogRequest& request) = 0;
    // An error message box whose only button is Cancel.
    virtual void errorBox(QWidget* parent, const QString& text) = 0;
    // The same box with the details of the failure under its text; without details it is errorBox.
    virtual void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) {
        errorBox(parent, details.isEmpty() ? text : text + QStringLiteral("\n\n") + details);
    }
};

// Starts another program and forgets it.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void startHidden(const QString& program) = 0;
};

class QtShellDialogs : public ShellDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenDialogRequest& request) override;
    void errorBox(QWidget* parent, const QString& text) override;
    void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) override;
};

class DetachedLauncher : public ProgramLauncher {
public:
    void startHidden(const QString& program) override;
};

// The caption of the error message boxes.
extern const char* const ErrorBoxTitle;
