#pragma once

#include "graph/Canvas.h"
#include "graph/ColorScheme.h"
#include "graph/GraphGeometry.h"
#include "graph/GraphPaint.h"
#include "graph/ReadingMarks.h"
#include "graph/ScaleMap.h"
#include "graph/ViewLayout.h"
#include "store/ActivityUnit.h"
#include "store/MeasurementStore.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

class QPainter;

// One drawing of the graph for every target: the screen's picture, a PNG or SVG file, the printed page and
// the report's graph. The layout is worked out from the target's size alone; what is drawn comes from
// a few plain values of the view.

// What is in view, as the view's owner holds it.
struct GraphInView {
    int first = 1;
    int count = 0;
    int pointer = 1;
    int64_t scaleTop = 0; // the activity at the top of the vertical scale
    bool grid = false;
    // The scale's top stands one top margin below the frame. A window that has been resized stretches it to
    // the frame's top line instead, until the next change of the range.
    bool topGap = true;
};

// The values of a view on the screen, with whether its scale keeps the top gap.
GraphInView InViewOf(const ViewLayout& view);

// The measurements lo … hi as a zoom to them shows them: the pointer on lo, the scale up to their largest
// activity.
GraphInView RangeInView(const SelectedSeries& series, int lo, int hi);

// A screen look (the colour scheme, pixel margins measured from the paint area's font, the pointer line)
// or a page look (black on white, margins as fractions of the page, a title line, no pointer).
enum class GraphLook { Screen, Page };

// The texts a page of the graph carries besides its labels.
struct GraphPageTitles {
    QString title;     // the title line; none when empty
    QString timeTitle; // under the time axis
};

struct RenderOptions {
    RenderOptions(const SelectedSeries& shown, const GraphInView& inView) : series(shown), view(inView) {}

    const SelectedSeries& series;
    GraphInView view;
    GraphLook look = GraphLook::Screen;
    ColorScheme colors;          // the screen's
    bool noSeriesChosen = false; // the screen's area is plain silver while a file waits for a series
    GraphMargins margins = MarginsForFontHeight(DefaultCanvasFontHeight); // the screen's
    int dpiX = 96; // a page's rotated caption is a sixth of an inch high at this resolution
    std::optional<GraphPageTitles> titles; // a page's; by default its title line and the unit's time title
    // The page is laid out on the target enlarged by 1 / shrink and drawn shrunk into it, so that labels laid
    // out for a whole page read beside a report's text.
    qreal shrink = 1;
    ReadingMarks marks; // reference levels and the running average; nothing while empty
    // The unit of the vertical scale's labels and title; every figure is held in Bq/m³ whatever it is.
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre;
};

// Where everything stands on a surface of the given size. The frame runs from (leftMargin, topMargin) to
// (width − rightMargin, height − bottomMargin); view is the view laid out there, with its scales and
// axis steps.
struct GraphLayout {
    int width = 0, height = 0;
    int rightMargin = 0, topMargin = 0;
    int leftMargin = 0, bottomMargin = 0;
    int tickLength = 0;
    float timeScale = 0, activityScale = 0;               // pixels per second, pixels per Bq/m³
    int labelGap = 0;                                     // between a scale label and the vertical axis
    PixelRounding levelRounding = PixelRounding::Nearest; // a page truncates the scale's levels
    ViewLayout view;

    int axisY() const { return height - bottomMargin; }
};

// The title line of a page: the series title alone for the whole series, with the measurement range for a
// zoom.
QString GraphPrintTitle(const ViewLayout& view, const SelectedSeries& series);

// The size a target is laid out at: enlarged by 1 / shrink, to whole pixels.
QSize LayoutSize(QSize target, qreal shrink);

// Needs at least one measurement in view.
GraphLayout LayoutGraph(QSize size, const RenderOptions& options);

// Draws the graph into the target rectangle of the painter's device, nothing outside it. The pointer's
// trace, when asked for, records the column under the pointer line (an image target at the origin only).
void RenderGraph(QPainter& painter, const QRect& target, const RenderOptions& options,
                 PointerTrace* trace = nullptr);

// The same on a canvas, the whole of which is the target.
void RenderGraph(Canvas& canvas, const RenderOptions& options, PointerTrace* trace = nullptr);
