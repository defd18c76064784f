#include "graph/GraphRender.h"

#include "graph/AxisSteps.h"
#include "graph/GraphFonts.h"
#include "graph/PlotPaint.h"
#include "graph/SceneGeometry.h"
#include "graph/TimeAxis.h"
#include "graph/TimeLabels.h"
#include "store/ReferenceLevels.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int ActivityTitleX = 5;
constexpr int ScaleLabelGap = 1;           // between the rotated title and the widest scale label
constexpr int MinimumScaleLabelPixels = 6; // smaller than this, digits no longer read
constexpr int PageLabelGap = 2;            // a page's scale labels end this far before the frame
constexpr int PageFrameWidth = 5;
constexpr int PageLineWidth = 2;

// An empty or backwards time span, or a scale top at or below 0, would divide by zero or flip the graph.
float ScaleFor(int pixels, int64_t span) {
    return static_cast<float>(static_cast<Extended>(pixels) /
                              static_cast<Extended>(std::max<int64_t>(1, span)));
}

int TruncFraction(Extended fraction, int length) {
    return static_cast<int>(fraction * length);
}

// The screen's margins are fixed pixels; a page's are fractions of it, the left and bottom ones three
// times the right and top ones, to hold the labels.
void PlaceMargins(GraphLayout& layout, const RenderOptions& options) {
    if (options.look == GraphLook::Screen) {
        const GraphMargins& m = options.margins;
        layout.leftMargin = m.left;
        layout.rightMargin = m.right;
        layout.topMargin = m.top;
        layout.bottomMargin = m.bottom;
        layout.tickLength = m.tickLength;
        return;
    }
    layout.rightMargin = TruncFraction(0.04L, layout.width);
    layout.topMargin = TruncFraction(0.05L, layout.height);
    layout.leftMargin = 3 * layout.rightMargin;
    layout.bottomMargin = 3 * layout.topMargin;
    layout.tickLength = TruncFraction(0.3L, layout.rightMargin);
    layout.labelGap = PageLabelGap;
    layout.levelRounding = PixelRounding::TowardZero;
}

// The scale's top one top margin below the frame, or on the frame's top line.
int ScaleHeight(const GraphLayout& layout, bool topGap) {
    return layout.axisY() - (topGap ? 2 : 1) * layout.topMargin;
}

ViewLayout LaidOutView(const GraphLayout& layout, const RenderOptions& options, bool topGap) {
    const GraphInView& in = options.view;
    ViewLayout view;
    view.viewFirst = static_cast<uint16_t>(in.first);
    view.viewCount = static_cast<uint16_t>(in.count);
    view.pointerIndex = static_cast<uint16_t>(in.pointer);
    view.viewMax = in.scaleTop;
    view.gridOn = in.grid;
    view.margins = {layout.leftMargin, layout.rightMargin, layout.topMargin, layout.bottomMargin,
                    layout.tickLength};
    view.timeScale = layout.timeScale;
    view.activityScale = layout.activityScale;
    view.topGap = topGap;
    ChooseAxisSteps(view, options.series);
    return view;
}

PlotLayout PlotLayoutOf(const GraphLayout& layout, const RenderOptions& options) {
    PlotLayout plot;
    plot.time = ViewTimeMap(layout.view, options.series);
    plot.activity = ActivityMap{layout.activityScale, layout.axisY()};
    plot.right = layout.width - layout.rightMargin;
    plot.tickLength = layout.tickLength;
    plot.labelGap = layout.labelGap;
    plot.levelRounding = layout.levelRounding;
    plot.grid = options.view.grid;
    plot.unit = options.unit;
    if (options.look == GraphLook::Screen) {
        plot.lineColor = options.colors.graph;
        plot.markerColor = MarkerColor;
    }
    const std::optional<int64_t> highest = HighestLevel(options.marks.levels);
    if (highest) {
        // Above the scale's top the whole line is below the level: no warning row there.
        plot.warningY = LevelRow(*highest, layout.view.viewMax, plot);
        plot.warningColor = options.marks.warningColor;
    }
    return plot;
}

TimeAxisPlace TimeAxisPlaceOf(const GraphLayout& layout) {
    return {layout.width,      layout.timeScale, layout.axisY(),
            layout.leftMargin, layout.topMargin, layout.tickLength};
}

