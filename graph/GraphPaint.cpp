#include "GraphPaint.h"

#include "GraphFonts.h"
#include "TimeAxis.h"
#include "TimeLabels.h"

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
void ChooseScaleFont(Canvas& canvas, const ViewWindow& view, const Layout& at) {
    int64_t widest = 0;
    for (int64_t v = view.ActivityStep; v < view.ViewMax; v += view.ActivityStep)
        widest = v;
    if (widest == 0)
        return;
    const QString text = QString::number(widest);
    const int titleRight = ActivityTitleX + ActivityTitleCellHeight();
    const int room = at.L - titleRight - ScaleLabelGap;
    QFont font = canvas.Font();
    while (canvas.TextWidth(text) > room && font.pixelSize() > MinimumScaleLabelPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        canvas.SetFont(font);
    }
}

// Labels hang below the level they name and end at the vertical axis; 0 and the top are not labelled.
void DrawActivityScale(Canvas& canvas, const GraphScene& scene, const Layout& at) {
    const ViewWindow& view = scene.view;
    const ActivityMap map = ViewActivityMap(view, at.H);
    const QFont labelFont = canvas.Font();
    ChooseScaleFont(canvas, view, at);
    for (int64_t v = view.ActivityStep; v < view.ViewMax; v += view.ActivityStep) {
        const int y = map.Y(v);
        const QString text = QString::number(v);
        canvas.TextOut(at.L - canvas.TextWidth(text), y, text);
        if (view.GridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.Line(at.L, y, at.W - at.R, y);
        }
        canvas.pen.style = PenStyle::Solid;
        canvas.Line(at.L, y, at.L - at.K, y);
    }
    canvas.SetFont(labelFont);
}

// One stepped line from the axis at the frame's left end. Red says that the series goes on before the view
// (the first riser), after it (the closing riser) or that a bar does not fit the scale (its top).
void DrawMeasurements(Canvas& canvas, const GraphScene& scene, const Layout& at) {
    const SelectedSeries& series = scene.series;
    const ViewWindow& view = scene.view;
    const TimeMap time = ViewTimeMap(view, series);
    const ActivityMap activity = ViewActivityMap(view, at.H);
    const int scaleTop = activity.Height(view.ViewMax);
    const int first = view.ViewFirst;
    const int last = view.Last();

    canvas.pen.style = PenStyle::Solid;
    canvas.MoveTo(at.L, at.AxisY());
    canvas.pen.color = first > 1 ? MarkerColor : scene.colors.Graph;
    for (int i = first; i <= last; ++i) {
        int h = activity.Height(series.Activity[i]);
        bool offScale = false;
        if (h < 0) {
            h = 0;
        } else if (h > scaleTop) {
            h = at.AxisY();
            offScale = true;
        }
        if (i != first)
            canvas.pen.color = scene.colors.Graph;
        canvas.LineTo(time.X(series.ElapsedTime[i - 1]), at.AxisY() - h);
        canvas.pen.color = offScale ? MarkerColor : scene.colors.Graph;
        const int xe = time.X(series.ElapsedTime[i]);
        canvas.LineTo(xe, at.AxisY() - h);
        if (i == last) {
            canvas.pen.color = last == series.MeasurementCount ? scene.colors.Graph : MarkerColor;
            canvas.LineTo(xe, activity.Y(series.Activity[i + 1]));
        }
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
    DrawActivityScale(canvas, scene, at);
    DrawTimeAxis(canvas, scene.series, scene.view, at.W, scene.view.TimeScale, at.H, at.B, at.L, at.T, at.K);
    DrawMeasurements(canvas, scene, at);
    PlacePointer(canvas, scene, trace);
}
