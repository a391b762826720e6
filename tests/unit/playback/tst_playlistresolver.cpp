// Playlist links at play time: entries tried in order until one plays, nesting and attempts
// bounded, and the plainer reason of a second read kept when nothing plays.
#include "playback/PlaylistResolver.h"
#include "support/FakePlaylistFetcher.h"
#include "support/FakeStreamBackend.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

namespace {
using Script = QMap<QString, QString>;
using Reason = StreamFailure::Reason;
const QString notAudio = StreamFailure(Reason::UnsupportedFormat).logText();

// The script's failures are written in the log's words.
StreamFailure failureOf(const QString &logText)
{
    if (logText.startsWith(QLatin1String("HTTP ")))
        return StreamFailure::http(logText.mid(5).toInt());
    const QMetaEnum reasons = QMetaEnum::fromType<Reason>();
    for (int i = 0; i < reasons.keyCount(); ++i) {
        const StreamFailure failure(Reason(reasons.value(i)));
        if (failure.logText() == logText)
            return failure;
    }
    return StreamFailure(Reason::Other, logText);
}

QByteArray pls(const QStringList &urls)
{
    QByteArray body("[playlist]\n");
    for (int i = 0; i < urls.size(); ++i)
        body += "File" + QByteArray::number(i + 1) + "=" + urls[i].toUtf8() + "\n";
    return body;
}
} // namespace

