#include "dump/DumpCommands.h"

#include "dump/DumpJson.h"
#include "graph/GraphImage.h"
#include "graph/GraphPicture.h"
#include "graph/ReadingMarks.h"
#include "print/GraphPrintout.h"
#include "print/JobMessages.h"
#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/PrintJob.h"
#include "print/PrintQueue.h"
#include "print/ReportPrintout.h"
#include "print/TablePrintout.h"
#include "store/AtomicFile.h"
#include "store/InstrumentFile.h"
#include "store/NativePath.h"
#include "store/ReadingSettings.h"
#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"
#include "table/CsvTable.h"
#include "table/FileSummary.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

#include <unistd.h>

namespace {

constexpr int kFailure = 2;
// --wait: how often the job is looked at, and how long the server may stay silent before the wait ends.
constexpr int kJobPollMs = 500;
constexpr int kServerSilenceMs = 60000;

DumpOutcome Failed(const QString& message) {
    return {kFailure, QByteArray(), message};
}

// The chosen series as the viewer would show it; its bad-mark messages go to the error stream.
struct ChosenSeries {
    InstrumentFile file;
    SeriesEvaluation evaluation;
    QString error;
};

ChosenSeries Choose(const InstrumentFile& file, int s) {
    ChosenSeries chosen{file, {}, {}};
    if (s < 1 || s > file.seriesCount) {
        chosen.error = QCoreApplication::translate("DumpCommands", "в файле нет серии %1 (серий в нём: %2)")
                           .arg(s)
                           .arg(file.seriesCount);
        return chosen;
    }
    chosen.evaluation = EvaluateSeries(file, s);
    if (chosen.evaluation.refused())
        chosen.error = chosen.evaluation.refusal;
    return chosen;
}

QString SpanError(const DumpArgs& args, int n) {
    if (IsSpanInSeries({args.first, args.last}, n))
        return QString();
    return QCoreApplication::translate("DumpCommands",
                                       "измерений с %1 по %2 нет в серии (в ней измерения с 1 по %3)")
        .arg(args.first)
        .arg(args.last)
        .arg(n);
}

QString ViewError(const DumpArgs& args, int n) {
    const bool whole = args.viewFirst == 0 && args.viewCount == 0;
    const int first = whole ? 1 : args.viewFirst;
    const int last = whole ? n : args.viewFirst + args.viewCount - 1;
    if (!IsSpanInSeries({first, last}, n))
        return QCoreApplication::translate(
                   "DumpCommands", "измерений вида с %1 по %2 нет в серии (в ней измерения с 1 по %3)")
            .arg(first)
            .arg(last)
            .arg(n);
    if (args.pointer != 0 && (args.pointer < first || args.pointer > last))
        return QCoreApplication::translate("DumpCommands", "указатель %1 вне вида с %2 по %3")
            .arg(args.pointer)
            .arg(first)
            .arg(last);
    return QString();
}

// The rows of the span as the table window's cells hold them.
std::vector<RowTexts> SpanRows(const DumpArgs& args, const SelectedSeries& series) {
    std::vector<RowTexts> rows;
    for (int k = args.first; k <= args.last; ++k)
        rows.push_back(MeasurementRowTexts(series, k));
    return rows;
}

TableHeader HeaderOf(const ChosenSeries& chosen) {
    const SelectedSeries& series = chosen.evaluation.series;
    return {series.seriesTitle, chosen.file.deviceNumber, chosen.file.sensitivity,
            series.equilibriumActivity};
}

GraphImageRequest ImageRequest(const DumpArgs& args) {
    GraphImageRequest request;
    if (args.savesPicture())
        request.size = QSize(args.width, args.height);
    request.first = args.viewFirst;
    request.count = args.viewCount;
    request.pointer = args.pointer;
    request.grid = args.grid;
    return request;
}

DumpOutcome Written(const Outcome& written) {
    return written.ok() ? DumpOutcome{} : Failed(written.message());
}

// Every output goes through here: "-", or a name for this program's own standard output (/dev/stdout, or
// the file `>>` appends to), is written to standard output with the rest of the run's output, never
// replaced; any other file is written atomically.
DumpOutcome WriteOutput(const QString& output, const QByteArray& bytes) {
    if (output == QLatin1String("-") || IsStandardOutputPath(output))
        return {0, bytes, QString()};
    return Written(WriteFileAtomically(output, bytes));
}

DumpOutcome WritePdf(const QString& output, const PagedPrintout& printout,
                     const QPageSize& paper = QPageSize(QPageSize::A4)) {
    const PdfPages pages = MakePdf(CommonPageLayout(paper), QString(), printout);
    if (!pages.made.ok())
        return Failed(PrintErrorText() + QStringLiteral(": ") + ShownPath(output));
    return WriteOutput(output, pages.bytes);
}

DumpOutcome SaveTable(const DumpArgs& args, const ChosenSeries& chosen) {
    return WriteOutput(args.output, TableFileBytes(HeaderOf(chosen), TableTitles(),
                                                   SpanRows(args, chosen.evaluation.series)));
}

// The levels, warning colour and running average asked for on the command line; nothing without them. A
// report's default levels, for its time above them, are not among them.
ReadingMarks PictureMarks(const DumpArgs& args, const ChosenSeries& chosen) {
    ReadingSettings reading;
    reading.levels = args.levels;
    std::sort(reading.levels.begin(), reading.levels.end());
    reading.levels.erase(std::unique(reading.levels.begin(), reading.levels.end()), reading.levels.end());
    if (!args.warningColour.isEmpty())
        reading.warningColour = args.warningColour;
    reading.averageShown = args.averageWindowHours > 0;
    reading.averageWindowHours = args.averageWindowHours;
    return MarksOfReading(reading, chosen.evaluation.series, chosen.file.sensitivity);
}

// The picture is encoded in memory and written in one checked piece, so a file on a full disk is never
// left half written in place of a good one.
DumpOutcome SavePicture(const DumpArgs& args, const ChosenSeries& chosen) {
    const SelectedSeries& series = chosen.evaluation.series;
    const GraphImageRequest request = ImageRequest(args);
    const ViewLayout view = ViewForImage(series, request);
    const PictureFormat format =
        args.action == DumpArgs::Action::Svg ? PictureFormat::Svg : PictureFormat::Png;
    const ReadingMarks marks = PictureMarks(args, chosen);
    const QByteArray bytes = GraphPictureBytes({series, view, request.colors, false, &marks, args.unit},
                                               request.size, format, ShownSeriesTitle(series));
    if (bytes.isEmpty())
        return Failed(QCoreApplication::translate("DumpCommands", "не удалось построить рисунок для «%1»")
                          .arg(ShownPath(args.output)));
    return WriteOutput(args.output, bytes);
}

DumpOutcome SaveCsv(const DumpArgs& args, const ChosenSeries& chosen) {
    return WriteOutput(args.output, SpanCsv(chosen.evaluation.series, {args.first, args.last}));
}

// The printout's paper: the one asked for; else A4 for a file and the queue's own paper for a printer.
QPageSize PrintoutPaper(const DumpArgs& args, const QString& printer) {
    if (!args.paper.isEmpty())
        return PaperOfMedia(args.paper).value_or(QPageSize(QPageSize::A4));
    if (args.printer.isEmpty())
        return QPageSize(QPageSize::A4);
    return QueueDefaultPaper(printer, ServerWait{}).value_or(QPageSize(QPageSize::A4));
}

// With --wait: looks at the job until the queue says how it ended; status 3 unless it was printed.
DumpOutcome AwaitJob(const QueueSubmission& submitted) {
    DumpOutcome outcome{0, QByteArray(), JobSentText(submitted.job, submitted.printer)};
    QDeadlineTimer silence(kServerSilenceMs);
    for (;;) {
        const JobReport report = AskJob(submitted.printer, submitted.job, ServerWait{});
        const JobVerdict verdict = JudgeJob(submitted.job, submitted.printer, report);
        if (report.reached)
            silence.setRemainingTime(kServerSilenceMs);
        if (verdict.settled || silence.hasExpired()) {
            outcome.exitCode = verdict.completed ? 0 : kJobNotCompleted;
            outcome.err +=
                QLatin1Char('\n') +
                (verdict.settled ? verdict.status
                                 : QCoreApplication::translate("PrintQueue", "сервер печати не отвечает"));
            return outcome;
        }
        QThread::msleep(kJobPollMs);
    }
}

// The printout as a PDF file, or the same PDF document handed to a print queue.
DumpOutcome Printout(const DumpArgs& args, const QString& title, bool landscape,
                     const PagedPrintout& printout) {
    const QString printer = args.printer == QLatin1String("-") ? QString() : args.printer;
    const QPageSize paper = PrintoutPaper(args, printer);
    if (args.printer.isEmpty())
        return WritePdf(args.output, printout, paper);
    const PdfPages pages = MakePdf(CommonPageLayout(paper), QString(), printout);
    if (!pages.made.ok())
        return Failed(PrintErrorText());
    QueueJobSettings settings;
    settings.printer = printer;
    settings.title = title;
    settings.paper = paper;
    settings.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QueueSubmission submitted = SubmitPdf(pages.bytes, settings, ServerWait{});
    if (!submitted.ok())
        return Failed(PrintErrorText() + QStringLiteral(": ") +
                      QueueRefusedDetail(submitted.printer, submitted.message()));
    if (!args.wait)
        return {0, QByteArray(), JobSentText(submitted.job, submitted.printer)};
    return AwaitJob(submitted);
}

DumpOutcome PrintGraphPdf(const DumpArgs& args, const ChosenSeries& chosen) {
    const SelectedSeries& series = chosen.evaluation.series;
    ViewLayout view = ViewForImage(series, ImageRequest(args));
    view.gridOn = args.grid;
    return Printout(args, QCoreApplication::translate("GraphPrintout", "График"), true,
                    [&](QPagedPaintDevice& pdf) { return PrintGraph(pdf, view, series); });
}

DumpOutcome PrintTablePdf(const DumpArgs& args, const ChosenSeries& chosen) {
    // The printed page is read, not parsed: it speaks the user's language, unlike the saved table.
    std::vector<RowTexts> rows;
    for (int k = args.first; k <= args.last; ++k)
        rows.push_back(ShownMeasurementRowTexts(chosen.evaluation.series, k));
    TableHeader header = HeaderOf(chosen);
    header.shownTitle = chosen.evaluation.series.shownTitle;
    return Printout(
        args, QCoreApplication::translate("TablePrintout", "Таблица измерений"), false,
        [&](QPagedPaintDevice& pdf) { return PrintTable(pdf, header, ShownTableTitles(), rows); });
}

DumpOutcome ReportPdf(const DumpArgs& args, const ChosenSeries& chosen) {
    ReportSource source{chosen.file,
                        chosen.evaluation.series,
                        {args.first, args.last},
                        args.levels.empty() ? DefaultLevels() : args.levels,
                        QDate::currentDate()};
    source.unit = args.unit;
    source.marks = PictureMarks(args, chosen);
    return WritePdf(args.output, [&](QPagedPaintDevice& pdf) { return PrintReport(pdf, source); });
}

DumpOutcome Average(const DumpArgs& args, const ChosenSeries& chosen) {
    const AverageResult result =
        AverageActivity(chosen.evaluation.series, chosen.file.sensitivity, {args.first, args.last});
    if (!result.ok())
        return Failed(result.message());
    return {0, QByteArray::number(static_cast<qlonglong>(result.value())) + '\n', QString()};
}

// "-" is standard input, read as a file is.
Result<InstrumentFile> OpenDumpFile(const QString& path) {
    if (path != QLatin1String("-"))
        return OpenInstrumentFile(path);
    const Result<QByteArray> read =
        ReadInstrumentStream(STDIN_FILENO, QCoreApplication::translate("DumpCommands", "стандартный ввод"));
    if (!read.ok())
        return Outcome::failure(read.message());
    return ParseInstrumentFile(read.value(), path);
}

DumpOutcome RunOnSeries(const DumpArgs& args, const ChosenSeries& chosen) {
    const int n = chosen.evaluation.series.measurementCount;
    switch (args.action) {
    case DumpArgs::Action::Png:
    case DumpArgs::Action::Svg:
    case DumpArgs::Action::PrintGraph:
        if (const QString error = ViewError(args, n); !error.isEmpty())
            return Failed(error);
        return args.savesPicture() ? SavePicture(args, chosen) : PrintGraphPdf(args, chosen);
    default:
        break;
    }
    if (const QString error = SpanError(args, n); !error.isEmpty())
        return Failed(error);
    switch (args.action) {
    case DumpArgs::Action::SaveTable:
        return SaveTable(args, chosen);
    case DumpArgs::Action::PrintTable:
        return PrintTablePdf(args, chosen);
    case DumpArgs::Action::Csv:
        return SaveCsv(args, chosen);
    case DumpArgs::Action::Report:
        return ReportPdf(args, chosen);
    default:
        return Average(args, chosen);
    }
}

} // namespace

