#include "graph/ReadingMarks.h"

#include "store/ActivityUnit.h"

#include <algorithm>

ReadingMarks MarksOfReading(const ReadingSettings& reading, const SelectedSeries& series,
                            uint16_t sensitivity) {
    ReadingMarks marks;
    marks.levels = reading.levels;
    marks.warningColor = QColor(reading.warningColour);
    if (reading.averageShown && series.measurementCount > 0)
        marks.average = RunningAverage(series, sensitivity, int64_t{reading.averageWindowHours} * 3600);
    return marks;
}

std::optional<int> LevelRow(int64_t level, int64_t scaleTop, const PlotLayout& layout) {
    if (level < 0 || level > scaleTop)
        return std::nullopt;
    return layout.activity.y(level, layout.levelRounding);
}

void DrawReferenceLevels(Canvas& canvas, const ReadingMarks& marks, int64_t scaleTop,
                         const PlotLayout& layout) {
    canvas.pen.color = marks.levelColor;
    canvas.pen.style = PenStyle::Solid;
    const int left = layout.time.left;
    for (const int64_t level : marks.levels) {
        const std::optional<int> y = LevelRow(level, scaleTop, layout);
        if (!y)
            continue;
        // Separate short strokes rather than a pen style: the same pixels on an image, paths on a drawing.
        for (int x = left; x < layout.right; x += DashOn + DashOff)
            canvas.line(x, *y, std::min(x + DashOn, layout.right), *y);
        const QString text = ActivityValueText(level, layout.unit);
        canvas.textOut(layout.right - LevelLabelInset - canvas.textWidth(text), *y - canvas.textHeight(),
                       text);
    }
}

int AverageY(const RunningAveragePoint& point, const ActivityMap& activity) {
    return activity.axisY - RoundToPixel(point.activity * static_cast<Extended>(activity.scale));
}

void DrawAverageLine(Canvas& canvas, const ReadingMarks& marks, int first, int last,
                     const PlotLayout& layout) {
    canvas.pen.color = marks.averageColor;
    canvas.pen.style = PenStyle::Solid;
    bool started = false;
    for (const RunningAveragePoint& point : marks.average) {
        // The end of the measurement before the view is the view's start: the line begins at the axis.
        if (point.measurement < first - 1 || point.measurement > last)
            continue;
        const int x = layout.time.x(point.seconds);
        const int y = AverageY(point, layout.activity);
        if (started) {
            canvas.lineTo(x, y);
        } else {
            canvas.moveTo(x, y);
            started = true;
        }
    }
}
