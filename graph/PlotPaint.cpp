#include "graph/PlotPaint.h"

std::vector<ScaleLevel> LayoutLevels(const ViewLayout& view, const PlotLayout& layout) {
    return ScaleLevels(view, layout.activity, layout.levelRounding);
}

void DrawActivityScale(Canvas& canvas, const std::vector<ScaleLevel>& levels, const PlotLayout& layout) {
    const int axisX = layout.time.left;
    for (const ScaleLevel& level : levels) {
        const QString text = QString::number(level.value);
        canvas.textOut(axisX - canvas.textWidth(text) - layout.labelGap, level.y, text);
        canvas.pen.style = PenStyle::Solid;
        canvas.line(axisX, level.y, axisX - layout.tickLength, level.y);
        if (layout.grid) {
            canvas.pen.style = PenStyle::Dot;
            canvas.line(axisX, level.y, layout.right, level.y);
        }
    }
    canvas.pen.style = PenStyle::Solid;
}

void DrawStepLine(Canvas& canvas, const StepLine& line, const PlotLayout& layout) {
    canvas.pen.style = PenStyle::Solid;
    canvas.moveTo(line.start.x(), line.start.y());
    for (const StepStroke& stroke : line.strokes) {
        canvas.pen.color = stroke.marked && layout.markerColor ? *layout.markerColor : layout.lineColor;
        canvas.lineTo(stroke.to.x(), stroke.to.y());
    }
}
