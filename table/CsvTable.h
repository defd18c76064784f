#pragma once

#include "store/SpanStatistics.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

// A span of measurements for other programs: a CSV file and the tab-separated text a spreadsheet takes
// from the clipboard. Both carry the same header and the same fields, with the year in every moment.

constexpr int SpanColumnCount = 7;
using SpanRowFields = std::array<QString, SpanColumnCount>;

// number,start,end,exposure_s,activity_bq_m3,error_bq_m3,activity_pci_l
SpanRowFields SpanColumnNames();

// "2025-12-31T23:59:50": the moment's date and time as the instrument kept them, no zone.
QString IsoMomentText(const QDateTime& moment);

// Measurement k: its number, start and end moments, exposure in seconds, the activity and its error as the
// table shows them, and the activity in pCi/L with two decimals (hundredths rounded halves to even from the
// table's activity ÷ 37, so the two columns agree), its decimal separator the given point.
SpanRowFields SpanRowFieldsOf(const SelectedSeries& series, const QDateTime& seriesStart, int k,
                              QChar decimalPoint = QLatin1Char('.'));

// The field as it stands between separators: quoted, with its quotes doubled, when it holds the separator,
// a quote, CR or LF; unchanged otherwise.
QString DelimitedField(const QString& field, QChar separator);

// The fields joined by the separator, each quoted as it needs; no line end.
QString DelimitedLine(const QStringList& fields, QChar separator);

// The CSV file of the span (1 ≤ first ≤ last ≤ n): UTF-8 without a byte-order mark, commas, the header
// line first, every line ended by CR LF.
QByteArray SpanCsv(const SelectedSeries& series, const MeasurementSpan& span);

// The same lines for the clipboard: tabs between the fields and LF line ends, the text convention of the
// desktop, which every spreadsheet splits into rows and cells on paste. A spreadsheet reads a pasted number
// by its own language, so the decimals take the separator of the user's: a Russian one takes "5.24" as text.
QString SpanClipboardText(const SelectedSeries& series, const MeasurementSpan& span, QChar decimalPoint);

// The decimal separator of the program's interface language, Russian: a comma.
QChar InterfaceDecimalPoint();
