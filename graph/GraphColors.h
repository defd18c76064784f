#pragma once

#include <QColor>

// The six colours the screen graph is drawn in, with the defaults every start begins with.
struct GraphColors {
    QColor Background{255, 255, 255}; // fill of the area and of the plot frame
    QColor Axes{128, 128, 128};       // outline of the plot frame
    QColor Graph{0, 0, 255};          // the stepped line
    QColor Captions{0, 0, 255};       // the two axis titles
    QColor Pointer{0, 255, 0};        // the pointer line
    QColor Grid{0, 128, 128};         // scale labels, ticks, time labels and grid lines
};

// Fixed colours outside the scheme: the empty area while no series is chosen, and the markers.
inline const QColor EmptyAreaColor{192, 192, 192};
inline const QColor MarkerColor{255, 0, 0};
