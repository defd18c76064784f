#pragma once

#include "store/AtomicFile.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// Draws a printout's pages on a paged device; a failure when the pages could not be made.
using PagedPrintout = std::function<Outcome(QPagedPaintDevice&)>;

// A printout's pages as a PDF document in memory.
struct PdfPages {
    Outcome made; // as the printout answered
    QByteArray bytes;
    QPageLayout layout; // as the printout left it (the graph turns the page back to portrait)
};

// Qt's PDF printer writes its file by name and passes over failed writes: a full disk leaves a truncated
// file and no error. So every PDF file is made in memory by a PDF writer at the common PDF resolution and
// then written atomically, which checks every write and the sync and replaces an earlier file only when the
// new one is whole.
PdfPages MakePdf(const QPageLayout& layout, const QString& creator, const PagedPrintout& printout);

// The pages of printout with the common page set-up (on another paper if given), written to target. The
// answer says what went wrong: "Ошибка печати: <target>" when the pages could not be made (whatever the
// printout's reason), the save failure sentence when the file could not be written; the target then stays as
// it was.
Outcome WritePdfFile(const QString& target, const PagedPrintout& printout,
                     const QPageSize& paper = QPageSize(QPageSize::A4));
