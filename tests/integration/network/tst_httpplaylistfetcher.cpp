// The HTTP fetcher against the local station server: what a playlist link serves, within its
// bounds, and each way a server fails named in plain words.
#include "network/HttpPlaylistFetcher.h"
#include "support/StreamServer.h"

#include <QSignalSpy>
#include <QTest>

class TstHttpPlaylistFetcher : public QObject
{
    Q_OBJECT

    StreamServer m_server;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    void fetches_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("result");      // "ok" or the error
        QTest::addColumn<QString>("contentType"); // when ok
        QTest::addColumn<QString>("finalPath");   // when ok
        QTest::addColumn<QByteArray>("begins");   // when ok

        auto url = [this](const char *path) { return m_server.url(QLatin1String(path)); };
        QTest::newRow("PLS") << url("/list.pls") << "ok"
                             << "audio/x-scpls"
                             << "/list.pls" << QByteArray("[playlist]");
        QTest::newRow("XSPF") << url("/list.xspf") << "ok"
                              << "application/xspf+xml"
                              << "/list.xspf" << QByteArray("<?xml");
        QTest::newRow("a stream: cut off at the bound") << url("/mp3") << "ok"
                                                        << "audio/mpeg"
                                                        << "/mp3" << QByteArray();
        QTest::newRow("redirect followed") << url("/redirect") << "ok"
                                           << "audio/mpeg"
                                           << "/mp3" << QByteArray();
        QTest::newRow("404") << url("/404") << "HTTP 404" << QString() << QString() << QByteArray();
        QTest::newRow("refused") << "http://127.0.0.1:1/x"
                                 << "connection refused" << QString() << QString() << QByteArray();
        QTest::newRow("unknown host") << "http://no-such-station.invalid/x"
                                      << "host not found" << QString() << QString() << QByteArray();
        QTest::newRow("redirect to an unknown host")
            << url("/redirect-nowhere") << "host not found" << QString() << QString() << QByteArray();
        QTest::newRow("redirect loop")
            << url("/loop") << "too many redirects" << QString() << QString() << QByteArray();
        QTest::newRow("endless headers")
            << url("/endless-headers") << "bad server response" << QString() << QString() << QByteArray();
        QTest::newRow("10 MB header line")
            << url("/huge-header") << "bad server response" << QString() << QString() << QByteArray();
        QTest::newRow("sends nothing")
            << url("/stall") << "connection timed out" << QString() << QString() << QByteArray();
        QTest::newRow("not HTTP") << "rtsp://127.0.0.1:1/x" << QString() << QString() << QString()
                                  << QByteArray();
    }

    void fetches()
    {
        QFETCH(QString, url);
        QFETCH(QString, result);
        QFETCH(QString, contentType);
        QFETCH(QString, finalPath);
        QFETCH(QByteArray, begins);
        HttpPlaylistFetcher fetcher;
        QSignalSpy fetched(&fetcher, &PlaylistFetcher::fetched);
        QSignalSpy failed(&fetcher, &PlaylistFetcher::fetchFailed);
        fetcher.fetch(url);
        QVERIFY(fetched.isEmpty() && failed.isEmpty()); // never from inside fetch()
        // The fetcher's own deadline ends every fetch; this is only the test's safety net.
        QTRY_VERIFY_WITH_TIMEOUT(fetched.size() + failed.size() == 1, PlaylistFetcher::timeoutMs + 10000);
        if (result == QLatin1String("ok")) {
            QVERIFY(failed.isEmpty());
            const QByteArray body = fetched.first().at(0).toByteArray();
            QVERIFY(body.startsWith(begins));
            QVERIFY(!body.isEmpty() && body.size() <= PlaylistFetcher::maxBytes);
            if (contentType == QLatin1String("audio/mpeg"))
                QCOMPARE(body.size(), PlaylistFetcher::maxBytes);
            QCOMPARE(fetched.first().at(1).toString(), contentType);
            QCOMPARE(fetched.first().at(2).toString(), m_server.url(finalPath));
        } else {
            QVERIFY(fetched.isEmpty());
            const auto failure = failed.first().first().value<std::optional<StreamFailure>>();
            QCOMPARE(failure ? failure->logText() : QString(), result); // nothing: not for HTTP
        }
        QTest::qWait(100);
        QCOMPARE(fetched.size() + failed.size(), 1);
    }

    void cancelReportsNothing()
    {
        HttpPlaylistFetcher fetcher;
        QSignalSpy fetched(&fetcher, &PlaylistFetcher::fetched);
        QSignalSpy failed(&fetcher, &PlaylistFetcher::fetchFailed);
        fetcher.fetch(m_server.url(QStringLiteral("/stall")));
        fetcher.fetch(m_server.url(QStringLiteral("/list.m3u"))); // supersedes the first
        QTRY_COMPARE_WITH_TIMEOUT(fetched.size(), 1, 10000);
        fetcher.fetch(m_server.url(QStringLiteral("/list.pls")));
        fetcher.cancel();
        QTest::qWait(PlaylistFetcher::timeoutMs + 500);
        QCOMPARE(fetched.size(), 1);
        QVERIFY(failed.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstHttpPlaylistFetcher)
#include "tst_httpplaylistfetcher.moc"
