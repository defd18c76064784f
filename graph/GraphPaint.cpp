#include "graph/GraphPaint.h"

#include "graph/GraphRender.h"
#include "graph/SceneGeometry.h"

#include <algorithm>

void PlacePointer(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    const int axisY = canvas.height() - scene.view.margins.bottom;
    canvas.pen.color = scene.colors.pointer;
    canvas.pen.style = PenStyle::Solid;
    const int x = PointerXFor(scene.view, scene.series, scene.view.pointerIndex);
    trace.pointerX = x;
    trace.savedColumn = canvas.readColumn(x, 0, std::max(axisY + 1, 0));
    trace.savedPixels = canvas.copyColumn(x, 1, axisY);
    trace.drawn = true;
    canvas.line(x, scene.view.margins.top, x, axisY);
}

RenderOptions ScreenOptions(const GraphScene& scene) {
    RenderOptions options{scene.series, GraphInView{}};
    if (scene.series.measurementCount > 0)
        options.view = InViewOf(scene.view);
    options.colors = scene.colors;
    options.noSeriesChosen = scene.noSeriesChosen;
    options.margins = scene.view.margins;
    if (scene.marks)
        options.marks = *scene.marks;
    options.unit = scene.unit;
    return options;
}

void PaintGraph(Canvas& canvas, const GraphScene& scene, PointerTrace& trace) {
    RenderGraph(canvas, ScreenOptions(scene), &trace);
}
