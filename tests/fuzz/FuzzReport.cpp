// libFuzzer target "report": an instrument file with a chosen series and span, made into the report's texts
// and drawn as a PDF in memory. The texts never state a negative duration or average, the table of
// averages keeps to its bound, and the document is whole and at most four pages long.

#include "tests/fuzz/FuzzSeries.h"

#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/ReportPrintout.h"
#include "print/ReportTexts.h"

#include <QGuiApplication>

#include <memory>
#include <vector>

namespace {

void CheckTexts(const ReportContent& content) {
    Require(content.titleLines.size() == 4, "the title block is not four lines");
    Require(!content.titleLines[2].contains(QStringLiteral("продолжительность: -")), "a negative duration");
    for (const QString& line : content.statisticLines)
        Require(!line.contains(QStringLiteral(": -")), "a negative figure in the statistics");
    Require(content.dailyRows.size() <= static_cast<size_t>(MostPeriodRows), "too many rows of averages",
            static_cast<long long>(content.dailyRows.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Fonts for the PDF, no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const FuzzedSeries chosen = ConsumeFuzzedSeries(input);
    if (!chosen.evaluation)
        return 0;
    const ReportSource source{chosen.file,
                              chosen.evaluation->series,
                              {chosen.first, chosen.lastWithin()},
                              DefaultLevels(),
                              QDate(2026, 3, 7)};
    CheckTexts(MakeReportContent(source));
    int pages = 0;
    const PdfPages pdf = MakePdf(CommonPageLayout(), QString(), [&](QPagedPaintDevice& device) {
        return PrintReport(device, source, [&pages](int, int pageCount) {
            pages = pageCount;
            return true;
        });
    });
    Require(pdf.made.ok(), "the report could not be made");
    Require(pdf.bytes.startsWith("%PDF") && pdf.bytes.trimmed().endsWith("%%EOF"), "the PDF is not whole");
    Require(pages >= 1 && pages <= 4, "the report is not one to four pages", pages);
    return 0;
}