DumpOutcome RunSummary(const QStringList& files) {
    // Each file is read and evaluated on its own, on every core; the lines keep the order of the files.
    const QList<PathSummary> summaries =
        QtConcurrent::blockingMapped<QList<PathSummary>>(files, SummarizeInstrumentFile);
    DumpOutcome outcome;
    outcome.out = SummaryCsvHeader();
    int unread = 0;
    for (const PathSummary& summary : summaries) {
        outcome.out += summary.csv;
        unread += summary.read ? 0 : 1;
    }
    if (unread > 0) {
        outcome.exitCode = kSomeFilesUnread;
        outcome.err = QCoreApplication::translate("DumpCommands", "не удалось прочитать файлов: %1 из %2")
                          .arg(unread)
                          .arg(files.size());
    }
    return outcome;
}

DumpOutcome RunDumpCommand(const DumpArgs& args) {
    if (args.action == DumpArgs::Action::Help)
        return {0, DumpUsageText().toUtf8() + '\n', QString()};
    if (args.action == DumpArgs::Action::Version)
        return {0, DumpVersionText(), QString()};
    if (args.action == DumpArgs::Action::Summary)
        return RunSummary(args.files);
    const Result<InstrumentFile> opened = OpenDumpFile(args.file);
    if (!opened.ok())
        return Failed(opened.message());
    const InstrumentFile& file = opened.value();
    if (args.action == DumpArgs::Action::Json)
        return {0, FileJsonText(file), QString()};

    const ChosenSeries chosen = Choose(file, args.series);
    if (!chosen.error.isEmpty())
        return Failed(chosen.error);
    DumpOutcome outcome = RunOnSeries(args, chosen);
    // The bad-mark messages the viewer would show, ahead of anything else said.
    const QString messages = chosen.evaluation.messages.join(QLatin1Char('\n'));
    if (!messages.isEmpty())
        outcome.err = outcome.err.isEmpty() ? messages : messages + QLatin1Char('\n') + outcome.err;
    return outcome;
}
