#include "app/window/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// A title bar and a thin border, as most window managers draw them, for a window not yet framed.
constexpr QMargins kUsualFrame(4, 28, 4, 4);

QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

// Applies a frame rectangle to the window: its client goes inside the margins.
void SetFrame(QWidget& window, const QRect& frame, const QMargins& margins) {
    const QRect client = frame.marginsRemoved(margins);
    if (client.size() != window.size())
        window.resize(client.size().expandedTo(window.minimumSize()));
    window.move(frame.topLeft());
}

} // namespace

QRect FittedFrame(const QRect& frame, const QRect& available) {
    if (available.isEmpty())
        return frame;
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() + 1 - fitted.height()));
    return fitted;
}

QRect FrameOver(QSize frameSize, const QRect& over, const QRect& available) {
    QRect frame(QPoint(0, 0), frameSize);
    frame.moveCenter(over.center());
    return FittedFrame(frame, available);
}

QSize ClientSizeWithin(QSize wanted, const QMargins& frame, const QRect& available) {
    if (available.isEmpty())
        return wanted;
    const QSize room = available.size().shrunkBy(frame);
    return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client)
        return kUsualFrame;
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void KeepOnScreen(QWidget& window) {
    const QMargins margins = FrameMargins(window);
    const QRect frame = window.geometry().marginsAdded(margins);
    SetFrame(window, FittedFrame(frame, AvailableArea(window)), margins);
}

void PlaceOver(QWidget& window, const QWidget& over) {
    const QMargins margins = FrameMargins(window);
    const QRect overFrame = over.geometry().marginsAdded(FrameMargins(over));
    const QRect frame = FrameOver(window.size().grownBy(margins), overFrame, AvailableArea(over));
    SetFrame(window, frame, margins);
}
