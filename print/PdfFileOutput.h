#pragma once

#include "AtomicFile.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QPrinter;

// Whether the bytes hold a whole PDF file as Qt's PDF printer writes it: the end-of-file mark at the very
// end, the cross-reference table where the trailer says it is, and every object that table lists standing
// at its offset. A file cut short, or one from which a piece went missing on the way to the disk, fails.
bool IsCompletePdf(const QByteArray& bytes);

// Prints through `print` on a printer that writes a PDF file, and puts that file in the target's place only
// when the printout succeeded and the file is whole. The printer writes by name and reports no write
// errors, so it writes into a temporary file beside the target, which is read back and checked before it
// is synced and renamed. On any failure the target stays as it was and no temporary file is left; the
// answer says what went wrong: "Ошибка печати: <target>" when the printout could not be made, the save
// failure sentence when the file could not be written.
WriteOutcome PrintPdfFile(QPrinter& printer, const QString& target,
                          const std::function<bool(QPrinter&)>& print);
