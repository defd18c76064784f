#include "print/PrinterSettings.h"

#include <QPrinter>

void CopyPrinterSettings(const QPrinter& from, QPrinter& to) {
    // The printer first: choosing it sets the layout and resolution to its defaults, which the chosen ones
    // then replace.
    to.setOutputFormat(from.outputFormat());
    if (from.outputFormat() == QPrinter::NativeFormat)
        to.setPrinterName(from.printerName());
    to.setOutputFileName(from.outputFileName());
    to.setResolution(from.resolution());
    to.setPageLayout(from.pageLayout());
    to.setFullPage(from.fullPage());
    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setDuplex(from.duplex());
    to.setColorMode(from.colorMode());
    to.setPageOrder(from.pageOrder());
    to.setPaperSource(from.paperSource());
    to.setDocName(from.docName());
    to.setCreator(from.creator());
}
