#pragma once

#include "app/commands/CommandParts.h"
#include "print/ReportTexts.h"

#include <QDate>

class MeasurementDocument;

class RangeChoice;

// "Отчёт PDF…": the report on the span the range dialog confirms, saved as a PDF file of the common page
// set-up, written whole or not at all. It needs no printer: the pages are made by a PDF writer.
class ReportCommand {
public:
    ReportCommand(const CommandParts& parts, RangeChoice& range) : parts_(parts), range_(range) {}

    void makeReport();
    // The report on a span chosen elsewhere (the one marked on the graph), without the range dialog.
    void makeReportFor(const MeasurementSpan& span);
    // How long a report runs before its progress dialog shows (half a second; a test shows it at once).
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

private:
    CommandParts parts_;
    RangeChoice& range_;
    int progressDelay_ = 500;
};

// The report on a span of the document's series as the user reads it: in the reading's unit, its levels
// drawn on the graph and stated with the time above them (the usual levels, undrawn, while none are set),
// its running average drawn while it is shown. Default settings give the report as it always was.
ReportSource ReportSourceOf(const MeasurementDocument& document, const MeasurementSpan& span, QDate printed);

extern const char* const ReportFileEnding; // "-отчёт.pdf", after the instrument file's name
