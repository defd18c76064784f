#include "DumpCommands.h"

#include "Averaging.h"
#include "DumpJson.h"
#include "InstrumentFile.h"
#include "SeriesEvaluation.h"
#include "TableColumns.h"
#include "TableFile.h"

namespace {

constexpr int kFailure = 2;

DumpOutcome Failed(const QString& message) {
    return {kFailure, QByteArray(), message};
}

// The chosen series as the viewer would show it; its bad-mark messages go to the error stream.
struct ChosenSeries {
    FileHalf file;
    SeriesEvaluation evaluation;
    QString error;
};

ChosenSeries Choose(const FileHalf& file, int s) {
    ChosenSeries chosen{file, {}, {}};
    if (s < 1 || s > file.SeriesCount) {
        chosen.error = QStringLiteral("the file has no series %1 (it has %2)").arg(s).arg(file.SeriesCount);
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
    return QStringLiteral("measurements %1 to %2 are not in the series (1 to %3)")
        .arg(args.first)
        .arg(args.last)
        .arg(n);
}

DumpOutcome SaveTable(const DumpArgs& args, const ChosenSeries& chosen) {
    const SelectedSeries& series = chosen.evaluation.series;
    std::vector<RowTexts> rows;
    for (int k = args.first; k <= args.last; ++k)
        rows.push_back(MeasurementRowTexts(series, k));
    const TableHeader header{series.SeriesTitle, chosen.file.DeviceNumber, chosen.file.Sensitivity,
                             series.EquilibriumActivity};
    const QString error = WriteTableFile(args.output, TableFileBytes(header, TableTitles(), rows));
    return error.isEmpty() ? DumpOutcome{} : Failed(error);
}

DumpOutcome Average(const DumpArgs& args, const ChosenSeries& chosen) {
    const AverageResult result =
        AverageActivity(chosen.evaluation.series, chosen.file.Sensitivity, {args.first, args.last});
    if (!result.ok())
        return Failed(result.error);
    return {0, QByteArray::number(static_cast<qlonglong>(result.average)) + '\n', QString()};
}

} // namespace

DumpOutcome RunDumpCommand(const DumpArgs& args) {
    const FileReadResult read = ReadInstrumentFile(args.file);
    if (!read.ok())
        return Failed(read.error);
    FileHalf file;
    file.DataFileName = args.file;
    ParseInstrumentData(read.bytes, file);
    if (args.action == DumpArgs::Action::Json)
        return {0, FileJsonText(file), QString()};

    const ChosenSeries chosen = Choose(file, args.series);
    if (!chosen.error.isEmpty())
        return Failed(chosen.error);
    DumpOutcome outcome;
    if (const QString spanError = SpanError(args, chosen.evaluation.series.MeasurementCount);
        !spanError.isEmpty())
        outcome = Failed(spanError);
    else if (args.action == DumpArgs::Action::SaveTable)
        outcome = SaveTable(args, chosen);
    else
        outcome = Average(args, chosen);
    // The bad-mark messages the viewer would show, ahead of anything else said.
    const QString messages = chosen.evaluation.messages.join(QLatin1Char('\n'));
    if (!messages.isEmpty())
        outcome.err = outcome.err.isEmpty() ? messages : messages + QLatin1Char('\n') + outcome.err;
    return outcome;
}
