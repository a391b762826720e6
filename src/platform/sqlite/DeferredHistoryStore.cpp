#include "sqlite/DeferredHistoryStore.h"

#include "base/SettingsStore.h"
#include "sqlite/HistoryLibrary.h"

#include <cmath>

DeferredHistoryStore::DeferredHistoryStore(const QString &path, SettingsStore *settings)
    : m_path(path), m_settings(settings)
{
}

DeferredHistoryStore::~DeferredHistoryStore() = default;

HistoryStore *DeferredHistoryStore::store()
{
    if (!m_tried) {
        m_tried = true;
        const double days = m_settings->doubleValue(SettingsKey::HistoryRetentionDays);
        QString error;
        // A hand-edited value out of range keeps everything rather than dropping it.
        const int retention = std::isfinite(days) && days >= 0 && days <= 100000 ? int(days) : 0;
        m_store.reset(HistoryLibrary::open(m_path, true, retention, &error));
        if (!m_store)
            qCWarning(lcHistory, "The history is not kept: %s", qUtf8Printable(error));
    }
    return m_store.get();
}

qint64 DeferredHistoryStore::add(const HistoryEntry &entry)
{
    HistoryStore *history = store();
    return history ? history->add(entry) : 0;
}

void DeferredHistoryStore::remove(qint64 id)
{
    if (HistoryStore *history = store())
        history->remove(id);
}

void DeferredHistoryStore::setStarred(qint64 id, bool starred)
{
    if (HistoryStore *history = store())
        history->setStarred(id, starred);
}

QList<HistoryEntry> DeferredHistoryStore::entries(const QDateTime &since, const QString &search, int limit)
{
    HistoryStore *history = store();
    return history ? history->entries(since, search, limit) : QList<HistoryEntry>();
}

ListenQueue *DeferredHistoryStore::listenQueue()
{
    return HistoryLibrary::listenQueue(store());
}
