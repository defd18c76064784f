#include "print/PdfFile.h"

#include "print/PdfPrinter.h"
#include "print/PrintJob.h"

#include <QBuffer>
#include <QPdfWriter>

PdfPages MakePdf(const QPageLayout& layout, const QString& creator, const PagedPrintout& printout) {
    PdfPages pages;
    QBuffer buffer(&pages.bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(creator);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(layout);
    pages.made = printout(writer);
    pages.layout = writer.pageLayout();
    return pages;
}

Outcome WritePdfFile(const QString& target, const PagedPrintout& printout, const QPageSize& paper) {
    const PdfPages pages = MakePdf(CommonPageLayout(paper), QString(), printout);
    if (!pages.made.ok())
        return Outcome::failure(PrintErrorText() + QStringLiteral(": ") + target);
    return WriteFileAtomically(target, pages.bytes);
}
