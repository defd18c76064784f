#include "print/ReportPrintout.h"

#include "graph/Canvas.h"
#include "graph/GraphFonts.h"
#include "print/PrintJob.h"
#include "print/ReportGraph.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>

QFont ReportFontOf(ReportFont font) {
    return PrintArial(ReportFontPoints(font), font != ReportFont::Body);
}

void DrawReportTexts(Canvas& canvas, const ReportLayout& layout, int page) {
    for (const PlacedReportText& text : layout.texts) {
        if (text.page != page)
            continue;
        canvas.setFont(ReportFontOf(text.font));
        int x = text.x;
        if (text.anchor == ReportAnchor::Right)
            x -= canvas.textWidth(text.text);
        else if (text.anchor == ReportAnchor::Centre)
            x -= canvas.textWidth(text.text) / 2;
        canvas.textOut(x, text.y, text.text);
    }
}

Outcome PrintReport(QPagedPaintDevice& device, const ReportSource& source, const ReportProgress& goOn) {
    const ReportContent content = MakeReportContent(source);
    const QSize page(device.width(), device.height());
    const ReportLayout layout = LayoutReport(content, ReportMetricsFor(page, device.logicalDpiY()));
    const ViewLayout view = ReportGraphView(source.series, source.span);
    PrintJob job(device, QCoreApplication::translate("ReportPrintout", "Отчёт"));
    if (!job.begun())
        return PagesNotMade();
    for (int p = 0; p < layout.pageCount; ++p) {
        if (goOn && !goOn(p, layout.pageCount))
            return PagesNotMade();
        if (p > 0 && !job.newPage())
            return PagesNotMade();
        {
            Canvas canvas(job.painter(), page);
            canvas.brushColor = Qt::white;
            canvas.fontColor = Qt::black;
            DrawReportTexts(canvas, layout, p);
        }
        if (p == 0)
            DrawReportGraph(job.painter(), layout.graph, source.series, view, content.timeTitle,
                            device.logicalDpiX(), ReportGraphLook{&source.marks, source.unit});
    }
    return job.finish() ? Outcome() : PagesNotMade();
}
