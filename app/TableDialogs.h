#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

// What the save dialog of the table is asked to show.
struct SaveDialogRequest {
    QString defaultSuffix; // "txt"
    QString nameFilter;    // "Текстовый файл (*.txt)"
    QString fileName;      // the proposed name, with its folder
};

// The modal dialogs of the table and printing commands; tests put scripted answers in their place.
class TableDialogs {
public:
    virtual ~TableDialogs() = default;
    // The chosen path, or nothing when the user cancels. An existing file is replaced without a question.
    virtual std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) = 0;
    // The system's printer setup for the given printer; what the user chooses there stays with it.
    virtual void printerSetup(QWidget* parent, QPrinter& printer) = 0;
};

class QtTableDialogs : public TableDialogs {
public:
    std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) override;
    void printerSetup(QWidget* parent, QPrinter& printer) override;
};
