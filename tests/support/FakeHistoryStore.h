// Keeps the history in memory (stored_, in the order added); ids count from 1.
#pragma once

#include "history/HistoryStore.h"

class FakeHistoryStore final : public HistoryStore
{
public:
    qint64 add(const HistoryEntry &entry) override
    {
        HistoryEntry stored = entry;
        stored.id = ++m_lastId;
        stored_.append(stored);
        return stored.id;
    }
    void remove(qint64 id) override
    {
        stored_.removeIf([id](const HistoryEntry &entry) { return entry.id == id; });
    }
    void setStarred(qint64 id, bool starred) override
    {
        for (HistoryEntry &entry : stored_) {
            if (entry.id == id)
                entry.starred = starred;
        }
    }
    // Newest first, as the store gives them; the time and the search are not applied.
    QList<HistoryEntry> entries(const QDateTime &, const QString &, int) override
    {
        ++reads;
        QList<HistoryEntry> newestFirst(stored_.crbegin(), stored_.crend());
        return newestFirst;
    }

    QList<HistoryEntry> stored_;
    int reads = 0; // calls of entries()

private:
    qint64 m_lastId = 0;
};
