#include "print/ReportLayout.h"

#include "store/Extended.h"

namespace {

constexpr int kBodyPoints = 10;
constexpr int kHeadingPoints = 14;
constexpr Extended kLineSpacing = 1.4L;

// The report flows down its pages: a line goes where the last one ended, or on a new page when it would
// run into the footer.
class ReportFlow {
public:
    explicit ReportFlow(const ReportMetrics& metrics)
        : metrics_(metrics), bottom_(metrics.page.height() - 2 * metrics.lineHeight) {}

    int y() const { return y_; }
    int page() const { return page_; }
    void skip(int height) { y_ += height; }

    // Room for `lines` lines here, or else a new page; true when a new page began. A page is never left
    // empty for want of room.
    bool makeRoom(int lines) {
        if (y_ + lines * metrics_.lineHeight <= bottom_ || y_ == 0)
            return false;
        ++page_;
        y_ = 0;
        return true;
    }

    void line(ReportLayout& layout, const QString& text, ReportFont font = ReportFont::Body) {
        makeRoom(1);
        layout.texts.push_back({page_, 0, y_, text, font, ReportAnchor::Left});
        y_ += metrics_.lineHeight;
    }

private:
    const ReportMetrics& metrics_;
    const int bottom_;
    int page_ = 0;
    int y_ = 0;
};

// The table's date on the left, its hours and averages ending at their column's right side.
void PlaceDailyRow(ReportLayout& layout, const ReportFlow& flow, const DailyRowTexts& row, int width,
                   ReportFont font) {
    const int hoursRight = width / 4;
    const int averageRight = width / 2;
    layout.texts.push_back({flow.page(), 0, flow.y(), row[0], font, ReportAnchor::Left});
    layout.texts.push_back({flow.page(), hoursRight, flow.y(), row[1], font, ReportAnchor::Right});
    layout.texts.push_back({flow.page(), averageRight, flow.y(), row[2], font, ReportAnchor::Right});
}

void PlaceDailyTable(ReportLayout& layout, ReportFlow& flow, const ReportContent& content,
                     const ReportMetrics& metrics) {
    const int width = metrics.page.width();
    const int lh = metrics.lineHeight;
    // The heading stays with the column titles and the first row.
    flow.makeRoom(3);
    flow.line(layout, content.dailyHeading, ReportFont::Bold);
    PlaceDailyRow(layout, flow, content.dailyTitles, width, ReportFont::Bold);
    flow.skip(lh);
    for (const DailyRowTexts& row : content.dailyRows) {
        if (flow.makeRoom(1)) {
            PlaceDailyRow(layout, flow, content.dailyTitles, width, ReportFont::Bold);
            flow.skip(lh);
        }
        PlaceDailyRow(layout, flow, row, width, ReportFont::Body);
        flow.skip(lh);
    }
}

void PlaceFooters(ReportLayout& layout, const ReportContent& content, const ReportMetrics& metrics) {
    const int y = metrics.page.height() - metrics.lineHeight;
    const int width = metrics.page.width();
    for (int page = 0; page < layout.pageCount; ++page) {
        layout.texts.push_back(
            {page, 0, y, PageNumberText(page + 1, layout.pageCount), ReportFont::Body, ReportAnchor::Left});
        layout.texts.push_back(
            {page, width / 2, y, content.printedText, ReportFont::Body, ReportAnchor::Centre});
        layout.texts.push_back({page, width, y, content.programText, ReportFont::Body, ReportAnchor::Right});
    }
}

int PointsToPixels(Extended points, int dpi) {
    return static_cast<int>(Round(points * dpi / 72));
}

} // namespace

ReportMetrics ReportMetricsFor(QSize page, int dpiY) {
    ReportMetrics metrics;
    metrics.page = page;
    metrics.lineHeight = PointsToPixels(kLineSpacing * kBodyPoints, dpiY);
    metrics.headingHeight = 2 * metrics.lineHeight;
    metrics.graphHeight = page.height() / 3;
    return metrics;
}

int ReportFontPoints(ReportFont font) {
    return font == ReportFont::Heading ? kHeadingPoints : kBodyPoints;
}

ReportLayout LayoutReport(const ReportContent& content, const ReportMetrics& metrics) {
    ReportLayout layout;
    ReportFlow flow(metrics);
    const int gap = metrics.lineHeight / 2;
    layout.texts.push_back({0, 0, 0, content.heading, ReportFont::Heading, ReportAnchor::Left});
    flow.skip(metrics.headingHeight);
    for (const QString& line : content.titleLines)
        flow.line(layout, line);
    flow.skip(gap);
    layout.graph = QRect(0, flow.y(), metrics.page.width(), metrics.graphHeight);
    flow.skip(metrics.graphHeight + gap);
    for (const QString& line : content.statisticLines)
        flow.line(layout, line);
    flow.skip(gap);
    PlaceDailyTable(layout, flow, content, metrics);
    layout.pageCount = flow.page() + 1;
    PlaceFooters(layout, content, metrics);
    return layout;
}
