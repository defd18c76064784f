#pragma once

#include <QColor>

#include <array>

constexpr int SchemeSize = 6;

// The six colours the screen graph is drawn in, in the order of the colour dialog's items; a scheme starts
// with the defaults every run begins with.
struct ColorScheme {
    QColor background{255, 255, 255}; // fill of the area and of the plot frame
    QColor axes{128, 128, 128};       // outline of the plot frame
    QColor graph{0, 0, 255};          // the stepped line
    QColor captions{0, 0, 255};       // the two axis titles
    QColor pointer{0, 255, 0};        // the pointer line
    QColor grid{0, 128, 128};         // scale labels, ticks, time labels and grid lines

    // The members in the order of the dialog's items, so that code that takes or gives every colour walks
    // this list instead of naming the six.
    static const std::array<QColor ColorScheme::*, SchemeSize> Roles;

    bool operator==(const ColorScheme& other) const {
        for (QColor ColorScheme::*role : Roles)
            if (this->*role != other.*role)
                return false;
        return true;
    }
    bool operator!=(const ColorScheme& other) const { return !(*this == other); }
};

inline const std::array<QColor ColorScheme::*, SchemeSize> ColorScheme::Roles = {
    &ColorScheme::background, &ColorScheme::axes,    &ColorScheme::graph,
    &ColorScheme::captions,   &ColorScheme::pointer, &ColorScheme::grid};

// Fixed colours outside the scheme: the empty area while no series is chosen, and the markers.
inline const QColor EmptyAreaColor{192, 192, 192};
inline const QColor MarkerColor{255, 0, 0};
