#pragma once

#include <cstdint>

// The fixed layout of the graph area in pixels. The bottom margin leaves room for two lines of time labels
// and the time title, measured in the paint area's font at creation.
struct GraphMargins {
    int left = 65;
    int right = 6;
    int top = 5;
    int bottom = 51;
    int tickLength = 5;
};

// The height of the window's default font (8 points at 96 dpi) from which the bottom margin is measured.
constexpr int DefaultCanvasFontHeight = 11;

constexpr GraphMargins MarginsForFontHeight(int fontHeight) {
    GraphMargins margins;
    margins.bottom = 4 * (fontHeight < 0 ? -fontHeight : fontHeight) + 7;
    return margins;
}
