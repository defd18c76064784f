#pragma once

#include <QIcon>

// The application icon at every size the build renders from its drawing: the same pictures the desktop
// shows in its menu, so the window and the menu entry look alike.
QIcon AppIcon();
