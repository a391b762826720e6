// The history's SQLite adapter (QtSql) lives in a library of its own, libzeffira_history, loaded
// with the first song to record or the first reading, so that an idle tray maps no QtSql. This is
// the loader and the library's entry point.
#pragma once

#include <QString>

class HistoryStore;
class ListenQueue;

namespace HistoryLibrary {
// $XDG_DATA_HOME/Zeffira/history.sqlite
QString defaultFilePath();
// The history at `path`, owned by the caller: for the program (`write`: created, migrated, its
// entries past `retentionDays` dropped) or for a reader (the file must exist). Null with
// `*error` set when the library or the file cannot be opened.
HistoryStore *open(const QString &path, bool write, int retentionDays, QString *error);
// The queue of listens in the same file as `store` (one that open() gave, for the program).
ListenQueue *listenQueue(HistoryStore *store);
} // namespace HistoryLibrary

extern "C" {
using OpenHistory = HistoryStore *(*)(const QString &path, bool write, int retentionDays, QString *error);
using HistoryListenQueue = ListenQueue *(*)(HistoryStore *store);
}
inline constexpr const char *kOpenHistorySymbol = "zeffira_open_history";
inline constexpr const char *kListenQueueSymbol = "zeffira_listen_queue";
