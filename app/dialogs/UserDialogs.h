#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// What the open dialog is asked to show. The name filters are in Qt's "description (patterns)" form; the
// dialog shows only the description, so a description may name other patterns than it filters by.
struct OpenDialogRequest {
    QString defaultSuffix;
    QStringList nameFilters;
    QString directory;
    QString fileName; // the name chosen last time, offered again
};

// What a save dialog is asked to show: the table's text file, or the file of a printout.
struct SaveDialogRequest {
    QString defaultSuffix;         // "txt"
    QString nameFilter;            // "Текстовый файл (*.txt)"
    QString fileName;              // the proposed name, with its folder
    bool confirmOverwrite = false; // ask before an existing file is replaced
    // Further types of file offered after nameFilter, each "description (*.suffix)". Choosing one gives a
    // name without an extension that suffix, and changes the extension of the name in the dialog to it.
    QStringList otherFilters = {};
};

// A file chosen in a save dialog and the type of file chosen with it, one of the request's filters as given.
struct SaveChoice {
    QString path;
    QString nameFilter;
};

// The type of file a choice stands for: the offered type whose extension the chosen name ends in, so that a
// name typed as "pic.png" is a PNG whichever type the list showed; else the type chosen in the dialog.
QString TypeOfChoice(const SaveChoice& choice, const SaveDialogRequest& request);

// Every modal dialog the windows open on the system's behalf: the file dialogs, printer setup, the colour
// chooser and the message boxes. Tests and tools put scripted answers in their place; the program uses Qt's.
// Every stand-in answers every dialog: one that forgot a dialog would not compile, rather than cancel it.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenDialogRequest& request) = 0;
    // The chosen path, or nothing when the user cancels. An existing file is replaced without a question
    // unless the request asks for one.
    virtual std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) = 0;
    // The same dialog where the type of file matters: the chosen file and filter, or nothing on cancel.
    virtual std::optional<SaveChoice> saveFileOfType(QWidget* parent, const SaveDialogRequest& request) = 0;
    // The size of a picture in pixels, offered as onScreen; nothing when the user cancels.
    virtual std::optional<QSize> pictureSize(QWidget* parent, QSize onScreen) = 0;
    // The system's printer setup for the given printer, which shows its current choices (a PDF file
    // included) and takes the user's; true when the user confirmed them. Its confirm button says OK:
    // nothing is printed there.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
    // The system colour chooser, opened with initial; the chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // An error message box whose only button is Cancel.
    virtual void errorBox(QWidget* parent, const QString& text) = 0;
    // The same box with the details of the failure under its text; without details it is errorBox.
    virtual void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) = 0;
    // A warning message box with its own caption and an OK button.
    virtual void warningBox(QWidget* parent, const QString& title, const QString& text) = 0;
};

class QtUserDialogs : public UserDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) override;
    std::optional<SaveChoice> saveFileOfType(QWidget* parent, const SaveDialogRequest& request) override;
    std::optional<QSize> pictureSize(QWidget* parent, QSize onScreen) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void errorBox(QWidget* parent, const QString& text) override;
    void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) override;
    void warningBox(QWidget* parent, const QString& title, const QString& text) override;
};

// Nobody is there to answer (a tool, a benchmark): every question is cancelled, messages go to the terminal.
class UnattendedDialogs : public UserDialogs {
public:
    std::optional<QString> openFile(QWidget*, const OpenDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const SaveDialogRequest&) override { return std::nullopt; }
    std::optional<SaveChoice> saveFileOfType(QWidget*, const SaveDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QSize> pictureSize(QWidget*, QSize) override { return std::nullopt; }
    bool printerSetup(QWidget*, QPrinter&) override { return false; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    void errorBox(QWidget* parent, const QString& text) override {
        detailedErrorBox(parent, text, QString());
    }
    void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) override;
    void warningBox(QWidget* parent, const QString& title, const QString& text) override;
};

// The caption of the error message boxes.
extern const char* const ErrorBoxTitle;
