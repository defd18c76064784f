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
    return {canvas.Width(), canvas.Height(), m.MarginLeft, m.MarginRight,
            m.MarginTop,    m.MarginBottom,  m.TickLength};
}

void FillArea(Canvas& canvas, const QColor& color) {
    canvas.pen.color = color;
    canvas.brushColor = color;
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

void DrawTitles(Canvas& canvas, const GraphScene& scene, const Layout& at) {
    canvas.SetFont(ActivityTitleFont());
    canvas.fontColor = scene.colors.Captions;
    canvas.TextOutUpwards(ActivityTitleX, at.AxisY() / 2, QString::fromUtf8(ActivityTitle));
    canvas.SetFont(LabelFont());
    canvas.TextOut(at.W / 2, at.H - canvas.FontHeight() - at.T, TimeTitle(scene.view.TimeUnit));
}

// The scale's labels in the label font, made smaller as a whole when the widest of them would run from
// the vertical axis over the rotated title.
void ChooseScaleFont(Canvas& canvas, const std::vector<ScaleLevel>& levels, const Layout& at) {
    if (levels.empty())
        return;
    const QString text = QString::number(levels.back().value);
    const int titleRight = ActivityTitleX + ActivityTitleCellHeight();
    const int room = at.L - titleRight - ScaleLabelGap;
    QFont font = canvas.Font();
    while (canvas.TextWidth(text) > room && font.pixelSize() > MinimumScaleLabelPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        canvas.SetFont(font);
    }
}

// Labels hang below the level they name and end at the vertical axis.
void DrawActivityScale(Canvas& canvas, const GraphScene& scene, const Layout& at,
                       const std::vector<ScaleLevel>& levels) {
    const QFont labelFont = canvas.Font();
    ChooseScaleFont(canvas, levels, at);
    for (const ScaleLevel& level : levels) {
        const QString text = QString::number(level.value);
        canvas.TextOut(at.L - canvas.TextWidth(text), level.y, text);
        if (scene.view.GridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.Line(at.L, level.y, at.W - at.R, level.y);
        }
        canvas.pen.style = PenStyle::Solid;
        canvas.Line(at.L, level.y, at.L - at.K, level.y);
    }
    canvas.SetFont(labelFont);
}

// Red says that the series goes on before the view (the first riser), after it (the closing riser) or that
// a bar does not fit the scale (its top).
void DrawMeasurements(Canvas& canvas, const GraphScene& scene, const StepLine& line) {
    canvas.pen.style = PenStyle::Solid;
    canvas.MoveTo(line.start.x(), line.start.y());
    for (const StepStroke& stroke : line.strokes) {
        canvas.pen.color = stroke.marked ? MarkerColor : scene.colors.Graph;
        canvas.LineTo(stroke.to.x(), stroke.to.y());
    }
}

} // namespace

int PointerXFor(const ViewWindow& view, const SelectedSeries& series, int pointerIndex) {
    return ViewTimeMap(view, series)
        .MiddleX(series.ElapsedTime[pointerIndex - 1], series.ElapsedTime[pointerIndex]);
}

void PlacePointer(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    const Layout at = LayoutOf(canvas, scene.view.margins);
    canvas.pen.color = scene.colors.Pointer;
    canvas.pen.style = PenStyle::Solid;
    const int x = PointerXFor(scene.view, scene.series, scene.view.PointerIndex);
    trace.PointerX = x;
    trace.SavedColumn = canvas.ReadColumn(x, 0, std::max(at.AxisY() + 1, 0));
    trace.savedPixels = canvas.CopyColumn(x, 1, at.AxisY());
    trace.drawn = true;
    canvas.Line(x, at.T, x, at.AxisY());
}

void GrPaint(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    trace.drawn = false;
    if (scene.NoSeriesChosen) {
        FillArea(canvas, EmptyAreaColor);
        return;
    }
    if (scene.series.MeasurementCount == 0)
        return;
    const Layout at = LayoutOf(canvas, scene.view.margins);
    FillArea(canvas, scene.colors.Background);
    DrawTitles(canvas, scene, at);
    canvas.pen.color = scene.colors.Axes;
    canvas.Rectangle(at.L, at.T, at.W - at.R, at.AxisY());
    canvas.fontColor = scene.colors.Grid;
    canvas.pen.color = scene.colors.Grid;
    const SceneGeometry geometry =
        ComputeSceneGeometry(scene.series, scene.view, QSize(at.W, at.H), TimeLabelWidth(canvas));
    DrawActivityScale(canvas, scene, at, geometry.levels);
    DrawTimeTicks(canvas, geometry.ticks, scene.view, at.AxisY(), at.T, at.K);
    DrawMeasurements(canvas, scene, geometry.line);
    PlacePointer(canvas, scene, trace);
}
