// The entry point of libzeffira_history (see HistoryLibrary.h).
#include "sqlite/HistoryLibrary.h"
#include "sqlite/SqliteHistory.h"

#include <memory>

extern "C" Q_DECL_EXPORT HistoryStore *zeffira_open_history(const QString &path, bool write,
                                                            int retentionDays, QString *error)
{
    auto history = std::make_unique<SqliteHistory>(
        path, write ? SqliteHistory::Mode::Write : SqliteHistory::Mode::Read, retentionDays);
    if (!history->isOpen()) {
        *error = history->errorString();
        return nullptr;
    }
    return history.release();
}

extern "C" Q_DECL_EXPORT ListenQueue *zeffira_listen_queue(HistoryStore *store)
{
    // Every store of this library is a SqliteHistory (zeffira_open_history made it).
    return static_cast<SqliteHistory *>(store);
}
