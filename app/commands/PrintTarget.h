#pragma once

#include <QString>

class QPrinter;

// Where the current printer sends a printout: nowhere (no printer is installed or chosen), to a print
// queue, or to a PDF file.
enum class PrintTarget { None, Queue, File };

PrintTarget TargetOf(const QPrinter& printer);

// The detail lines of the "Ошибка печати" box: what went wrong and what the user can do about it. A file
// that could not be written is described by the write's own sentence, with the path and the cause.
QString NoPrinterDetail();

// A printout to a file asks for the file's name; these are the save dialog's filter, its default suffix
// and the endings of the proposed names.
extern const char* const PrintFileFilter; // "PDF (*.pdf)"
extern const char* const PrintFileSuffix; // "pdf"
extern const char* const GraphFileEnding; // "-график.pdf"
extern const char* const TableFileEnding; // "-таблица.pdf"

// The instrument file's path without its extension (what follows the last point of the last path
// element), followed by ending: "/data/test.rad" and "-график.pdf" give "/data/test-график.pdf".
QString ProposedPrintFileName(const QString& instrumentPath, const QString& ending);
