#include "sqlite/SqliteHistory.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>
#include <QVariant>
#include <limits>

namespace {

// Each step takes the schema from its index to the next version; a step never changes once
// released, a new one is appended.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps{
        {
            QStringLiteral("CREATE TABLE plays ("
                           " id INTEGER PRIMARY KEY,"
                           " started_at INTEGER NOT NULL," // milliseconds since the epoch, UTC
                           " station_name TEXT NOT NULL,"
                           " station_url TEXT NOT NULL,"
                           " artist TEXT," // NULL when the text named no artist
                           " title TEXT NOT NULL,"
                           " starred INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX plays_by_time ON plays(started_at)"),
            // Substring search as the user types, without reading every row.
            QStringLiteral("CREATE VIRTUAL TABLE plays_search USING fts5(artist, title, station_name,"
                           " content='plays', content_rowid='id', tokenize='trigram')"),
            QStringLiteral("CREATE TRIGGER plays_added AFTER INSERT ON plays BEGIN"
                           " INSERT INTO plays_search(rowid, artist, title, station_name)"
                           " VALUES (new.id, new.artist, new.title, new.station_name); END"),
            QStringLiteral("CREATE TRIGGER plays_removed AFTER DELETE ON plays BEGIN"
                           " INSERT INTO plays_search(plays_search, rowid, artist, title, station_name)"
                           " VALUES ('delete', old.id, old.artist, old.title, old.station_name); END"),
        },
        {
            // Listens waiting for ListenBrainz, sent in the order of their ids.
            QStringLiteral("CREATE TABLE listens ("
                           " id INTEGER PRIMARY KEY,"
                           " listened_at INTEGER NOT NULL," // seconds since the epoch, UTC
                           " artist TEXT NOT NULL,"
                           " track TEXT NOT NULL,"
                           " station_name TEXT NOT NULL,"
                           " origin_url TEXT NOT NULL)"),
        },
    };
    return steps;
}

// The trigram index finds texts of three characters or more; shorter ones are looked for row by row.
constexpr int trigram = 3;

QString likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

SqliteHistory::SqliteHistory(const QString &path, Mode mode, int retentionDays, const QDateTime &now)
{
    static QAtomicInt counter;
    m_connection = QStringLiteral("zeffira-history-%1").arg(counter.fetchAndAddRelaxed(1));
    m_open = open(path, mode);
    if (m_open && m_writable && mode == Mode::Write && retentionDays > 0)
        applyRetention(retentionDays, now);
}

SqliteHistory::~SqliteHistory()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool SqliteHistory::open(const QString &path, Mode mode)
{
    if (mode == Mode::Read && !QFileInfo::exists(path)) {
        m_error = QStringLiteral("%1 does not exist").arg(path);
        return false;
    }
    if (mode == Mode::Write && !QFileInfo::exists(path)) {
        // Created empty with the owner's rights only; SQLite gives its journal files the same.
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            fail(QStringLiteral("create %1").arg(path), file.errorString());
            return false;
        }
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    // A reader waits out the writer's short transactions (and the checkpoint) instead of failing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        fail(QStringLiteral("open %1").arg(path), db.lastError().text());
        return false;
    }
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        fail(QStringLiteral("read %1").arg(path), version.lastError().text());
        return false;
    }
    m_fileVersion = version.value(0).toInt();
    // An unfinished statement holds a read transaction, in which the journal mode cannot change.
    version.finish();
    if (m_fileVersion > schemaVersion) {
        // A newer build's file: read what this one knows, change nothing.
        qCWarning(lcHistory, "The history %s has schema version %d, newer than %d; it is not written to",
                  qUtf8Printable(path), m_fileVersion, schemaVersion);
        return true;
    }
    // WAL: readers and the writer do not block each other, and a killed writer leaves a file that
    // the next opening rolls back to its last commit. NORMAL syncs at checkpoints only, which
    // keeps every commit through a crash of the program (not through a power loss).
    if (mode == Mode::Write && (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
                                !exec(QStringLiteral("PRAGMA synchronous=NORMAL"))))
        return false;
    m_writable = true;
    return migrate();
}

bool SqliteHistory::migrate()
{
    if (m_fileVersion == schemaVersion)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // All steps and the new version in one transaction: a kill half-way leaves the old schema.
    if (!db.transaction()) {
        fail(QStringLiteral("migrate"), db.lastError().text());
        return false;
    }
    for (int step = m_fileVersion; step < schemaVersion; ++step) {
        for (const QString &statement : migrations().at(step)) {
            if (!exec(statement)) {
                db.rollback();
                return false;
            }
        }
    }
    if (!exec(QStringLiteral("PRAGMA user_version=%1").arg(schemaVersion)) || !db.commit()) {
        fail(QStringLiteral("migrate"), db.lastError().text());
        db.rollback();
        return false;
    }
    m_fileVersion = schemaVersion;
    return true;
}

void SqliteHistory::applyRetention(int days, const QDateTime &now)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM plays WHERE starred = 0 AND started_at < ?"));
    query.addBindValue(now.addDays(-days).toMSecsSinceEpoch());
    if (!query.exec())
        fail(QStringLiteral("apply the retention"), query.lastError().text());
}

