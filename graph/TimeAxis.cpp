#include "TimeAxis.h"

#include "Extended.h"
#include "ScaleMap.h"
#include "TimeLabels.h"

namespace {

// More labels than this cannot be told apart on any surface; it also ends the loop on a degenerate scale.
constexpr int MaxLabels = 4096;

int HalfWidth(const Canvas& canvas, const QString& text) {
    return static_cast<int>(Round(static_cast<Extended>(canvas.TextWidth(text)) * 0.5L));
}

void SetFixedPitch(Canvas& canvas, bool fixed) {
    QFont font = canvas.Font();
    font.setFixedPitch(fixed);
    canvas.SetFont(font);
}

} // namespace

void DrawTimeAxis(Canvas& canvas, const SelectedSeries& series, const ViewWindow& view, int xLimit,
                  float scale, int canvasHeight, int bottomMargin, int leftMargin, int gridTop, int gap) {
    const std::optional<LabelTime> start = ViewStartTime(series, view.ViewFirst, view.TimeUnit);
    if (!start || !(scale > 0.0F))
        return;
    const int axisY = canvasHeight - bottomMargin;
    LabelTime label = FirstLabelTime(*start, view.TimeUnit, view.TimeStep, series.DaysInMonth);
    int64_t offset = SecondsBetween(*start, label);
    const TimeMap map{0, scale, leftMargin};
    int x = map.X(offset);

    SetFixedPitch(canvas, true);
    const int labelWidth = canvas.TextWidth(QStringLiteral("00 00"));
    const int secondLine = static_cast<int>(Round(static_cast<Extended>(canvas.FontHeight()) * 1.2L));
    for (int count = 0; x <= xLimit - labelWidth && count < MaxLabels; ++count) {
        const LabelTexts texts = LabelText(label, view.TimeUnit);
        canvas.TextOut(x - HalfWidth(canvas, texts.line1), axisY + gap, texts.line1);
        if (!texts.line2.isEmpty())
            canvas.TextOut(x - HalfWidth(canvas, texts.line2), axisY + gap + secondLine, texts.line2);
        if (view.GridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.Line(x, gridTop, x, axisY);
        }
        canvas.pen.style = PenStyle::Solid;
        canvas.Line(x, axisY, x, axisY + gap);
        offset += int64_t{view.TimeStep} * SecondsPerUnit[view.TimeUnit];
        x = map.X(offset);
        AdvanceLabel(label, view.TimeUnit, view.TimeStep, series.DaysInMonth);
    }
    canvas.pen.style = PenStyle::Solid;
    SetFixedPitch(canvas, false);
}
