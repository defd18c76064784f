#pragma once

#include "graph/SceneGeometry.h"

#include <QRect>

#include <optional>
#include <vector>

// The pixels the canvas fills for each stroke of the step line: a stroke never includes its end point, so
// a run reaches from its start up to the pixel before its end; the surface clips it. A stroke that goes
// nowhere fills nothing. The step line's strokes are vertical or horizontal.
struct StepRun {
    QRect pixels;
    bool marked = false;
};

inline std::optional<QRect> RunPixels(QPoint from, QPoint to) {
    if (from == to)
        return std::nullopt;
    if (from.y() == to.y())
        return to.x() > from.x() ? QRect(from, QPoint(to.x() - 1, to.y()))
                                 : QRect(QPoint(to.x() + 1, to.y()), from);
    if (from.x() == to.x())
        return to.y() > from.y() ? QRect(from, QPoint(to.x(), to.y() - 1))
                                 : QRect(QPoint(to.x(), to.y() + 1), from);
    return QRect(); // a diagonal: an empty rectangle no drawing holds
}

inline std::vector<StepRun> StepLineRunsOn(const StepLine& line, QSize surface) {
    std::vector<StepRun> runs;
    QPoint at = line.start;
    for (const StepStroke& stroke : line.strokes) {
        const std::optional<QRect> pixels = RunPixels(at, stroke.to);
        at = stroke.to;
        if (!pixels)
            continue;
        if (pixels->isEmpty()) {
            runs.push_back({*pixels, stroke.marked}); // kept, so that no drawing matches a diagonal
            continue;
        }
        const QRect shown = pixels->intersected(QRect(QPoint(0, 0), surface));
        if (!shown.isEmpty())
            runs.push_back({shown, stroke.marked});
    }
    return runs;
}
