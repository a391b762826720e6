// The history the program holds from the start: it loads the SQLite library and opens the file
// with the first call (the first song heard), and passes everything on. When that fails, the
// reason is logged once and the songs of this run are not kept.
#pragma once

#include "history/HistoryStore.h"

#include <QString>
#include <memory>

class ListenQueue;
class SettingsStore;

class DeferredHistoryStore final : public HistoryStore
{
public:
    // The retention is read from `settings` ("historyRetentionDays") when the file opens.
    DeferredHistoryStore(const QString &path, SettingsStore *settings);
    ~DeferredHistoryStore() override;

    // Whether the file was opened (or tried).
    bool isLoaded() const { return m_tried; }

    qint64 add(const HistoryEntry &entry) override;
    void remove(qint64 id) override;
    void setStarred(qint64 id, bool starred) override;
    QList<HistoryEntry> entries(const QDateTime &since, const QString &search, int limit = -1) override;

    // The listens waiting for ListenBrainz, in the same file (opened with the first call); null
    // when it cannot be opened.
    ListenQueue *listenQueue();

private:
    HistoryStore *store();

    QString m_path;
    SettingsStore *m_settings;
    std::unique_ptr<HistoryStore> m_store;
    bool m_tried = false;
};
