#pragma once

#include "graph/ColorScheme.h"
#include "graph/GraphPaint.h"
#include "graph/ViewWindow.h"
#include "store/MeasurementStore.h"

#include <QImage>
#include <QObject>
#include <QRegion>

#include <optional>

class QPainter;

// The graph of the main window without the widget: the view state, the picture of the paint area (the
// surface every command draws on at once) and the commands, clicks and keys that act on them. A widget
// shows the picture through paint() and updates what areaChanged names.
class GraphView : public QObject {
    Q_OBJECT

public:
    explicit GraphView(const MeasurementStore& store, QObject* parent = nullptr);

    // The colours of every later picture and pointer move; nothing is drawn now.
    void setColors(const ColorScheme& colors) { colors_ = colors; }
    const ColorScheme& colors() const { return colors_; }
    // The layout, set once from the paint area's font when the window is made.
    void setMargins(const GraphMargins& margins) { view_.margins = margins; }
    // What the area shows before any series has been drawn: the window's own background.
    void setBlankColor(const QColor& color) { blank_ = color; }

    ViewWindow& view() { return view_; }
    const ViewWindow& view() const { return view_; }
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
    // A mouse button went down at (x, y) on the paint area.
    void clickAt(int x, int y);
    // The main window's key-down, seen before its controls; answers whether the key was a pointer key. The
    // key is meant to go on to the focused control either way.
    bool pressKey(int qtKey, bool keypad);

    // A new series was evaluated: the whole series with the pointer on 1 and new axis steps, drawn once.
    void resetView();
    // Measurements first … last, scaled to their own maximum, with the pointer on first, as a zoom ends.
    void showRange(int first, int last);
    // "Первоначальный вид": the whole series again; the pointer stays.
    void showWholeSeries();
    void beginZoom();
    void setGrid(bool down);
    void movePointerToFirst();
    void stepPointerLeft();
    void stepPointerRight();
    void movePointerToLast();
    // The pointer stands on measurement k, moved outside the graph (a row of the table): the line goes there
    // unless it is drawn there already. Nothing is announced: the move came from whoever owns the pointer.
    void followPointer(int k);
    // The pointer's measurement becomes k while the line stays where it is until the next pointer move or
    // repaint: what a refused table row does.
    void setPointerIndexOnly(int k);
    // Moves the pointer line to the view's pointer without repainting the graph.
    void drawPointer();
    // Draws the picture afresh at once and has the widget show it.
    void redraw();
    // While a zoom waits for its second click: the span a click at x would show, in the area's pixels.
    std::optional<QRect> zoomSpanAt(int x) const;

signals:
    void areaChanged(const QRect& rect);     // what the widget must update
    void statusMessage(const QString& text); // status panel 1
    // The graph's own commands, clicks or keys moved the pointer to k and drew its line there.
    void pointerMoved(int k);
    // The measurements in view changed.
    void viewChanged();

private:
    GraphScene scene(const ColorScheme& colors) const;
    bool resizePicture(QSize size, qreal ratio); // answers whether the size or the ratio changed
    void render();
    bool inputsChanged() const;
    bool seriesShown() const;
    void navigate(std::optional<QString> (*command)(ViewWindow&));
    void showChangedRange();
    void drawZoomDot(int x, int y);

    const MeasurementStore& store_;
    ColorScheme colors_;
    ViewWindow view_;
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
};
