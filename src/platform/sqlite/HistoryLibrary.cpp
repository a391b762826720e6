#include "sqlite/HistoryLibrary.h"

#include "base/AppInfo.h"

#include <QLibrary>
#include <QStandardPaths>

namespace HistoryLibrary {

QString defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Zeffira/history.sqlite");
}

namespace {
QLibrary &library()
{
    // Never unloaded: QtSql's driver plugin stays loaded as long as the process.
    static QLibrary library(AppInfo::libraryDir() + QStringLiteral("/libzeffira_history.so"));
    return library;
}
} // namespace

HistoryStore *open(const QString &path, bool write, int retentionDays, QString *error)
{
    const auto openHistory = reinterpret_cast<OpenHistory>(library().resolve(kOpenHistorySymbol));
    if (!openHistory) {
        *error = QStringLiteral("cannot load %1: %2").arg(library().fileName(), library().errorString());
        return nullptr;
    }
    return openHistory(path, write, retentionDays, error);
}

ListenQueue *listenQueue(HistoryStore *store)
{
    const auto queue = reinterpret_cast<HistoryListenQueue>(library().resolve(kListenQueueSymbol));
    return store && queue ? queue(store) : nullptr;
}

} // namespace HistoryLibrary
