#pragma once

#include "graph/ColorScheme.h"
#include "graph/GraphPaint.h"
#include "graph/Navigation.h"
#include "graph/ReadingMarks.h"
#include "graph/ViewLayout.h"
#include "store/ActivityUnit.h"
#include "store/MeasurementStore.h"
#include "store/SpanStatistics.h"

#include <QImage>
#include <QObject>
#include <QRegion>

#include <optional>

class QPainter;

// The graph of the main window without the widget: the view laid out on the paint area and the picture of
// that area (the surface every change draws on at once). It follows the view state the document announces
// and hands clicks and keys on to it as requests. A widget shows the picture through paint() and updates
// what areaChanged names.
class GraphSurface : public QObject {
    Q_OBJECT

public:
    explicit GraphSurface(const MeasurementStore& store, QObject* parent = nullptr);

    // The colours of every later picture and pointer move; nothing is drawn now.
    void setColors(const ColorScheme& colors) { colors_ = colors; }
    const ColorScheme& colors() const { return colors_; }
    // The layout, set once from the paint area's font when the window is made.
    void setMargins(const GraphMargins& margins) { view_.margins = margins; }
    // What the area shows before any series has been drawn: the window's own background.
    void setBlankColor(const QColor& color) { blank_ = color; }
    // How the user reads the series: the levels and the running average drawn over it, and the unit of the
    // vertical scale and of the readout. Taken for the next picture; nothing is drawn now.
    void setReading(ReadingMarks marks, ActivityUnit unit);
    const ReadingMarks& marks() const { return marks_; }
    ActivityUnit unit() const { return unit_; }

    // The view as laid out on the area: the document's view state and the scales drawn with it.
    const ViewLayout& view() const { return view_; }
    const QImage& screen() const { return screen_; }
    const PointerTrace& pointerTrace() const { return trace_; }

    // The paint event of an area of the given size: copies the region from the picture, at the device
    // pixel ratio of the painter's device. The picture is drawn afresh first only when what it shows has
    // changed since it was drawn: an area of a new size or ratio, or, on a paint of the whole area, other
    // colours or a file opened without a series. Partial paints (a pointer move, an uncovered corner) only
    // copy, so what a command drew into the picture, the zoom's red dot among it, is what they show.
    void paint(QPainter& painter, const QRegion& region, QSize areaSize);

    // The paint area has a new size (in logical pixels) on a device of the given pixel ratio.
    void resize(QSize size, qreal ratio = 1);

    // How often the picture has been drawn from the model, for checking when that happens.
    int renderCount() const { return renders_; }
    // A mouse button went down at (x, y) on the paint area: a pending zoom's edge gets its red dot, and
    // clicked names the measurement under x.
    void clickAt(int x, int y);
    // The main window's key-down, seen before its controls; answers whether the key was a pointer key, whose
    // command is asked for. The key is meant to go on to the focused control either way.
    bool pressKey(int qtKey, bool keypad);

    // What the graph follows, all announced by the document. A view of the series (its measurements in
    // view, its scale's maximum, the pointer): laid out on the area with the view's maximum a top margin
    // below the frame, and drawn once.
    void showView(const ViewState& state);
    // The pointer stands on measurement k: the line goes there unless it is drawn there already.
    void followPointer(int k);
    // The zoom being chosen and its first edge; nothing is drawn now.
    void followZoom(const ViewState& state);
    // The grid switch: the picture is drawn afresh.
    void followGrid(bool on);

    // Moves the pointer line to the view's pointer without repainting the graph.
    void drawPointer();
    // Draws the picture afresh at once and has the widget show it.
    void redraw();
    // While a zoom waits for its second click: the span a click at x would show, in the area's pixels.
    std::optional<QRect> zoomSpanAt(int x) const;

    // What the graph says of the measurement under `at` in the plot frame; absent outside the frame or while
    // no series is shown. The pointer stays where it is.
    std::optional<QString> readoutAt(QPoint at) const;
    // Where that readout, of the given size, goes on the area (see ReadoutTopLeft).
    QPoint readoutPlace(QPoint at, QSize tip) const;
    // The wheel turned by `notches` (positive away from the user) with the mouse at `at`: zooms the time axis
    // in (out for negative notches) around the mouse, or with pan moves the view a tenth of its measurements
    // a notch towards the start (towards the end for negative notches).
    void wheelAt(QPoint at, int notches, bool pan);
    // Dragging the graph sideways (the middle button): from x on, the view follows the mouse by whole
    // measurements, reckoned on the view as it was when the drag began.
    void beginDrag(int x);
    void dragTo(int x);
    void endDrag() { drag_.reset(); }
    // Marking a span (the left or right button dragged): from the measurement under the press's x to the
    // one under x, by a click's rule, asked of the document as the mouse moves.
    void beginSpan(int x);
    void spanTo(int x);

    // The span the document holds, shaded over the picture by the widget; only the columns where the band
    // changed are updated.
    void followSpan(const std::optional<MeasurementSpan>& span);
    // The band's pixels on the area as the view is laid out now; absent without a span in the frame.
    std::optional<QRect> spanBand() const;

signals:
    void areaChanged(const QRect& rect); // what the widget must update
    // The picture shows another view.
    void viewChanged();
    // What the graph asks of the document: a click over measurement k (0 while no series is shown), right of
    // the plot frame or not, and a pointer command from a key.
    void clicked(int k, bool rightOfFrame);
    void navigationRequested(NavigationCommand command);
    // The wheel's zoom around a moment (seconds after the series' first mark) and a pan to a first
    // measurement.
    void zoomRequested(double seconds, double factor);
    void panRequested(int first);
    // A span dragged out: measurements a … b, in either order.
    void spanRequested(int a, int b);

private:
    GraphScene scene(const ColorScheme& colors) const;
    bool resizePicture(QSize size, qreal ratio); // answers whether the size or the ratio changed
    void render();
    bool inputsChanged() const;
    bool seriesShown() const;
    void drawZoomDot(int x, int y);

    const MeasurementStore& store_;
    ColorScheme colors_;
    ReadingMarks marks_;
    ActivityUnit unit_ = ActivityUnit::BecquerelPerCubicMetre;
    ViewLayout view_;
    QImage screen_;
    QSize area_; // the paint area in logical pixels; the picture has ratio times as many
    PointerTrace trace_;
    QColor blank_;
    // What the picture was last drawn from, besides the view: the colours and the blank state.
    ColorScheme drawnColors_;
    bool drawnBlank_ = false;
    int renders_ = 0;
    int drawnPointer_ = 0; // the measurement the pointer line was last drawn on
    // The first zoom click's place on the graph, drawn again whenever the picture is drawn anew before the
    // second click.
    GraphPoint zoomDot_;
    // A drag's start: the x it began at and the view it reckons on.
    struct Drag {
        int x = 0;
        ViewLayout view;
    };
    std::optional<Drag> drag_;
    int spanAnchor_ = 0; // the measurement a span drag began on; 0 while none is dragged
    std::optional<MeasurementSpan> span_;
};
