#pragma once

class MainWindow;
class UserDialogs;

// "Отчёт PDF…": the report on the span the range dialog confirms, saved as a PDF file of the common page
// set-up, written whole or not at all. It needs no printer: the pages are made by a PDF writer.
class ReportCommand {
public:
    ReportCommand(MainWindow& window, UserDialogs& dialogs);

    void makeReport();

private:
    MainWindow& window_;
    UserDialogs& dialogs_;
};

extern const char* const ReportFileEnding; // "-отчёт.pdf", after the instrument file's name
