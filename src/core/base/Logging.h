// The log categories, one per area, named "<app-id>.<area>". Info and above are on by
// default; QT_LOGGING_RULES turns the debug lines on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStations)
Q_DECLARE_LOGGING_CATEGORY(lcPlayer)
Q_DECLARE_LOGGING_CATEGORY(lcMediaKeys)
Q_DECLARE_LOGGING_CATEGORY(lcSystem)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
