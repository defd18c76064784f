#pragma once

#include "app/ViewHooks.h"
#include "graph/GraphView.h"

#include <functional>

class MainWindow;
class ColorDialog;

// The graph inside the main window: the paint area shows the graph's picture, hands it its clicks and the
// window's keys, and the toolbar and menu reach its commands.
class GraphCommands : public GraphHooks {
public:
    GraphCommands(MainWindow& form, const ColorDialog& colors);

    GraphView& graph() { return graph_; }

    // Run after every pointer move the graph makes itself (clicks, keys, navigation, zoom).
    std::function<void()> TableSync;

    void GrPaint(QPainter& painter, const QRect& area) override;
    void GetPos(const QMouseEvent& event) override;
    void resizing() override;
    void ResetView() override;
    void ChooseAxisSteps() override;
    bool FormKeyDown(const QKeyEvent& event) override;
    void SBSetkaClick(bool down) override;
    void SBMasGSClick() override;
    void SBMasGAClick() override;
    void SBToHomeClick() override;
    void SBToLeftClick() override;
    void SBToRightClick() override;
    void SBToEndClick() override;
    void Repaint() override;

private:
    MainWindow& form_;
    GraphView graph_;
};

// The colour dialog's swatches as the graph's colours.
GraphColors GraphColorsOf(const ColorDialog& dialog);
