#include "graph/Pointer.h"

namespace {

constexpr int ProbeRow = 2; // a column whose row 2 could not be read was off the surface

bool CanRestore(const PointerTrace& trace) {
    return trace.drawn && static_cast<int>(trace.savedColumn.size()) > ProbeRow &&
           trace.savedColumn[ProbeRow] != Canvas::Unreadable;
}

QRect ColumnRect(int x, int height) {
    return QRect(x, 0, 1, height);
}

} // namespace

PointerMove MovePointerLine(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    PointerMove move;
    if (!CanRestore(trace)) {
        PaintGraph(canvas, scene, trace);
        move.wholeArea = true;
        return move;
    }
    canvas.pasteColumn(trace.savedPixels);
    move.oldColumn = ColumnRect(trace.pointerX, canvas.height());
    PlacePointer(canvas, scene, trace);
    move.newColumn = ColumnRect(trace.pointerX, canvas.height());
    return move;
}
