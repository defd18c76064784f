#include "app/GraphCommands.h"

#include "app/Grafnew.h"
#include "app/PaintBox.h"
#include "app/StatusPanels.h"
#include "app/colors/colorDL.h"

#include <QKeyEvent>
#include <QMouseEvent>

GraphColors GraphColorsOf(const TFormColorDialog& dialog) {
    const ColorScheme scheme = dialog.Scheme();
    GraphColors colors;
    colors.background = scheme.background;
    colors.axes = scheme.axes;
    colors.graph = scheme.graph;
    colors.captions = scheme.captions;
    colors.pointer = scheme.pointer;
    colors.grid = scheme.grid;
    return colors;
}

GraphCommands::GraphCommands(TForm1& form, const TFormColorDialog& colors)
    : form_(form), graph_(form.Store()) {
    graph_.setColorSource([&colors] { return GraphColorsOf(colors); });
    // The bottom margin leaves room for the time labels in the paint area's font.
    const int fontHeight = form.PaintBox->font().pixelSize();
    graph_.setMargins(MarginsForFontHeight(fontHeight > 0 ? fontHeight : DefaultCanvasFontHeight));
    graph_.setBlankColor(form.PaintBox->palette().color(QPalette::Window));
    QObject::connect(&graph_, &GraphView::areaChanged, form.PaintBox,
                     [box = form.PaintBox](const QRect& rect) { box->update(rect); });
    QObject::connect(&graph_, &GraphView::statusMessage, form.PaintBox,
                     [&form](const QString& text) { form.SetStatusText(1, text); });
    QObject::connect(&graph_, &GraphView::pointerMoved, form.PaintBox, [this] {
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
    graph_.resize(form_.PaintBox->size(), form_.PaintBox->devicePixelRatio());
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
