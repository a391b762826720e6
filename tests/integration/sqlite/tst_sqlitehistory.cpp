// The history file on real SQLite: the schema and its version, WAL and the file's mode, NULL
// artists, the search as typed, the retention with starred songs kept, a newer build's file left
// alone, a second connection reading while the first writes, and the queue of listens.
#include "sqlite/SqliteHistory.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {
const QDateTime day(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

HistoryEntry entry(const QString &artist, const QString &title, const QDateTime &at = day,
                   const QString &station = QStringLiteral("Radio Alfa"))
{
    HistoryEntry e;
    e.startedAt = at;
    e.stationName = station;
    e.stationUrl = QStringLiteral("http://alfa.example/live");
    e.artist = artist;
    e.title = title;
    return e;
}

QStringList texts(const QList<HistoryEntry> &entries)
{
    QStringList result;
    for (const HistoryEntry &e : entries)
        result << e.text();
    return result;
}

// A plain connection of the test's own, as another program would open the file.
QVariant scalar(const QString &path, const QString &sql)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return value;
}
} // namespace

class TestSqliteHistory : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void createsTheFile()
    {
        const QString file = path("new/history.sqlite");
        {
            SqliteHistory history(file, SqliteHistory::Mode::Write);
            QVERIFY2(history.isOpen(), qPrintable(history.errorString()));
            QVERIFY(history.add(entry(QString(), QStringLiteral("Live from the studio"))) > 0);
            QVERIFY(history.add(entry(QStringLiteral("Moby"), QStringLiteral("Porcelain"))) > 0);
        }
        // Owner, group and others (not the "user" bits, which repeat the owner's for us).
        QCOMPARE(QFile::permissions(file) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(scalar(file, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(scalar(file, QStringLiteral("PRAGMA user_version")).toInt(), SqliteHistory::schemaVersion);
        QCOMPARE(scalar(file, QStringLiteral("SELECT count(*) FROM plays WHERE artist IS NULL")).toInt(), 1);
        QCOMPARE(scalar(file, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        SqliteHistory reader(file, SqliteHistory::Mode::Read);
        QCOMPARE(texts(reader.entries({}, {})), (QStringList{"Moby - Porcelain", "Live from the studio"}));
        QCOMPARE(reader.entries({}, {}).constLast().artist, QString());
    }

    void search_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nothing typed")
            << ""
            << QStringList{"Queen - Bohemian Rhapsody", "Björk - Jóga", "Talk at noon", "Moby - Porcelain"};
        QTest::newRow("title, any case") << "porcel" << QStringList{"Moby - Porcelain"};
        QTest::newRow("artist") << "QUEEN" << QStringList{"Queen - Bohemian Rhapsody"};
        QTest::newRow("station") << "beta" << QStringList{"Talk at noon"};
        QTest::newRow("two letters, in an artist-less song") << "at" << QStringList{"Talk at noon"};
        QTest::newRow("one letter") << "j" << QStringList{"Björk - Jóga"};
        QTest::newRow("non-ASCII") << "jóga" << QStringList{"Björk - Jóga"};
        QTest::newRow("quote and wildcard taken as text") << "\"%_" << QStringList{};
        QTest::newRow("not there") << "xyz" << QStringList{};
    }
    void search()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, found);
        SqliteHistory history(path("search.sqlite"), SqliteHistory::Mode::Write);
        if (history.entries({}, {}).isEmpty()) {
            history.add(entry(QStringLiteral("Moby"), QStringLiteral("Porcelain"), day));
            history.add(entry(QString(), QStringLiteral("Talk at noon"), day.addSecs(60),
                              QStringLiteral("Radio Beta")));
            history.add(entry(QStringLiteral("Björk"), QStringLiteral("Jóga"), day.addSecs(120)));
            history.add(
                entry(QStringLiteral("Queen"), QStringLiteral("Bohemian Rhapsody"), day.addSecs(180)));
        }
        QCOMPARE(texts(history.entries({}, search)), found);
        QCOMPARE(texts(history.entries({}, search, 1)), found.mid(0, 1));
    }

    void sinceAndRetention()
    {
        const QString file = path("retention.sqlite");
        qint64 starred = 0;
        {
            SqliteHistory history(file, SqliteHistory::Mode::Write);
            history.add(entry(QStringLiteral("Old"), QStringLiteral("Gone"), day.addDays(-400)));
            starred = history.add(entry(QStringLiteral("Old"), QStringLiteral("Starred"), day.addDays(-400)));
            history.setStarred(starred, true);
            history.add(entry(QStringLiteral("Recent"), QStringLiteral("Kept"), day.addDays(-10)));
            history.add(entry(QStringLiteral("Today"), QStringLiteral("Kept"), day));
            QCOMPARE(texts(history.entries(day.addDays(-1), {})), QStringList{"Today - Kept"});
        }
        SqliteHistory reopened(file, SqliteHistory::Mode::Write, 365, day);
        const QList<HistoryEntry> left = reopened.entries({}, {});
        QCOMPARE(texts(left), (QStringList{"Today - Kept", "Recent - Kept", "Old - Starred"}));
        QVERIFY(left.constLast().starred);
    }

    void newerFileIsLeftAlone()
    {
        const QString file = path("newer.sqlite");
        {
            SqliteHistory history(file, SqliteHistory::Mode::Write);
            history.add(entry(QStringLiteral("Moby"), QStringLiteral("Porcelain")));
        }
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bump"));
        {
            QSqlDatabase db = QSqlDatabase::database(QStringLiteral("bump"), false);
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=99")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bump"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("schema version 99, newer than"));
        SqliteHistory history(file, SqliteHistory::Mode::Write, 1, day.addYears(5));
        QVERIFY(history.isOpen());
        QCOMPARE(history.add(entry(QStringLiteral("New"), QStringLiteral("Song"))), 0);
        QCOMPARE(texts(history.entries({}, {})), QStringList{"Moby - Porcelain"});
    }

    // A file of the first schema gains the queue and keeps its songs; listens keep their order and
    // fields over a reopening, and a song's removal never touches a listen of the same id.
    void listenQueue()
    {
        const QString file = path("listens.sqlite");
        {
            SqliteHistory history(file, SqliteHistory::Mode::Write);
            history.add(entry(QStringLiteral("Moby"), QStringLiteral("Porcelain")));
        }
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("downgrade"));
        {
            QSqlDatabase db = QSqlDatabase::database(QStringLiteral("downgrade"), false);
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("DROP TABLE listens")));
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=1")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("downgrade"));
        {
            SqliteHistory history(file, SqliteHistory::Mode::Write);
            QCOMPARE(history.fileSchemaVersion(), SqliteHistory::schemaVersion);
            for (const char *track : {"One", "Two", "Three"}) {
                Listen listen;
                listen.listenedAt = day;
                listen.artist = QStringLiteral("Björk");
                listen.track = QString::fromLatin1(track);
                listen.stationName = QStringLiteral("Radio Alfa");
                listen.originUrl = QStringLiteral("http://alfa.example/live");
                QVERIFY(history.append(listen) > 0);
            }
            history.dequeue(history.oldest(1).constFirst().id);
            history.remove(history.oldest(1).constFirst().id); // a song's id, not a listen's
        }
        SqliteHistory reopened(file, SqliteHistory::Mode::Write);
        QCOMPARE(texts(reopened.entries({}, {})), QStringList{"Moby - Porcelain"});
        const QList<Listen> left = reopened.oldest(10);
        QCOMPARE(reopened.count(), 2);
        QCOMPARE(left.size(), 2);
        QCOMPARE(left[0].track, QStringLiteral("Two"));
        QCOMPARE(left[1].track, QStringLiteral("Three"));
        QCOMPARE(left[0].listenedAt, day);
        QCOMPARE(left[0].artist, QStringLiteral("Björk"));
        QCOMPARE(left[0].originUrl, QStringLiteral("http://alfa.example/live"));
    }

    void readerBesideWriter()
    {
        const QString file = path("shared.sqlite");
        SqliteHistory writer(file, SqliteHistory::Mode::Write);
        SqliteHistory reader(file, SqliteHistory::Mode::Read);
        QVERIFY2(reader.isOpen(), qPrintable(reader.errorString()));
        for (int i = 0; i < 50; ++i) {
            QVERIFY(writer.add(entry(QStringLiteral("Artist"), QString::number(i), day.addSecs(i))) > 0);
            QCOMPARE(reader.entries({}, {}).size(), i + 1);
        }
        SqliteHistory missing(path("missing.sqlite"), SqliteHistory::Mode::Read);
        QVERIFY(!missing.isOpen());
        QVERIFY(!QFile::exists(path("missing.sqlite")));
    }
};

QTEST_GUILESS_MAIN(TestSqliteHistory)
#include "tst_sqlitehistory.moc"
