#include "app/GraphCommands.h"

#include "app/GraphWidget.h"
#include "app/MainWindow.h"
#include "app/StatusPanels.h"
#include "app/colors/ColorDialog.h"

#include <QKeyEvent>
#include <QMouseEvent>

GraphColors GraphColorsOf(const ColorDialog& dialog) {
    const ColorScheme scheme = dialog.scheme();
    GraphColors colors;
    colors.background = scheme.background;
    colors.axes = scheme.axes;
    colors.graph = scheme.graph;
    colors.captions = scheme.captions;
    colors.pointer = scheme.pointer;
    colors.grid = scheme.grid;
    return colors;
}

GraphCommands::GraphCommands(MainWindow& form, const ColorDialog& colors)
    : form_(form), graph_(form.store()) {
    graph_.setColorSource([&colors] { return GraphColorsOf(colors); });
    // The bottom margin leaves room for the time labels in the paint area's font.
    const int fontHeight = form.graphWidget->font().pixelSize();
    graph_.setMargins(MarginsForFontHeight(fontHeight > 0 ? fontHeight : DefaultCanvasFontHeight));
    graph_.setBlankColor(form.graphWidget->palette().color(QPalette::Window));
    QObject::connect(&graph_, &GraphView::areaChanged, form.graphWidget,
                     [box = form.graphWidget](const QRect& rect) { box->update(rect); });
    QObject::connect(&graph_, &GraphView::statusMessage, form.graphWidget,
                     [&form](const QString& text) { form.setStatusText(1, text); });
    QObject::connect(&graph_, &GraphView::pointerMoved, form.graphWidget, [this] {
        if (TableSync)
            TableSync();
    });
}

void GraphCommands::GrPaint(QPainter& painter, const QRect& area) {
    graph_.paint(painter, painter.clipRegion(), area.size());
}

void GraphCommands::GetPos(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    graph_.clickAt(at.x(), at.y());
}

void GraphCommands::resizing() {
    graph_.resize(form_.graphWidget->size(), form_.graphWidget->devicePixelRatio());
}

void GraphCommands::ResetView() {
    graph_.resetView();
}

void GraphCommands::ChooseAxisSteps() {
    graph_.chooseAxisSteps();
}

bool GraphCommands::FormKeyDown(const QKeyEvent& event) {
    graph_.pressKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
    return false; // the key goes on to the focused control
}

void GraphCommands::SBSetkaClick(bool down) {
    graph_.setGrid(down);
}
void GraphCommands::SBMasGSClick() {
    graph_.beginZoom();
}
void GraphCommands::SBMasGAClick() {
    graph_.showWholeSeries();
}
void GraphCommands::SBToHomeClick() {
    graph_.movePointerToFirst();
}
void GraphCommands::SBToLeftClick() {
    graph_.stepPointerLeft();
}
void GraphCommands::SBToRightClick() {
    graph_.stepPointerRight();
}
void GraphCommands::SBToEndClick() {
    graph_.movePointerToLast();
}
void GraphCommands::Repaint() {
    graph_.redraw();
}
