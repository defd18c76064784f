#pragma once

#include <QColor>

#include <array>
#include <cstdint>

// The six colours of the graph on screen, in the order of the colour dialog's items.
struct ColorScheme {
    QColor background; // the graph area and the inside of the plot frame
    QColor axes;       // the outline of the plot frame
    QColor graph;      // the stepped line of the measurements
    QColor captions;   // the two axis titles
    QColor pointer;    // the pointer line
    QColor grid;       // scale labels, ticks, time labels and grid lines
};

constexpr int SchemeSize = 6;

// A colour written as the Windows colour integer 0x00BBGGRR: blue in the high byte, red in the low one.
inline QColor FromBgr(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The colours every run starts with: white, grey, blue, blue, bright green, teal.
constexpr std::array<uint32_t, SchemeSize> DefaultSchemeBgr = {0xFFFFFF, 0x808080, 0xFF0000,
                                                               0xFF0000, 0x00FF00, 0x808000};
