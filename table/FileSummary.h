#pragma once

#include "store/MeasurementStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One CSV line per series of an instrument file, for checking many files at once. The columns:
//   file           the file's name as the caller gave it (the path typed on the command line), a byte that
//                  is no UTF-8 shown as U+FFFD
//   instrument     the instrument number
//   sensitivity    the header word as stored, in 10^-7 Bq^-1·m³·s^-1 (1250, not its text "12.50 * 10-5 …"),
//                  so that a spreadsheet reads it as a number
//   series         the series' ordinal in the file, what --series takes
//   number         the instrument's own series number
//   first, last    the moments of the first and last mark, YYYY-MM-DDTHH:MM:SS with the year
//   measurements   n
//   bad_marks      how many bad-mark messages the evaluation gave
//   average_bq_m3  the average over the whole series, as the averaging command gives it for 1 … n
//   max_bq_m3      the series' maximum activity
//   refused        empty when the series evaluates; otherwise why not
// The evaluation's columns (first … max_bq_m3) are empty for a refused series, and the average is empty
// when the series took no time. Lines are ended by CR LF, fields quoted as CSV needs.

extern const char* const NoSeriesInFileText;

QByteArray SummaryCsvHeader();

// The fields of series s (1..seriesCount) of the parsed file.
QStringList SeriesSummaryFields(const QString& fileName, const InstrumentFile& file, int s);

// The lines of every series of a parsed file; a file without series gives one line saying so, so that no
// file given drops out of the summary unseen.
QByteArray FileSummaryCsv(const QString& fileName, const InstrumentFile& file);

// The one line of a file that could not be read, with the reason in refused.
QByteArray UnreadableFileSummaryCsv(const QString& fileName, const QString& reason);

struct PathSummary {
    QByteArray csv;
    bool read = false; // false when the file could not be read
};

// Reads and parses the file at path and summarises it: the work for one file of a summary run.
PathSummary SummarizeInstrumentFile(const QString& path);
