#include "graph/GraphPaint.h"

#include "graph/GraphFonts.h"
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

struct Layout {
    int W, H, L, R, T, B, K;
    int AxisY() const { return H - B; }
};

Layout LayoutOf(const Canvas& canvas, const GraphMargins& m) {
    return {canvas.width(), canvas.height(), m.left, m.right, m.top, m.bottom, m.tickLength};
}

void FillArea(Canvas& canvas, const QColor& color) {
    canvas.pen.color = color;
    canvas.brushColor = color;
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

void DrawTitles(Canvas& canvas, const GraphScene& scene, const Layout& at) {
    canvas.setFont(ActivityTitleFont());
    canvas.fontColor = scene.colors.captions;
    canvas.textOutUpwards(ActivityTitleX, at.AxisY() / 2, QString::fromUtf8(ActivityTitle));
    canvas.setFont(LabelFont());
    canvas.textOut(at.W / 2, at.H - canvas.fontHeight() - at.T, TimeTitle(scene.view.timeUnit));
}

// The scale's labels in the label font, made smaller as a whole when the widest of them would run from
// the vertical axis over the rotated title.
void ChooseScaleFont(Canvas& canvas, const std::vector<ScaleLevel>& levels, const Layout& at) {
    if (levels.empty())
        return;
    const QString text = QString::number(levels.back().value);
    const int titleRight = ActivityTitleX + ActivityTitleCellHeight();
    const int room = at.L - titleRight - ScaleLabelGap;
    QFont font = canvas.font();
    while (canvas.textWidth(text) > room && font.pixelSize() > MinimumScaleLabelPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        canvas.setFont(font);
    }
}

// Labels hang below the level they name and end at the vertical axis.
void DrawActivityScale(Canvas& canvas, const GraphScene& scene, const Layout& at,
                       const std::vector<ScaleLevel>& levels) {
    const QFont labelFont = canvas.font();
    ChooseScaleFont(canvas, levels, at);
    for (const ScaleLevel& level : levels) {
        const QString text = QString::number(level.value);
        canvas.textOut(at.L - canvas.textWidth(text), level.y, text);
        if (scene.view.gridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.line(at.L, level.y, at.W - at.R, level.y);
        }
        canvas.pen.style = PenStyle::Solid;
        canvas.line(at.L, level.y, at.L - at.K, level.y);
    }
    canvas.setFont(labelFont);
}

// Red says that the series goes on before the view (the first riser), after it (the closing riser) or that
// a bar does not fit the scale (its top).
void DrawMeasurements(Canvas& canvas, const GraphScene& scene, const StepLine& line) {
    canvas.pen.style = PenStyle::Solid;
    canvas.moveTo(line.start.x(), line.start.y());
    for (const StepStroke& stroke : line.strokes) {
        canvas.pen.color = stroke.marked ? MarkerColor : scene.colors.graph;
        canvas.lineTo(stroke.to.x(), stroke.to.y());
    }
}

} // namespace

int PointerXFor(const ViewWindow& view, const SelectedSeries& series, int pointerIndex) {
    return ViewTimeMap(view, series)
        .middleX(series.elapsedTime[pointerIndex - 1], series.elapsedTime[pointerIndex]);
}

void PlacePointer(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    const Layout at = LayoutOf(canvas, scene.view.margins);
    canvas.pen.color = scene.colors.pointer;
    canvas.pen.style = PenStyle::Solid;
    const int x = PointerXFor(scene.view, scene.series, scene.view.pointerIndex);
    trace.pointerX = x;
    trace.savedColumn = canvas.readColumn(x, 0, std::max(at.AxisY() + 1, 0));
    trace.savedPixels = canvas.copyColumn(x, 1, at.AxisY());
    trace.drawn = true;
    canvas.line(x, at.T, x, at.AxisY());
}

void PaintGraph(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    trace.drawn = false;
    if (scene.noSeriesChosen) {
        FillArea(canvas, EmptyAreaColor);
        return;
    }
    if (scene.series.measurementCount == 0)
        return;
    const Layout at = LayoutOf(canvas, scene.view.margins);
    FillArea(canvas, scene.colors.background);
    DrawTitles(canvas, scene, at);
    canvas.pen.color = scene.colors.axes;
    canvas.rectangle(at.L, at.T, at.W - at.R, at.AxisY());
    canvas.fontColor = scene.colors.grid;
    canvas.pen.color = scene.colors.grid;
    const SceneGeometry geometry =
        ComputeSceneGeometry(scene.series, scene.view, QSize(at.W, at.H), TimeLabelWidth(canvas));
    DrawActivityScale(canvas, scene, at, geometry.levels);
    DrawTimeTicks(canvas, geometry.ticks, scene.view, at.AxisY(), at.T, at.K);
    DrawMeasurements(canvas, scene, geometry.line);
    PlacePointer(canvas, scene, trace);
}
