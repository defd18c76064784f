#include "print/PrinterSettings.h"

#include <QPrinter>

#include <utility>

namespace {

// Each choice is a getter and a setter of QPrinter: read from the one printer, set on the other, in order.
template <typename... Choice> void CopyChoices(const QPrinter& from, QPrinter& to, const Choice&... choice) {
    ((to.*choice.second)((from.*choice.first)()), ...);
}

} // namespace

void CopyPrinterSettings(const QPrinter& from, QPrinter& to) {
    // The printer first: choosing it sets the layout and resolution to its defaults, which the chosen ones
    // then replace.
    to.setOutputFormat(from.outputFormat());
    if (from.outputFormat() == QPrinter::NativeFormat)
        to.setPrinterName(from.printerName());
    using P = QPrinter;
    CopyChoices(from, to, std::pair(&P::outputFileName, &P::setOutputFileName),
                std::pair(&P::resolution, &P::setResolution), std::pair(&P::pageLayout, &P::setPageLayout),
                std::pair(&P::fullPage, &P::setFullPage), std::pair(&P::copyCount, &P::setCopyCount),
                std::pair(&P::collateCopies, &P::setCollateCopies), std::pair(&P::duplex, &P::setDuplex),
                std::pair(&P::colorMode, &P::setColorMode), std::pair(&P::pageOrder, &P::setPageOrder),
                std::pair(&P::paperSource, &P::setPaperSource), std::pair(&P::docName, &P::setDocName),
                std::pair(&P::creator, &P::setCreator));
}
