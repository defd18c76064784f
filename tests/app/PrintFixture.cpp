#include "tests/app/PrintFixture.h"

#include <QPrinter>
#include <QToolButton>

#include <map>

void PrintTest::SetUp() {
    if (!PdfToolsAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    SeriesShownTest::SetUp();
}

QString PrintTest::choosePdfFileInSetup() {
    const QString pdf = dir.filePath(QStringLiteral("setup.pdf"));
    tableDialogs->onPrinterSetup = [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    form->printerSetupButton->click();
    return pdf;
}

void PrintTest::chooseNoPrinterInSetup() {
    tableDialogs->onPrinterSetup = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString());
    };
    form->printerSetupButton->click();
}

void PrintTest::printGraphTo(const QString& target) {
    tableDialogs->saveAnswers.push_back(target);
    form->printGraphButton->click();
}

void PrintTest::printTableTo(const QString& target) {
    tableDialogs->saveAnswers.push_back(target);
    answerRangeDialogWith(1);
    form->printTableButton->click();
}

std::vector<std::vector<PdfWord>> TableRowWords(const QString& pdf) {
    // Lines by page and top, their words from left to right: pdftotext may read a column at a time.
    std::map<std::pair<int, double>, std::map<double, QString>> lines;
    for (const PdfWord& word : PdfWords(pdf))
        lines[{word.page, word.yMin}][word.xMin] = word.text;
    std::vector<std::vector<PdfWord>> pages(static_cast<size_t>(ReadPdfInfo(pdf).pages));
    for (const auto& [where, words] : lines) {
        if (words.size() < 2)
            continue;
        const auto first = words.begin();
        bool number = false;
        first->second.toInt(&number);
        // A row starts with its number, followed by the day of its start time.
        if (number && std::next(first)->second.toInt() > 0)
            pages[static_cast<size_t>(where.first)].push_back(
                {where.first, first->first, where.second, 0, 0, first->second});
    }
    return pages;
}

std::vector<std::vector<int>> RowNumbersByPage(const QString& pdf) {
    std::vector<std::vector<int>> numbers;
    for (const std::vector<PdfWord>& page : TableRowWords(pdf)) {
        numbers.emplace_back();
        for (const PdfWord& word : page)
            numbers.back().push_back(word.text.toInt());
    }
    return numbers;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int k = first; k <= last; ++k)
        numbers.push_back(k);
    return numbers;
}
