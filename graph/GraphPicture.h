#pragma once

#include "graph/GraphPaint.h"
#include "graph/ViewLayout.h"
#include "store/MeasurementStore.h"

#include <QByteArray>
#include <QSize>
#include <QString>

// The graph saved as a picture file. It is drawn by the screen's own routine, so it shows what the screen
// shows: a PNG holds those pixels, an SVG the same strokes and texts at the same coordinates.

enum class PictureFormat { Png, Svg };

// The longest side of a picture: large enough for any print, small enough that the image fits in memory.
constexpr int LargestPictureSide = 16384;

// The view shown on a graph area of screenSize as an area of pictureSize shows it: the same measurements,
// pointer and grid, the scales following the size as they follow a resized window.
ViewLayout ViewForPictureSize(const ViewLayout& screenView, const SelectedSeries& series, QSize screenSize,
                              QSize pictureSize);

// The file's bytes, empty when the picture cannot be made (an image too large for the memory). The title
// names an SVG drawing; PNG has no place for it. size is in pixels; ratio is the scale the graph is drawn
// at, a scaled screen's, so that the scene's view is laid out for size ÷ ratio. Needs a QGuiApplication
// (fonts).
QByteArray GraphPictureBytes(const GraphScene& scene, QSize size, PictureFormat format,
                             const QString& title = QString(), qreal ratio = 1);
QByteArray GraphPngBytes(const GraphScene& scene, QSize size, qreal ratio = 1);
QByteArray GraphSvgBytes(const GraphScene& scene, QSize size, const QString& title, qreal ratio = 1);
