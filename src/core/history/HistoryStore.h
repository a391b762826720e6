// Where the heard songs are kept. The logic owns this interface; the SQLite adapter implements
// it. Called on the main thread only.
#pragma once

#include "history/HistoryEntry.h"

#include <QList>
#include <QLoggingCategory>

namespace SettingsKey {
// Days a heard song stays in the history unless starred; 0 keeps every song. (SettingsStore gives
// its default; kept here with the history it belongs to.)
inline const QString HistoryRetentionDays = QStringLiteral("historyRetentionDays");
} // namespace SettingsKey

Q_DECLARE_LOGGING_CATEGORY(lcHistory)

class HistoryStore
{
public:
    virtual ~HistoryStore() = default;

    // Stores `entry` (its id is ignored) and returns the new id, 0 when it could not be stored
    // (the store logs why).
    virtual qint64 add(const HistoryEntry &entry) = 0;
    virtual void remove(qint64 id) = 0;
    virtual void setStarred(qint64 id, bool starred) = 0;
    // Newest first: the entries from `since` on (all when invalid) whose artist, title or station
    // contains `search` (case-insensitively; all when empty), at most `limit` (all when negative).
    virtual QList<HistoryEntry> entries(const QDateTime &since, const QString &search, int limit = -1) = 0;
};
