#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

// What a save dialog is asked to show: the table's text file, or the file of a printout.
struct SaveDialogRequest {
    QString defaultSuffix;         // "txt"
    QString nameFilter;            // "Текстовый файл (*.txt)"
    QString fileName;              // the proposed name, with its folder
    bool confirmOverwrite = false; // ask before an existing file is replaced
};

// The modal dialogs of the table and printing commands; tests put scripted answers in their place.
class TableDialogs {
public:
    virtual ~TableDialogs() = default;
    // The chosen path, or nothing when the user cancels. An existing file is replaced without a question
    // unless the request asks for one.
    virtual std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) = 0;
    // The system's printer setup for the given printer; what the user chooses there stays with it. Its
    // confirm button says OK: nothing is printed there.
    virtual void printerSetup(QWidget* parent, QPrinter& printer) = 0;
};

class QtTableDialogs : public TableDialogs {
public:
    std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) override;
    void printerSetup(QWidget* parent, QPrinter& printer) override;
};
