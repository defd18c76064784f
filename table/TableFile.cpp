#include "table/TableFile.h"

#include "store/AtomicFile.h"
#include "store/SeriesList.h"
#include "table/Cp866.h"

QString DeviceLine(uint16_t deviceNumber) {
    return QStringLiteral("Номер прибора ") + QString::number(deviceNumber);
}

QString SensitivityLine(uint16_t sensitivity) {
    return QStringLiteral("чувствительность=") + SensitivityText(sensitivity);
}

QString EquilibriumLine(int64_t equilibriumActivity) {
    return QStringLiteral("ЭРОА=") + ActivityWithErrorText(equilibriumActivity) + QStringLiteral(" Бк/м3");
}

QString TitlesLine(const RowTexts& titles) {
    return PadRight(titles[0], 8) + PadRight(titles[1], 19) + PadRight(titles[2], 19) + titles[3] +
           QStringLiteral(",    ") + titles[4] + QStringLiteral(",c");
}

QString UnitsLine() {
    return QString(46, QLatin1Char(' ')) + QStringLiteral("(Бк/м3)");
}

QString RowLine(const RowTexts& cells) {
    return PadRight(cells[0], 7) + PadRight(cells[1], 19) + PadRight(cells[2], 19) + PadRight(cells[3], 18) +
           cells[4];
}

QStringList TableFileLines(const TableHeader& header, const RowTexts& titles,
                           const std::vector<RowTexts>& rows) {
    QStringList lines{header.seriesTitle,
                      DeviceLine(header.deviceNumber),
                      SensitivityLine(header.sensitivity),
                      EquilibriumLine(header.equilibriumActivity),
                      TitlesLine(titles),
                      UnitsLine()};
    for (const RowTexts& row : rows)
        lines.append(RowLine(row));
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

QString WriteTableFile(const QString& path, const QByteArray& bytes) {
    return WriteFileAtomically(path, bytes).error;
}
