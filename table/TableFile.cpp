#include "table/TableFile.h"

#include "store/AtomicFile.h"
#include "store/SeriesList.h"
#include "table/Cp866.h"
#include "table/TableColumns.h"

QString DeviceLine(uint16_t deviceNumber) {
    return QStringLiteral("Номер прибора ") + QString::number(deviceNumber);
}

QString SensitivityLine(uint16_t sensitivity) {
    return QStringLiteral("чувствительность=") + SensitivityText(sensitivity);
}

QString EquilibriumLine(int64_t equilibriumActivity) {
    return QStringLiteral("ЭРОА=") + ActivityWithErrorText(equilibriumActivity) + QStringLiteral(" Бк/м3");
}

QStringList TableFileLines(const TableHeader& header, const RowTexts& titles,
                           const std::vector<RowTexts>& rows) {
    QStringList lines{header.seriesTitle,
                      DeviceLine(header.deviceNumber),
                      SensitivityLine(header.sensitivity),
                      EquilibriumLine(header.equilibriumActivity),
                      TitlesLine(titles, FileColumns),
                      UnitsLine(FileColumns)};
    for (const RowTexts& row : rows)
        lines.append(RowLine(row, FileColumns));
    return lines;
}

QByteArray TableFileBytes(const TableHeader& header, const RowTexts& titles,
                          const std::vector<RowTexts>& rows) {
    QByteArray bytes;
    for (const QString& line : TableFileLines(header, titles, rows))
        bytes += ToCp866(line) + "\r\n";
    return bytes;
}

QString ProposedTableFileName(const QString& instrumentPath) {
    const qsizetype lastSeparator =
        std::max(instrumentPath.lastIndexOf(QLatin1Char('/')), instrumentPath.lastIndexOf(QLatin1Char('\\')));
    const qsizetype lastPoint = instrumentPath.lastIndexOf(QLatin1Char('.'));
    const QString stem = lastPoint > lastSeparator ? instrumentPath.left(lastPoint) : instrumentPath;
    return stem + QStringLiteral(".txt");
}

Outcome WriteTableFile(const QString& path, const QByteArray& bytes) {
    return WriteFileAtomically(path, bytes);
}
