#include "graph/PlotPaint.h"

std::vector<ScaleLevel> LayoutLevels(const ViewLayout& view, const PlotLayout& layout) {
    return ScaleLevels(view, layout.activity, layout.levelRounding, layout.unit);
}

void DrawActivityScale(Canvas& canvas, const std::vector<ScaleLevel>& levels, const PlotLayout& layout) {
    const int axisX = layout.time.left;
    for (const ScaleLevel& level : levels) {
        canvas.textOut(axisX - canvas.textWidth(level.text) - layout.labelGap, level.y, level.text);
        canvas.pen.style = PenStyle::Solid;
        canvas.line(axisX, level.y, axisX - layout.tickLength, level.y);
        if (layout.grid) {
            canvas.pen.style = PenStyle::Dot;
            canvas.line(axisX, level.y, layout.right, level.y);
        }
    }
    canvas.pen.style = PenStyle::Solid;
}

namespace {

// A vertical stroke crossing the warning row is drawn in two pieces, split so that every pixel above the
// row is warned and the row itself and below are not; a line leaves out its end, so no pixel is lost.
void WarnedStroke(Canvas& canvas, QPoint from, QPoint to, int warningY, const PlotLayout& layout) {
    const auto colourAt = [&](int y) { return y < warningY ? layout.warningColor : layout.lineColor; };
    if (from.x() == to.x() && (from.y() < warningY) != (to.y() < warningY)) {
        const int split = to.y() < from.y() ? warningY - 1 : warningY;
        canvas.pen.color = colourAt(from.y());
        canvas.lineTo(to.x(), split);
        canvas.pen.color = colourAt(to.y());
        canvas.lineTo(to.x(), to.y());
        return;
    }
    canvas.pen.color = colourAt(from.y()); // both ends on one side
    canvas.lineTo(to.x(), to.y());
}

} // namespace

void DrawStepLine(Canvas& canvas, const StepLine& line, const PlotLayout& layout) {
    canvas.pen.style = PenStyle::Solid;
    canvas.moveTo(line.start.x(), line.start.y());
    QPoint from = line.start;
    for (const StepStroke& stroke : line.strokes) {
        if (stroke.marked && layout.markerColor) {
            canvas.pen.color = *layout.markerColor;
            canvas.lineTo(stroke.to.x(), stroke.to.y());
        } else if (layout.warningY) {
            WarnedStroke(canvas, from, stroke.to, *layout.warningY, layout);
        } else {
            canvas.pen.color = layout.lineColor;
            canvas.lineTo(stroke.to.x(), stroke.to.y());
        }
        from = stroke.to;
    }
}
