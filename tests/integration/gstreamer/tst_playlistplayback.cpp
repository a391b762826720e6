// Playlist links and HLS from the local station server, through the resolver on the real
// GStreamer backend and the real HTTP fetcher: audio reaches the null sink, or the start fails
// with the plainest reason.
#include "gstreamer/GstStreamBackend.h"
#include "network/HttpPlaylistFetcher.h"
#include "playback/PlaylistResolver.h"
#include "support/PulseFixture.h"
#include "support/StreamServer.h"

#include <QSignalSpy>
#include <QTest>

class TstPlaylistPlayback : public QObject
{
    Q_OBJECT

    PulseFixture m_pulse{{QStringLiteral("a")}};
    StreamServer m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_pulse.start(), qPrintable(m_pulse.errorString()));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    void plays_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");     // "audio" or the failure
        QTest::addColumn<QString>("streamPath"); // what plays in the end

        for (const char *path : {"/list.pls", "/list.m3u", "/list.asx", "/list.xspf", "/list.txt"})
            QTest::newRow(path) << path << "audio"
                                << (QString::fromLatin1(path) == QLatin1String("/list.asx") ? "/mp3?a=1&b=2"
                                                                                            : "/mp3");
        QTest::newRow("dead first entry") << "/dead-first.pls"
                                          << "audio"
                                          << "/mp3";
        QTest::newRow("nested") << "/nested.m3u"
                                << "audio"
                                << "/mp3";
        QTest::newRow("PLS sent as octet-stream") << "/sniff.pls"
                                                  << "audio"
                                                  << "/mp3";
        QTest::newRow("live HLS") << "/hls/live.m3u8"
                                  << "audio"
                                  << "/hls/live.m3u8";
        QTest::newRow("local entries only") << "/local.pls"
                                            << "playlist holds no network streams" << QString();
        QTest::newRow("every entry dead") << "/all-dead.m3u"
                                          << "HTTP 404" << QString();
        QTest::newRow("web page") << "/html"
                                  << StreamFailure(StreamFailure::Reason::UnsupportedFormat).logText()
                                  << QString();
        QTest::newRow("redirect to a host that does not exist") << "/redirect-nowhere"
                                                                << "host not found" << QString();
        QTest::newRow("endless headers") << "/endless-headers"
                                         << "bad server response" << QString();
        QTest::newRow("10 MB header line") << "/huge-header"
                                           << "bad server response" << QString();
    }

    void plays()
    {
        QFETCH(QString, path);
        QFETCH(QString, result);
        QFETCH(QString, streamPath);
        GstStreamBackend backend;
        backend.setOutputDevice(QStringLiteral("a"));
        HttpPlaylistFetcher fetcher;
        PlaylistResolver resolver(&backend, &fetcher);
        QSignalSpy ready(&resolver, &StreamBackend::ready);
        QSignalSpy failed(&resolver, &StreamBackend::failed);

        resolver.start(m_server.url(path));
        QTRY_VERIFY_WITH_TIMEOUT(ready.size() + failed.size() == 1, 40000);
        if (result != QLatin1String("audio")) {
            QCOMPARE(failed.first().first().value<StreamFailure>().logText(), result);
            return;
        }
        QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).value<StreamFailure>().logText()));
        QCOMPARE(resolver.currentUrl(), m_server.url(streamPath));
        const PulseFixture::Level level = PulseFixture::level(m_pulse.record(QStringLiteral("a"), 1.5));
        QVERIFY2(level.rms > 0.02, qPrintable(QStringLiteral("rms %1").arg(level.rms)));
    }
};

QTEST_GUILESS_MAIN(TstPlaylistPlayback)
#include "tst_playlistplayback.moc"
