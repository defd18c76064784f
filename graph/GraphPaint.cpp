#include "graph/GraphPaint.h"

#include "graph/GraphFonts.h"
#include "graph/PlotPaint.h"
#include "graph/SceneGeometry.h"
#include "graph/TimeAxis.h"
#include "graph/TimeLabels.h"

#include <QFontMetrics>

const char* const ActivityTitle = "Активность Бк/м3";

namespace {

constexpr int ActivityTitleX = 5;
constexpr int ScaleLabelGap = 1;           // between the rotated title and the widest scale label
constexpr int MinimumScaleLabelPixels = 6; // smaller than this, digits no longer read

int ActivityTitleCellHeight() {
    return QFontMetrics(ActivityTitleFont()).height();
}

// The surface's size and the graph's margins on it.
struct Area {
    int width = 0;
    int height = 0;
    GraphMargins margins;
    int axisY() const { return height - margins.bottom; }
};

Area AreaOf(const Canvas& canvas, const GraphMargins& margins) {
    return {canvas.width(), canvas.height(), margins};
}

// The screen's plot layout: the view's own scales, labels right at the axis, red marks.
PlotLayout ScreenLayout(const GraphScene& scene, const Area& area) {
    PlotLayout layout;
    layout.time = ViewTimeMap(scene.view, scene.series);
    layout.activity = ViewActivityMap(scene.view, area.height);
    layout.right = area.width - area.margins.right;
    layout.tickLength = area.margins.tickLength;
    layout.grid = scene.view.gridOn;
    layout.lineColor = scene.colors.graph;
    layout.markerColor = MarkerColor;
    return layout;
}

void FillArea(Canvas& canvas, const QColor& color) {
    canvas.pen.color = color;
    canvas.brushColor = color;
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

void DrawTitles(Canvas& canvas, const GraphScene& scene, const Area& area) {
    canvas.setFont(ActivityTitleFont());
    canvas.fontColor = scene.colors.captions;
    canvas.textOutUpwards(ActivityTitleX, area.axisY() / 2, QString::fromUtf8(ActivityTitle));
    canvas.setFont(LabelFont());
    canvas.textOut(area.width / 2, area.height - canvas.fontHeight() - area.margins.top,
                   TimeTitle(scene.view.timeUnit));
}

// The scale's labels in the label font, made smaller as a whole when the widest of them would run from
// the vertical axis over the rotated title.
void ChooseScaleFont(Canvas& canvas, const std::vector<ScaleLevel>& levels, const Area& area) {
    if (levels.empty())
        return;
    const QString text = QString::number(levels.back().value);
    const int titleRight = ActivityTitleX + ActivityTitleCellHeight();
    const int room = area.margins.left - titleRight - ScaleLabelGap;
    QFont font = canvas.font();
    while (canvas.textWidth(text) > room && font.pixelSize() > MinimumScaleLabelPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        canvas.setFont(font);
    }
}

} // namespace

void PlacePointer(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    const Area area = AreaOf(canvas, scene.view.margins);
    canvas.pen.color = scene.colors.pointer;
    canvas.pen.style = PenStyle::Solid;
    const int x = PointerXFor(scene.view, scene.series, scene.view.pointerIndex);
    trace.pointerX = x;
    trace.savedColumn = canvas.readColumn(x, 0, std::max(area.axisY() + 1, 0));
    trace.savedPixels = canvas.copyColumn(x, 1, area.axisY());
    trace.drawn = true;
    canvas.line(x, area.margins.top, x, area.axisY());
}

void PaintGraph(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    trace.drawn = false;
    if (scene.noSeriesChosen) {
        FillArea(canvas, EmptyAreaColor);
        return;
    }
    if (scene.series.measurementCount == 0)
        return;
    const Area area = AreaOf(canvas, scene.view.margins);
    const GraphMargins& m = area.margins;
    FillArea(canvas, scene.colors.background);
    DrawTitles(canvas, scene, area);
    canvas.pen.color = scene.colors.axes;
    canvas.rectangle(m.left, m.top, area.width - m.right, area.axisY());
    canvas.fontColor = scene.colors.grid;
    canvas.pen.color = scene.colors.grid;
    const SceneGeometry geometry = ComputeSceneGeometry(
        scene.series, scene.view, QSize(area.width, area.height), TimeLabelWidth(canvas));
    const PlotLayout layout = ScreenLayout(scene, area);
    const QFont labelFont = canvas.font();
    ChooseScaleFont(canvas, geometry.levels, area);
    DrawActivityScale(canvas, geometry.levels, layout);
    canvas.setFont(labelFont);
    DrawTimeTicks(canvas, geometry.ticks, scene.view, area.axisY(), m.top, m.tickLength);
    DrawStepLine(canvas, geometry.line, layout);
    PlacePointer(canvas, scene, trace);
}
