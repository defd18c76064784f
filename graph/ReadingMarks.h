#pragma once

#include "graph/Canvas.h"
#include "graph/PlotPaint.h"
#include "store/ReadingSettings.h"
#include "store/RunningAverage.h"

#include <QColor>

#include <cstdint>
#include <optional>
#include <vector>

// What a specialist adds to the graph to read it: reference levels with the step line's warning colour
// above the highest, and a running average. None of it is drawn while it is empty.
struct ReadingMarks {
    std::vector<int64_t> levels; // Bq/m³, ascending
    QColor warningColor{0xff, 0x80, 0x00};
    std::vector<RunningAveragePoint> average;
    QColor averageColor{0xc0, 0x00, 0xc0};
    QColor levelColor = Qt::black;
};

// What a reading draws on a series: its levels in its warning colour, and the running average over its
// window while that is switched on (none on a series without measurements).
ReadingMarks MarksOfReading(const ReadingSettings& reading, const SelectedSeries& series,
                            uint16_t sensitivity);

// A level's dashes: DashOn pixels drawn and DashOff left alone, counted from the vertical axis.
constexpr int DashOn = 6;
constexpr int DashOff = 4;
// The level's value ends this far inside the frame's right side and stands on its line.
constexpr int LevelLabelInset = 3;

// The row a level is drawn at, as the scale's own levels are rounded; none above the scale's top or
// below 0, where it would leave the frame.
std::optional<int> LevelRow(int64_t level, int64_t scaleTop, const PlotLayout& layout);

// Each level on the scale: a dashed line across the frame in the level colour, its value at the right end.
// The canvas's font, font colour and brush are used as they are.
void DrawReferenceLevels(Canvas& canvas, const ReadingMarks& marks, int64_t scaleTop,
                         const PlotLayout& layout);

// The running average's points at the ends of measurements first − 1 … last joined by straight lines.
void DrawAverageLine(Canvas& canvas, const ReadingMarks& marks, int first, int last,
                     const PlotLayout& layout);

// The y of an average point: its unrounded activity scaled and rounded once.
int AverageY(const RunningAveragePoint& point, const ActivityMap& activity);
