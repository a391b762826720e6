// Shared by the screenshot tools: wait for the scene to settle, and write a window to PNG.
#pragma once

#include <QString>

class QQuickWindow;

namespace Screenshots {
// Runs the event loop for `ms` so that layouts, images and animations finish.
void settle(int ms);
// Grabs `window` into `path`; false (with a message naming `tool`) when it cannot.
bool save(QQuickWindow *window, const QString &path, const char *tool);
} // namespace Screenshots
