#pragma once

#include "store/Outcome.h"
#include "store/SeriesEvaluation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// What the saved and the printed table say of the whole series above the rows.
struct TableHeader {
    QString seriesTitle;
    uint16_t deviceNumber = 0;
    uint16_t sensitivity = 0;
    int64_t equilibriumActivity = 0;
    QString shownTitle{}; // the title in the user's language for the printed page; seriesTitle where empty
};

QString DeviceLine(uint16_t deviceNumber); // "Номер прибора 117"
QString SensitivityLine(uint16_t sensitivity); // "чувствительность=2.50 * 10-5 Бк-1 * м3 * c-1"
QString EquilibriumLine(int64_t equilibriumActivity); // "ЭРОА=1000±150 Бк/м3"

// The lines of the table file before recoding: four header lines, the titles, the units, then one line per
// row as given.
QStringList TableFileLines(const TableHeader& header, const RowTexts& titles,
                           const std::vector<RowTexts>& rows);

// The file's bytes: every line recoded to code page 866 and ended with CR LF.
QByteArray TableFileBytes(const TableHeader& header, const RowTexts& titles,
                          const std::vector<RowTexts>& rows);

// The instrument file's path with ".txt" for its extension (what follows the last point of the last path
// element; a name without one gets ".txt" appended).
QString ProposedTableFileName(const QString& instrumentPath);

// Writes the bytes to a temporary file beside the target and puts it in the target's place only when every
// byte has reached the disk, so a failed save never leaves a truncated file where a good one stood; a target
// that is no regular file is refused. A failure's message names the file and the cause in Russian.
Outcome WriteTableFile(const QString& path, const QByteArray& bytes);
