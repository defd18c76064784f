#pragma once

class MeasurementDocument;
class QWidget;
class TableCommands;
class UserDialogs;

// "Отчёт PDF…": the report on the span the range dialog confirms, saved as a PDF file of the common page
// set-up, written whole or not at all. It needs no printer: the pages are made by a PDF writer.
class ReportCommand {
public:
    // What the report reads and where it answers; window is the owner of its dialogs, graphArea the area a
    // dialog covers.
    struct Parts {
        QWidget& window;
        const MeasurementDocument& document;
        TableCommands& table;
        QWidget& graphArea;
        UserDialogs& dialogs;
    };
    explicit ReportCommand(const Parts& parts);

    void makeReport();
    // How long a report runs before its progress dialog shows (half a second; a test shows it at once).
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

private:
    Parts parts_;
    int progressDelay_ = 500;
};

extern const char* const ReportFileEnding; // "-отчёт.pdf", after the instrument file's name