qint64 SqliteHistory::add(const HistoryEntry &entry)
{
    if (!m_open || !m_writable)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO plays (started_at, station_name, station_url, artist, title,"
                                 " starred) VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(entry.startedAt.toMSecsSinceEpoch());
    query.addBindValue(entry.stationName);
    query.addBindValue(entry.stationUrl);
    query.addBindValue(entry.artist.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : entry.artist);
    query.addBindValue(entry.title);
    query.addBindValue(entry.starred ? 1 : 0);
    if (!query.exec()) {
        fail(QStringLiteral("store a song"), query.lastError().text());
        return 0;
    }
    return query.lastInsertId().toLongLong();
}

void SqliteHistory::remove(qint64 id)
{
    remove(id, Table::Plays);
}

void SqliteHistory::dequeue(qint64 id)
{
    remove(id, Table::Listens);
}

void SqliteHistory::setStarred(qint64 id, bool starred)
{
    if (!m_open || !m_writable)
        return;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("UPDATE plays SET starred = ? WHERE id = ?"));
    query.addBindValue(starred ? 1 : 0);
    query.addBindValue(id);
    if (!query.exec())
        fail(QStringLiteral("star a song"), query.lastError().text());
}

QList<HistoryEntry> SqliteHistory::entries(const QDateTime &since, const QString &search, int limit)
{
    QList<HistoryEntry> result;
    if (!m_open)
        return result;
    QString sql = QStringLiteral("SELECT id, started_at, station_name, station_url, artist, title, starred"
                                 " FROM plays WHERE started_at >= ?");
    const QString text = search.simplified();
    if (text.size() >= trigram) {
        sql += QStringLiteral(" AND id IN (SELECT rowid FROM plays_search WHERE plays_search MATCH ?)");
    } else if (!text.isEmpty()) {
        // A NULL artist leaves its term NULL, which the ORs pass over.
        sql += QStringLiteral(" AND (artist LIKE ? ESCAPE '\\' OR title LIKE ? ESCAPE '\\'"
                              " OR station_name LIKE ? ESCAPE '\\')");
    }
    sql += QStringLiteral(" ORDER BY started_at DESC, id DESC LIMIT ?");
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    query.addBindValue(since.isValid() ? since.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min());
    if (text.size() >= trigram) {
        // One phrase: the text as typed, its quotes doubled.
        QString phrase = text;
        phrase.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        query.addBindValue(QString(QLatin1Char('"') + phrase + QLatin1Char('"')));
    } else if (!text.isEmpty()) {
        for (int column = 0; column < 3; ++column)
            query.addBindValue(likePattern(text));
    }
    query.addBindValue(limit < 0 ? -1 : limit); // SQLite: a negative limit is none
    if (!query.exec()) {
        fail(QStringLiteral("read the history"), query.lastError().text());
        return result;
    }
    while (query.next()) {
        HistoryEntry entry;
        entry.id = query.value(0).toLongLong();
        entry.startedAt = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
        entry.stationName = query.value(2).toString();
        entry.stationUrl = query.value(3).toString();
        entry.artist = query.value(4).toString(); // NULL reads as empty
        entry.title = query.value(5).toString();
        entry.starred = query.value(6).toInt() != 0;
        result.append(entry);
    }
    return result;
}

qint64 SqliteHistory::append(const Listen &listen)
{
    if (!m_open || !m_writable)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO listens (listened_at, artist, track, station_name, origin_url)"
                                 " VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(listen.listenedAt.toSecsSinceEpoch());
    query.addBindValue(listen.artist);
    query.addBindValue(listen.track);
    query.addBindValue(listen.stationName);
    query.addBindValue(listen.originUrl);
    if (!query.exec()) {
        fail(QStringLiteral("queue a listen"), query.lastError().text());
        return 0;
    }
    return query.lastInsertId().toLongLong();
}

QList<Listen> SqliteHistory::oldest(int limit)
{
    QList<Listen> result;
    if (!m_open || !m_writable)
        return result;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT id, listened_at, artist, track, station_name, origin_url FROM listens"
                       " ORDER BY id LIMIT ?"));
    query.addBindValue(limit);
    if (!query.exec()) {
        fail(QStringLiteral("read the listens"), query.lastError().text());
        return result;
    }
    while (query.next()) {
        Listen listen;
        listen.id = query.value(0).toLongLong();
        listen.listenedAt = QDateTime::fromSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
        listen.artist = query.value(2).toString();
        listen.track = query.value(3).toString();
        listen.stationName = query.value(4).toString();
        listen.originUrl = query.value(5).toString();
        result.append(listen);
    }
    return result;
}

void SqliteHistory::remove(qint64 id, Table table)
{
    if (!m_open || !m_writable)
        return;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(table == Table::Plays ? QStringLiteral("DELETE FROM plays WHERE id = ?")
                                        : QStringLiteral("DELETE FROM listens WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        fail(table == Table::Plays ? QStringLiteral("remove a song") : QStringLiteral("remove a listen"),
             query.lastError().text());
}

int SqliteHistory::count()
{
    if (!m_open || !m_writable)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM listens")) || !query.next()) {
        fail(QStringLiteral("count the listens"), query.lastError().text());
        return 0;
    }
    return query.value(0).toInt();
}

bool SqliteHistory::exec(const QString &statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(statement))
        return true;
    fail(statement.section(QLatin1Char(' '), 0, 2), query.lastError().text());
    return false;
}

void SqliteHistory::fail(const QString &what, const QString &error)
{
    m_error = QStringLiteral("%1: %2").arg(what, error);
    qCWarning(lcHistory, "History: cannot %s", qUtf8Printable(m_error));
}
