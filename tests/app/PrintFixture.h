#pragma once

#include "tests/app/SeriesShownFixture.h"

#include "app/commands/PrintCommands.h"
#include "tests/support/PdfText.h"

#include <QString>

#include <vector>

// The series shown, and printing reached through the toolbar; the PDF files are read back with pdftotext.
class PrintTest : public SeriesShownTest {
protected:
    void SetUp() override;

    // What printer setup does when the user picks printing to a PDF file: the printer gets the file's name
    // and keeps its page layout. Answers that name.
    QString choosePdfFileInSetup();
    // The current printer as it is on a machine without printers: a PDF printer without a file.
    void chooseNoPrinterInSetup();

    // The printouts, with the save dialog answered by target; the table's range is the whole series.
    void printGraphTo(const QString& target);
    void printTableTo(const QString& target);
};

// The first word of every row of a table printout, its measurement number, page by page.
std::vector<std::vector<PdfWord>> TableRowWords(const QString& pdf);
std::vector<std::vector<int>> RowNumbersByPage(const QString& pdf);
std::vector<int> Range(int first, int last);
