#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where windows go on a screen: inside its available area (without panels and docks), whatever its size
// and scaling, a secondary window over the window it belongs to.

// The frame moved, and shrunk where it is larger, so that all of it lies inside available.
QRect FittedFrame(const QRect& frame, const QRect& available);

// A frame of frameSize centred over another window's frame, then fitted into available.
QRect FrameOver(QSize frameSize, const QRect& over, const QRect& available);

// The largest client size not above wanted whose frame (the client plus the window manager's margins)
// fits into available.
QSize ClientSizeWithin(QSize wanted, const QMargins& frame, const QRect& available);

// The window manager's border and title bar around a window: what it says once it has framed the window,
// a usual title bar and border until then.
QMargins FrameMargins(const QWidget& window);

// The window's frame put inside the available area of its screen, the client shrunk where needed.
void KeepOnScreen(QWidget& window);

// The window centred over another one and kept on the screen.
void PlaceOver(QWidget& window, const QWidget& over);
