#include "graph/TimeAxis.h"

#include "graph/SceneGeometry.h"
#include "graph/TimeLabels.h"
#include "store/Extended.h"

namespace {

int HalfWidth(const Canvas& canvas, const QString& text) {
    return static_cast<int>(Round(static_cast<Extended>(canvas.textWidth(text)) * 0.5L));
}

void SetFixedPitch(Canvas& canvas, bool fixed) {
    QFont font = canvas.font();
    font.setFixedPitch(fixed);
    canvas.setFont(font);
}

int FixedPitchLabelWidth(const Canvas& canvas) {
    return canvas.textWidth(QStringLiteral("00 00"));
}

void DrawTimeTicks(Canvas& canvas, const std::vector<TimeTick>& ticks, const ViewLayout& view, int axisY,
                   int gridTop, int gap) {
    SetFixedPitch(canvas, true);
    const int secondLine = static_cast<int>(Round(static_cast<Extended>(canvas.fontHeight()) * 1.2L));
    for (const TimeTick& tick : ticks) {
        const LabelTexts texts = LabelText(tick.time, view.timeUnit);
        canvas.textOut(tick.x - HalfWidth(canvas, texts.line1), axisY + gap, texts.line1);
        if (!texts.line2.isEmpty())
            canvas.textOut(tick.x - HalfWidth(canvas, texts.line2), axisY + gap + secondLine, texts.line2);
        if (view.gridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.line(tick.x, gridTop, tick.x, axisY);
        }
        canvas.pen.style = PenStyle::Solid;
        canvas.line(tick.x, axisY, tick.x, axisY + gap);
    }
    canvas.pen.style = PenStyle::Solid;
    SetFixedPitch(canvas, false);
}

} // namespace

int TimeLabelWidth(Canvas& canvas) {
    const QFont font = canvas.font();
    SetFixedPitch(canvas, true);
    const int width = FixedPitchLabelWidth(canvas);
    canvas.setFont(font);
    return width;
}

void DrawTimeAxis(Canvas& canvas, const SelectedSeries& series, const ViewLayout& view,
                  const TimeAxisPlace& place) {
    if (!ViewStartTime(series, view.viewFirst, view.timeUnit) || !(place.scale > 0.0F))
        return;
    const std::vector<TimeTick> ticks =
        TimeAxisTicks(series, view, place.scale, place.left, place.xLimit - TimeLabelWidth(canvas));
    DrawTimeTicks(canvas, ticks, view, place.axisY, place.gridTop, place.gap);
}
