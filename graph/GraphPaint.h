#pragma once

#include "graph/Canvas.h"
#include "graph/ColorScheme.h"
#include "graph/SceneGeometry.h"
#include "graph/ViewLayout.h"
#include "store/ActivityUnit.h"
#include "store/MeasurementStore.h"

#include <QImage>
#include <QRgb>

#include <vector>

struct ReadingMarks;

// Everything a picture of the graph is drawn from.
struct GraphScene {
    const SelectedSeries& series;
    const ViewLayout& view;
    const ColorScheme& colors;
    bool noSeriesChosen = false;
    const ReadingMarks* marks = nullptr; // levels and the running average, when any are drawn
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre; // of the vertical scale
};

// The pointer line now on the surface and the pixels it covers, rows 1 … H − MarginBottom (row 0 unused),
// so that it can be moved without repainting the graph. The colours are read at logical pixels; the
// column's device pixels, which a surface of a higher pixel ratio has more of, are what is put back.
struct PointerTrace {
    bool drawn = false;
    int pointerX = 0;
    std::vector<QRgb> savedColumn;
    QImage savedPixels;
};

extern const char* const ActivityTitle; // "Активность Бк/м3"
// The title in the unit: ActivityTitle, or "Активность пКи/л".
QString ActivityTitleIn(ActivityUnit unit);

// The screen's graph of the scene on a canvas of its own size (see RenderGraph): background, titles,
// frame, vertical scale, time axis, the stepped line of the visible measurements and the pointer line, in
// that order. Silver while no series is chosen; nothing at all while none has been evaluated.
void PaintGraph(Canvas& canvas, const GraphScene& scene, PointerTrace& trace);

struct RenderOptions;
// What the screen draws of the scene, on an area of any size.
RenderOptions ScreenOptions(const GraphScene& scene);

// Saves the column under the pointer of the view's PointerIndex and draws the pointer line there.
void PlacePointer(Canvas& canvas, const GraphScene& scene, PointerTrace& trace);
