// Finds and loads the views library (Qt Quick and the QML module), which is installed beside
// the core library, and creates the application's windows from it.
#pragma once

#include "desktop/AppWindows.h"

namespace ViewsLibrary {
// The new windows, owned by the caller; null when the library cannot be loaded (logged as a
// critical error with the loader's reason).
AppWindows *createWindows(const AppWindows::Objects &objects);
} // namespace ViewsLibrary
