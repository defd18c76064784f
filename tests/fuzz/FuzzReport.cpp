// libFuzzer target "report": an instrument file with a chosen series and span, made into the report's texts
// and drawn as a PDF in memory. The texts never state a negative duration or average, the table of
// averages keeps to its bound, and the document is whole and at most four pages long.

#include "tests/fuzz/FuzzCheck.h"

#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/ReportPrintout.h"
#include "print/ReportTexts.h"
#include "store/SeriesEvaluation.h"

#include <QGuiApplication>

#include <fuzzer/FuzzedDataProvider.h>

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
    const auto seriesChoice = input.ConsumeIntegral<uint16_t>();
    const auto firstChoice = input.ConsumeIntegral<uint16_t>();
    const auto countChoice = input.ConsumeIntegral<uint16_t>();
    const std::vector<uint8_t> fileBytes = input.ConsumeRemainingBytes<uint8_t>();
    const FileHalf file = ParsedFile(ViewerBytes(fileBytes.data(), fileBytes.size()));
    if (file.seriesCount == 0)
        return 0;
    const int s = 1 + seriesChoice % file.seriesCount;
    const SeriesEvaluation ev = EvaluateSeries(file, s);
    if (ev.refused())
        return 0;
    const int n = ev.series.measurementCount;
    const int first = 1 + firstChoice % n;
    const ReportSource source{
        file, ev.series, {first, first + countChoice % (n - first + 1)}, DefaultLevels(), QDate(2026, 3, 7)};
    CheckTexts(MakeReportContent(source));
    int pages = 0;
    const PdfPages pdf = MakePdf(CommonPageLayout(), QString(), [&](QPagedPaintDevice& device) {
        return PrintReport(device, source, [&pages](int, int pageCount) {
            pages = pageCount;
            return true;
        });
    });
    Require(pdf.made, "the report could not be made");
    Require(pdf.bytes.startsWith("%PDF") && pdf.bytes.trimmed().endsWith("%%EOF"), "the PDF is not whole");
    Require(pages >= 1 && pages <= 4, "the report is not one to four pages", pages);
    return 0;
}
