#pragma once

#include "app/commands/CommandParts.h"

class GraphSurface;

// "Сохранить рисунок…": the graph as the window shows it (the view, the pointer, the grid and the colours)
// saved as a PNG or SVG file, at the graph's size on screen or at a size the user types.
class GraphPictureCommand {
public:
    // The picture is the graph's own, laid out on the graph area, whose size is the picture's default.
    GraphPictureCommand(const CommandParts& parts, const GraphSurface& graph)
        : parts_(parts), graph_(graph) {}

    void save();

private:
    CommandParts parts_;
    const GraphSurface& graph_;
};

// The save dialog's filters, the first also the default type, and the ending of the proposed name.
extern const char* const PngPictureFilter;  // "Рисунок PNG (*.png)"
extern const char* const SvgPictureFilter;  // "Рисунок SVG (*.svg)"
extern const char* const PictureFileEnding; // "-график.png"
