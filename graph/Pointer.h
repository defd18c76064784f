#pragma once

#include "graph/GraphPaint.h"

#include <QRect>

// What a pointer move changed on the surface: either the one-pixel columns of the old and the new line, or
// (when the saved column cannot be trusted) the whole area, which has then been repainted.
struct PointerMove {
    bool wholeArea = false;
    QRect oldColumn;
    QRect newColumn;
};

// Moves the pointer line to the view's PointerIndex without repainting the graph: the pixels under the old
// line are put back from the saved column, the new column is saved and the line drawn.
PointerMove MovePointerLine(Canvas& canvas, const GraphScene& scene, PointerTrace& trace);