void FillArea(Canvas& canvas, const QColor& color) {
    canvas.pen.color = color;
    canvas.brushColor = color;
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

// The scale's labels in the label font, made smaller as a whole when the widest of them would run from
// the vertical axis over the rotated title.
void ChooseScaleFont(Canvas& canvas, const std::vector<ScaleLevel>& levels, int leftMargin) {
    if (levels.empty())
        return;
    const QString& text = levels.back().text;
    const int titleRight = ActivityTitleX + QFontMetrics(ActivityTitleFont()).height();
    const int room = leftMargin - titleRight - ScaleLabelGap;
    QFont font = canvas.font();
    while (canvas.textWidth(text) > room && font.pixelSize() > MinimumScaleLabelPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        canvas.setFont(font);
    }
}

// The reference levels under the step line, the running average over it.
void DrawMarkedLine(Canvas& canvas, const GraphLayout& layout, const RenderOptions& options,
                    const PlotLayout& plot) {
    const ReadingMarks& marks = options.marks;
    if (!marks.levels.empty())
        DrawReferenceLevels(canvas, marks, layout.view.viewMax, plot);
    DrawStepLine(canvas, StepLineOf(options.series, layout.view, plot.time, plot.activity), plot);
    if (!marks.average.empty())
        DrawAverageLine(canvas, marks, layout.view.viewFirst, layout.view.last(), plot);
}

// The screen: the scheme's colours on the area's background, the pointer line last.
void RenderScreen(Canvas& canvas, const GraphLayout& layout, const RenderOptions& options,
                  PointerTrace* trace) {
    const ColorScheme& colors = options.colors;
    FillArea(canvas, colors.background);
    canvas.setFont(ActivityTitleFont());
    canvas.fontColor = colors.captions;
    canvas.textOutUpwards(ActivityTitleX, layout.axisY() / 2, ActivityTitleIn(options.unit));
    canvas.setFont(LabelFont());
    canvas.textOut(layout.width / 2, layout.height - canvas.fontHeight() - layout.topMargin,
                   TimeTitle(layout.view.timeUnit));
    canvas.pen.color = colors.axes;
    canvas.rectangle(layout.leftMargin, layout.topMargin, layout.width - layout.rightMargin, layout.axisY());
    canvas.fontColor = colors.grid;
    canvas.pen.color = colors.grid;
    const PlotLayout plot = PlotLayoutOf(layout, options);
    const std::vector<ScaleLevel> levels = LayoutLevels(layout.view, plot);
    const QFont labelFont = canvas.font();
    ChooseScaleFont(canvas, levels, layout.leftMargin);
    DrawActivityScale(canvas, levels, plot);
    canvas.setFont(labelFont);
    DrawTimeAxis(canvas, options.series, layout.view, TimeAxisPlaceOf(layout));
    DrawMarkedLine(canvas, layout, options, plot);
    PointerTrace unused;
    PlacePointer(canvas, GraphScene{options.series, layout.view, colors, false}, trace ? *trace : unused);
}

void DrawPageTitle(Canvas& canvas, const GraphLayout& layout, const RenderOptions& options,
                   const QString& title) {
    if (title.isEmpty())
        return;
    const int titleY = static_cast<int>(Round(0.3L * layout.topMargin));
    const int titleWidth = canvas.textWidth(ShownSeriesTitle(options.series));
    const bool whole = options.view.count == options.series.measurementCount;
    const int titleX = layout.width / 2 - (whole ? static_cast<int>(Round(0.5L * titleWidth)) : titleWidth);
    canvas.textOut(titleX, titleY, title);
}

// A page: black on white, a heavy frame, the title line, no pointer.
void RenderPage(Canvas& canvas, const GraphLayout& layout, const RenderOptions& options) {
    const GraphPageTitles titles = options.titles.value_or(
        GraphPageTitles{GraphPrintTitle(layout.view, options.series), TimeTitle(layout.view.timeUnit)});
    canvas.pen = CanvasPen{Qt::black, PenStyle::Solid, 1};
    canvas.brushColor = Qt::white;
    canvas.fontColor = Qt::black;
    canvas.setFont(PageCaptionFont(options.dpiX));
    canvas.textOutUpwards(layout.rightMargin, layout.height / 2, ActivityTitleIn(options.unit));
    canvas.setFont(PageFont());
    canvas.pen.width = PageFrameWidth;
    canvas.rectangle(layout.leftMargin, layout.topMargin, layout.width - layout.rightMargin, layout.axisY());
    canvas.pen.width = PageLineWidth;
    DrawTimeAxis(canvas, options.series, layout.view, TimeAxisPlaceOf(layout));
    canvas.textOut(layout.width / 2, layout.height - layout.topMargin, titles.timeTitle);
    DrawPageTitle(canvas, layout, options, titles.title);
    const PlotLayout plot = PlotLayoutOf(layout, options);
    DrawActivityScale(canvas, LayoutLevels(layout.view, plot), plot);
    DrawMarkedLine(canvas, layout, options, plot);
}

// Whether the target is the whole of the painter's device, in the logical pixels it is drawn in.
bool CoversDevice(const QPainter& painter, const QRect& target) {
    const QPaintDevice* device = painter.device();
    if (!device)
        return false;
    const QSizeF logical = QSizeF(device->width(), device->height()) / device->devicePixelRatio();
    return target == QRect(QPoint(0, 0), logical.toSize());
}

bool SomethingInView(const RenderOptions& options) {
    const int n = options.series.measurementCount;
    const GraphInView& in = options.view;
    return n > 0 && in.count > 0 && in.first >= 1 && in.first + in.count - 1 <= n;
}

} // namespace

