// The history of heard songs in an SQLite database through QtSql: WAL, so that another process
// reads while the program writes and a kill loses at most the entry being written; a schema
// version (PRAGMA user_version) with ordered migrations; entries past the retention are dropped
// when the writer opens it, starred ones kept; a trigram full-text index for the search. It also
// holds the listens waiting for ListenBrainz (the queue's side, for the program only).
// One connection of its own per object, used on the thread that made it.
#pragma once

#include "history/HistoryStore.h"
#include "scrobble/ListenQueue.h"

#include <QString>

class SqliteHistory final : public HistoryStore, public ListenQueue
{
public:
    enum class Mode {
        Write, // the program: creates the file, migrates, applies the retention
        Read,  // another process: the file must exist; nothing is changed but the schema
    };

    // The newest schema this build knows.
    static constexpr int schemaVersion = 2;

    // Opens `path` at once; `retentionDays` (Write only; 0 or less keeps everything) drops the
    // unstarred entries older than that. `now` is the time the retention counts back from.
    SqliteHistory(const QString &path, Mode mode, int retentionDays = 0,
                  const QDateTime &now = QDateTime::currentDateTimeUtc());
    ~SqliteHistory() override;
    SqliteHistory(const SqliteHistory &) = delete;
    SqliteHistory &operator=(const SqliteHistory &) = delete;

    // Whether the file could be opened and read; errorString() says why not.
    bool isOpen() const { return m_open; }
    QString errorString() const { return m_error; }
    int fileSchemaVersion() const { return m_fileVersion; }

    qint64 add(const HistoryEntry &entry) override;
    void remove(qint64 id) override;
    void setStarred(qint64 id, bool starred) override;
    QList<HistoryEntry> entries(const QDateTime &since, const QString &search, int limit = -1) override;

    qint64 append(const Listen &listen) override;
    QList<Listen> oldest(int limit) override;
    void dequeue(qint64 id) override;
    int count() override;

private:
    enum class Table { Plays, Listens };
    void remove(qint64 id, Table table);
    bool open(const QString &path, Mode mode);
    bool migrate();
    void applyRetention(int days, const QDateTime &now);
    bool exec(const QString &statement);
    void fail(const QString &what, const QString &error);

    QString m_connection;
    bool m_open = false;
    // False when the file was written by a newer build: it is read, never changed.
    bool m_writable = false;
    int m_fileVersion = 0;
    QString m_error;
};