class TestPlaylistResolver : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resolve_data()
    {
        QTest::addColumn<Script>("streams");   // url -> "ready" or the backend's error
        QTest::addColumn<Script>("documents"); // url -> PLS body, or "!" + the fetch error
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<QString>("result"); // "ready" or the failure

        const QString u = QStringLiteral("http://u.example/");
        auto x = [](const char *name) {
            return QStringLiteral("http://%1.example/").arg(QLatin1String(name));
        };
        QTest::newRow("a stream plays as it is")
            << Script{{u, "ready"}} << Script{} << QStringList{u} << "ready";
        QTest::newRow("dead first entry")
            << Script{{u, notAudio}, {x("dead"), "connection refused"}, {x("ok"), "ready"}}
            << Script{{u, pls({x("dead"), x("ok")})}} << QStringList{u, x("dead"), x("ok")} << "ready";
        QTest::newRow("every entry fails: the last reason")
            << Script{{u, notAudio}, {x("a"), "connection refused"}, {x("b"), "HTTP 404"}}
            << Script{{u, pls({x("a"), x("b")})}} << QStringList{u, x("a"), x("b")} << "HTTP 404";
        QTest::newRow("no audio and no playlist")
            << Script{{u, notAudio}} << Script{{u, "<html></html>"}} << QStringList{u} << notAudio;
        QTest::newRow("the second read names the cause")
            << Script{{u, StreamFailure(Reason::NoStream).logText()}} << Script{{u, "!host not found"}}
            << QStringList{u} << "host not found";
        QTest::newRow("three playlists deep")
            << Script{{u, notAudio}, {x("a"), notAudio}, {x("b"), notAudio}, {x("c"), "ready"}}
            << Script{{u, pls({x("a")})}, {x("a"), pls({x("b")})}, {x("b"), pls({x("c")})}}
            << QStringList{u, x("a"), x("b"), x("c")} << "ready";
        QTest::newRow("four playlists deep")
            << Script{{u, notAudio}, {x("a"), notAudio}, {x("b"), notAudio}, {x("c"), notAudio}}
            << Script{{u, pls({x("a")})},
                      {x("a"), pls({x("b")})},
                      {x("b"), pls({x("c")})},
                      {x("c"), pls({x("d")})}}
            << QStringList{u, x("a"), x("b"), x("c")} << "playlists nested too deep";
        QTest::newRow("a playlist of itself") << Script{{u, notAudio}} << Script{{u, pls({u, u})}}
                                              << QStringList{u, u, u} << "playlist lists itself";
        QTest::newRow("local files only")
            << Script{{u, notAudio}} << Script{{u, pls({"file:///etc/passwd", "fd://0"})}} << QStringList{u}
            << "playlist holds no network streams";
        QStringList many;
        QStringList tried{u};
        Script failing{{u, notAudio}};
        for (int i = 0; i < 40; ++i) {
            many << QStringLiteral("http://s%1.example/").arg(i);
            failing.insert(many.last(), QStringLiteral("connection refused"));
            if (tried.size() < PlaylistResolver::maxAttempts)
                tried << many.last();
        }
        QTest::newRow("attempts bounded")
            << failing << Script{{u, pls(many)}} << tried << "connection refused";
    }

    void resolve()
    {
        QFETCH(Script, streams);
        QFETCH(Script, documents);
        QFETCH(QStringList, started);
        QFETCH(QString, result);
        FakeStreamBackend backend;
        FakePlaylistFetcher fetcher;
        PlaylistResolver resolver(&backend, &fetcher);
        QStringList outcome;
        connect(&resolver, &StreamBackend::ready, this, [&] { outcome << QStringLiteral("ready"); });
        connect(&resolver, &StreamBackend::failed, this,
                [&](const StreamFailure &failure) { outcome << failure.logText(); });

        resolver.start(started.first());
        // Answer every start and every read from the script until the resolver reports.
        qsizetype answered = 0;
        for (int step = 0; step < 100 && outcome.isEmpty(); ++step) {
            if (fetcher.pending) {
                const QString document = documents.value(fetcher.fetches.constLast());
                if (document.startsWith(QLatin1Char('!')))
                    fetcher.reportFailed(failureOf(document.mid(1)));
                else
                    fetcher.reportFetched(document.toUtf8());
                continue;
            }
            const QStringList starts = backend.calls.filter(QStringLiteral("start "));
            QVERIFY(starts.size() > answered);
            const QString url = starts.at(answered++).mid(6);
            const QString answer = streams.value(url, QStringLiteral("unscripted"));
            if (answer == QLatin1String("ready"))
                backend.reportReady();
            else
                backend.reportFailed(failureOf(answer));
        }
        QCOMPARE(outcome, QStringList{result});
        QStringList urls;
        for (const QString &call : backend.calls.filter(QStringLiteral("start ")))
            urls << call.mid(6);
        QCOMPARE(urls, started);
    }

    void clearEndsTheResolution()
    {
        FakeStreamBackend backend;
        FakePlaylistFetcher fetcher;
        PlaylistResolver resolver(&backend, &fetcher);
        QSignalSpy failed(&resolver, &StreamBackend::failed);
        QSignalSpy broken(&resolver, &StreamBackend::failedWhilePlaying);
        resolver.start(QStringLiteral("http://u.example/"));
        backend.reportFailed(Reason::UnsupportedFormat);
        QVERIFY(fetcher.pending);
        resolver.clear();
        QCOMPARE(fetcher.cancels, 1);
        QCOMPARE(backend.calls.constLast(), QStringLiteral("clear"));
        fetcher.reportFetched(pls({QStringLiteral("http://a.example/")}));
        backend.reportFailed(Reason::Refused);
        backend.reportFailedWhilePlaying(Reason::Ended);
        QCOMPARE(backend.calls.filter(QStringLiteral("start ")).size(), 1);
        QVERIFY(failed.isEmpty() && broken.isEmpty());

        // A stream that plays and breaks off is reported once, as it is.
        resolver.start(QStringLiteral("http://u.example/"));
        backend.reportReady();
        backend.reportFailedWhilePlaying(Reason::Ended);
        backend.reportFailedWhilePlaying(Reason::Stalled);
        QCOMPARE(broken.size(), 1);
        QCOMPARE(broken.first().first().value<StreamFailure>(), StreamFailure(Reason::Ended));
    }
};

QTEST_GUILESS_MAIN(TestPlaylistResolver)
#include "tst_playlistresolver.moc"
