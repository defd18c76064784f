#pragma once

#include "graph/ColorScheme.h"
#include "graph/GraphGeometry.h"
#include "graph/ViewLayout.h"
#include "store/MeasurementStore.h"

#include <QImage>
#include <QSize>

// A picture of a series for scripts and reports, painted exactly as the screen paints it.
struct GraphImageRequest {
    QSize size{707, 328};
    int first = 0;   // first measurement of the view; 0 for the whole series
    int count = 0;   // measurements in view (with first)
    int pointer = 0; // the pointer's measurement; 0 for the first in view
    bool grid = false;
    ColorScheme colors;
    GraphMargins margins = MarginsForFontHeight(DefaultCanvasFontHeight);
};

// The view the request describes: a range is shown as a zoom to it would show it, clamped to the series;
// the pointer is kept within the view.
ViewLayout ViewForImage(const SelectedSeries& series, const GraphImageRequest& request);

// Needs a QGuiApplication (fonts). An RGB32 image of the requested size.
QImage RenderGraphImage(const SelectedSeries& series, const GraphImageRequest& request);
