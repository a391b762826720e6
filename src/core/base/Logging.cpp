#include "base/Logging.h"

Q_LOGGING_CATEGORY(lcStations, ZEFFIRA_APP_ID ".stations", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlayer, ZEFFIRA_APP_ID ".player", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMediaKeys, ZEFFIRA_APP_ID ".media-keys", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSystem, ZEFFIRA_APP_ID ".system", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, ZEFFIRA_APP_ID ".app", QtInfoMsg)
