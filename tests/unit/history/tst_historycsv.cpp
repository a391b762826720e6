// The history as CSV: quoting as RFC 4180 wants it, read back by Python's csv module as a
// spreadsheet would, and the local time with its offset on both sides of a clock change.
#include "history/HistoryCsv.h"
#include "support/FakeHistoryStore.h"
#include "viewmodels/StationTransfer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

class TestHistoryCsv : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Amsterdam");
        tzset();
    }

    void fields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Radar Love"
                               << "Radar Love";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("comma") << "Earth, Wind & Fire"
                               << "\"Earth, Wind & Fire\"";
        QTest::newRow("quotes doubled") << "The \"Best\" of"
                                        << "\"The \"\"Best\"\" of\"";
        QTest::newRow("line break") << "one\ntwo"
                                    << "\"one\ntwo\"";
        QTest::newRow("carriage return") << "one\rtwo"
                                         << "\"one\rtwo\"";
        QTest::newRow("leading blank kept") << " intro"
                                            << "\" intro\"";
        QTest::newRow("apostrophe and semicolon") << "Nobody's Wife; live"
                                                  << "Nobody's Wife; live";
    }

    void fields()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(HistoryCsv::field(text), field);
    }

    void fileReadsBack()
    {
        HistoryEntry winter{1,
                            QDateTime(QDate(2026, 1, 5), QTime(13, 5, 9), Qt::UTC),
                            "Radio, \"Één\"",
                            "https://example.com/a?x=1,2",
                            "",
                            "Jingle\nline two",
                            false};
        HistoryEntry summer{2,
                            QDateTime(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC),
                            "Jazz",
                            "http://j.example/",
                            "Earth, Wind & Fire",
                            "September",
                            true};
        const QByteArray csv = HistoryCsv::write({winter, summer});
        QVERIFY(csv.startsWith("time,station,url,artist,title,starred\r\n"));
        QVERIFY(csv.endsWith("\r\n"));

        QProcess python;
        python.start(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import csv,io,json,sys; print(json.dumps(list(csv.reader("
                            "io.StringIO(sys.stdin.buffer.read().decode('utf-8'), newline='')))))")});
        QVERIFY(python.waitForStarted());
        python.write(csv);
        python.closeWriteChannel();
        QVERIFY(python.waitForFinished());
        const QJsonArray expected{QJsonArray{"time", "station", "url", "artist", "title", "starred"},
                                  QJsonArray{"2026-01-05T14:05:09+01:00", "Radio, \"Één\"",
                                             "https://example.com/a?x=1,2", "", "Jingle\nline two", "false"},
                                  QJsonArray{"2026-07-01T14:00:00+02:00", "Jazz", "http://j.example/",
                                             "Earth, Wind & Fire", "September", "true"}};
        QCOMPARE(QJsonDocument::fromJson(python.readAllStandardOutput()).array(), expected);
    }

    // "Exporteer geschiedenis": oldest first, ".csv" added, a folder that is not there refused.
    void exportFromTheSettings()
    {
        FakeHistoryStore store;
        for (const char *title : {"Eerste", "Tweede"})
            store.add({0, QDateTime::currentDateTime(), "Jazz", "http://j.example/", "", title, false});
        StationTransfer transfer(nullptr, &store);
        QTemporaryDir dir;
        QVERIFY(transfer.exportHistory(QUrl::fromLocalFile(dir.filePath("songs"))).value("ok").toBool());
        QFile file(dir.filePath("songs.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.at(1).contains(",Eerste,false") && lines.at(2).contains(",Tweede,false"));

        const QVariantMap refused = transfer.exportHistory(QUrl::fromLocalFile(dir.filePath("no/songs.csv")));
        QVERIFY(!refused.value("ok").toBool());
        QVERIFY(refused.value("message").toString().contains(dir.filePath("no/songs.csv")));
    }
};

QTEST_GUILESS_MAIN(TestHistoryCsv)
#include "tst_historycsv.moc"
