#pragma once

#include "graph/ViewLayout.h"
#include "store/MeasurementStore.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// The plot frame of a laid-out view on an area: inside it lie the step line and the measurements the mouse
// can point at.
QRect PlotFrame(const ViewLayout& view, QSize area);

// The measurement in view under a point of the plot frame; absent outside the frame.
std::optional<int> MeasurementUnder(const ViewLayout& view, const SelectedSeries& series, QSize area,
                                    QPoint at);

// Where the readout of size `tip` goes for the mouse at `at`: a little right of the mouse, and above it when
// the mouse is above the step line there, below it otherwise, clear of every step the readout's width
// covers, so that the line near the mouse stays in sight; on the other side where it would leave the area.
QPoint ReadoutTopLeft(const ViewLayout& view, const SelectedSeries& series, QSize area, QPoint at, QSize tip);

// The gap between the mouse or the line and the readout.
constexpr int ReadoutGap = 8;
