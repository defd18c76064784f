#pragma once

#include "GraphColors.h"
#include "GraphPaint.h"
#include "MeasurementStore.h"
#include "ViewWindow.h"

#include <QImage>
#include <QObject>
#include <QRegion>

#include <functional>

class QPainter;

// The graph of the main window without the widget: the view state, the picture of the paint area (the
// surface every command draws on at once) and the commands, clicks and keys that act on them. A widget
// shows the picture through paint() and updates what areaChanged names.
class GraphView : public QObject {
    Q_OBJECT

public:
    explicit GraphView(const MeasurementStore& store, QObject* parent = nullptr);

    // Colours are read afresh for every picture and every pointer move (the colour dialog's swatches).
    void setColorSource(std::function<GraphColors()> source) { colors_ = std::move(source); }
    // The layout, set once from the paint area's font when the window is made.
    void setMargins(const GraphMargins& margins) { view_.margins = margins; }
    // What the area shows before any series has been drawn: the window's own background.
    void setBlankColor(const QColor& color) { blank_ = color; }

    ViewWindow& view() { return view_; }
    const ViewWindow& view() const { return view_; }
    const QImage& screen() const { return screen_; }
    const PointerTrace& pointerTrace() const { return trace_; }

    // The paint event of an area of the given size: shows region of the picture. A paint of the whole area
    // that no command asked for (a repaint after the colours or the file changed) draws the picture afresh
    // first; an area whose size has changed unnoticed is resized first.
    void paint(QPainter& painter, const QRegion& region, QSize areaSize);

    // The paint area has a new size.
    void resizing(QSize size);
    // A mouse button went down at (x, y) on the paint area.
    void GetPos(int x, int y);
    // The main window's key-down, seen before its controls; answers whether the key was a pointer key. The
    // key is meant to go on to the focused control either way.
    bool FormKeyDown(int qtKey, bool keypad);

    // A new series was evaluated: the whole series with the pointer on 1 and new axis steps. The caller
    // runs TableSync afterwards.
    void ResetView();
    void ChooseAxisSteps();
    void SBMasGAClick();
    void SBMasGSClick();
    void SBSetkaClick(bool down);
    void SBToHomeClick();
    void SBToLeftClick();
    void SBToRightClick();
    void SBToEndClick();
    // After PointerIndex was changed from outside (a row chosen in the table).
    void DrawPointer();
    // Repaint at once.
    void GrPaint();

signals:
    void areaChanged(const QRect& rect);     // what the widget must update
    void statusMessage(const QString& text); // status panel 1
    void pointerMoved();                     // TableSync

private:
    GraphScene Scene(const GraphColors& colors) const;
    bool Resize(QSize size); // answers whether the size changed
    void Render();
    bool SeriesShown() const;
    void Navigate(std::optional<QString> (*command)(ViewWindow&));
    void DrawZoomDot(int x, int y);

    const MeasurementStore& store_;
    std::function<GraphColors()> colors_;
    ViewWindow view_;
    QImage screen_;
    PointerTrace trace_;
    QColor blank_;
    bool fresh_ = false; // the picture was drawn by a command and not yet shown
};
