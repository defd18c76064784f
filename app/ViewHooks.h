#pragma once

#include <QRect>

class QKeyEvent;
class QMouseEvent;
class QPainter;
struct SelectedSeries;

// The graph's side of the main window: painting of the paint area, its mouse and keys, the view reset of a
// new series and the graph commands. Every default does nothing, so the window works before a graph exists.
class GraphHooks {
public:
    virtual ~GraphHooks() = default;
    virtual void GrPaint(QPainter& painter, const QRect& area) = 0;
    virtual void GetPos(const QMouseEvent&) {}
    virtual void resizing() {}
    virtual void ResetView() {}
    virtual void ChooseAxisSteps() {}
    // Answers true when the key was taken and must not reach the focused control.
    virtual bool FormKeyDown(const QKeyEvent&) { return false; }
    virtual void SBSetkaClick(bool /*down*/) {}
    virtual void SBMasGSClick() {}
    virtual void SBMasGAClick() {}
    virtual void SBToHomeClick() {}
    virtual void SBToLeftClick() {}
    virtual void SBToRightClick() {}
    virtual void SBToEndClick() {}
    // The picture is drawn afresh from the store and the colours as they are now.
    virtual void Repaint() {}
};

// The measurement table and what is computed from it: filled once per series, following the pointer.
class TableHooks {
public:
    virtual ~TableHooks() = default;
    virtual void FillTable(const SelectedSeries&) {}
    virtual void TableSync() {}
    virtual void CloseTable() {}
    virtual void SBTabClick() {}
    virtual void SBMiddleClick() {}
    virtual void SBSaveTableClick() {}
};

class PrintHooks {
public:
    virtual ~PrintHooks() = default;
    virtual void SBPrintTableClick() {}
    virtual void SBPrintGrClick() {}
    virtual void SBPrintSetupClick() {}
};
