#pragma once

#include "print/ReportTexts.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// Where the texts and the graph of a report stand, worked out without a painter: lengths come from the
// page's size and resolution alone, and a text that must end or centre on a place is anchored there, its
// width left to the drawing.

enum class ReportFont { Heading, Body, Bold };
enum class ReportAnchor { Left, Centre, Right };

// A text with the top of its cell at y and its left end, middle or right end at x, on page `page` (0-based).
struct PlacedReportText {
    int page = 0;
    int x = 0;
    int y = 0;
    QString text;
    ReportFont font = ReportFont::Body;
    ReportAnchor anchor = ReportAnchor::Left;
};

struct ReportMetrics {
    QSize page;            // the printable area, device pixels
    int lineHeight = 0;    // one line of body text
    int headingHeight = 0; // the heading and the room below it
    int graphHeight = 0;
};

// The body text is 10 points on lines of 1.4 times that; the heading takes two lines; the graph a third of
// the page's height.
ReportMetrics ReportMetricsFor(QSize page, int dpiY);

// The point sizes of the report's fonts.
int ReportFontPoints(ReportFont font);

struct ReportLayout {
    int pageCount = 1;
    QRect graph; // on the first page
    std::vector<PlacedReportText> texts;
};

// The first page holds the heading, the title lines, the graph across the page's width, then the statistics
// and the table of daily averages as far as they fit above the footer; what does not fit goes on the next
// pages, the table's column titles repeated at the top of each. Every page ends with the footer: the page
// number on the left, the date of printing in the middle and the program on the right.
ReportLayout LayoutReport(const ReportContent& content, const ReportMetrics& metrics);