const char* const ActivityTitle = QT_TRANSLATE_NOOP("GraphRender", "Активность Бк/м3");

QString ActivityTitleIn(ActivityUnit unit) {
    if (unit == ActivityUnit::PicocuriePerLitre)
        return QCoreApplication::translate("GraphRender", "Активность %1").arg(ActivityUnitCaption(unit));
    return QCoreApplication::translate("GraphRender", ActivityTitle);
}

QString GraphPrintTitle(const ViewLayout& view, const SelectedSeries& series) {
    const QString& title = ShownSeriesTitle(series);
    if (view.viewCount == series.measurementCount)
        return title;
    return title + QCoreApplication::translate("GraphRender", ". Измерения с %1 по %2")
                       .arg(view.viewFirst)
                       .arg(view.last());
}

GraphInView InViewOf(const ViewLayout& view) {
    return GraphInView{view.viewFirst, view.viewCount, view.pointerIndex,
                       view.viewMax,   view.gridOn,    view.topGap};
}

GraphInView RangeInView(const SelectedSeries& series, int lo, int hi) {
    const int64_t top = *std::max_element(series.activity.begin() + lo, series.activity.begin() + hi + 1);
    return GraphInView{lo, hi - lo + 1, lo, top, false, true};
}

QSize LayoutSize(QSize target, qreal shrink) {
    if (shrink == 1)
        return target;
    return QSize(static_cast<int>(std::lround(target.width() / shrink)),
                 static_cast<int>(std::lround(target.height() / shrink)));
}

GraphLayout LayoutGraph(QSize size, const RenderOptions& options) {
    GraphLayout layout;
    layout.width = size.width();
    layout.height = size.height();
    PlaceMargins(layout, options);
    const GraphInView& in = options.view;
    const SelectedSeries& series = options.series;
    const int64_t duration = series.elapsedTime[in.first + in.count - 1] - series.elapsedTime[in.first - 1];
    layout.timeScale = ScaleFor(layout.width - layout.leftMargin - layout.rightMargin, duration);
    // A page always keeps its gap: it is never resized.
    const bool topGap = options.look == GraphLook::Page || in.topGap;
    layout.activityScale = ScaleFor(ScaleHeight(layout, topGap), in.scaleTop);
    layout.view = LaidOutView(layout, options, topGap);
    return layout;
}

void RenderGraph(Canvas& canvas, const RenderOptions& options, PointerTrace* trace) {
    if (trace)
        trace->drawn = false;
    if (options.look == GraphLook::Screen && options.noSeriesChosen) {
        FillArea(canvas, EmptyAreaColor);
        return;
    }
    if (!SomethingInView(options))
        return;
    const GraphLayout layout = LayoutGraph(QSize(canvas.width(), canvas.height()), options);
    if (options.look == GraphLook::Screen)
        RenderScreen(canvas, layout, options, trace);
    else
        RenderPage(canvas, layout, options);
}

void RenderGraph(QPainter& painter, const QRect& target, const RenderOptions& options, PointerTrace* trace) {
    painter.save();
    // A level off the scale reaches the top of its surface: here the top of the target, nothing beyond it.
    if (!CoversDevice(painter, target))
        painter.setClipRect(target);
    painter.translate(target.topLeft());
    const QSize size = LayoutSize(target.size(), options.shrink);
    if (options.shrink != 1)
        painter.scale(options.shrink, options.shrink);
    {
        Canvas canvas(painter, size);
        RenderGraph(canvas, options, trace);
    }
    painter.restore();
}
