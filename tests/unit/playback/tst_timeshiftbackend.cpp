// Live rewind on an injected clock: pause means pause, back and forward within the buffer, live
// again past its end, and a buffer that fails to play falls back to live instead of failing the
// station.
#include "playback/TimeshiftBackend.h"
#include "playback/TimeshiftBuffer.h"
#include "support/FakeStreamBackend.h"
#include "support/FakeStreamTap.h"
#include "support/ManualScheduler.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
const QString kUrl = QStringLiteral("http://127.0.0.1/mp3");
constexpr qint64 kTenth = 1600; // bytes in a tenth of a second (128 kbit/s)

// Every byte names the tenth of a second it was received in: what the feed hands over shows
// which moment plays.
struct Rig {
    QTemporaryDir dir;
    ManualClock clock;
    ManualScheduler scheduler{&clock};
    FakeStreamBackend backend;
    FakeStreamTap tap;
    TimeshiftBuffer buffer{dir.path(), [] { return TimeshiftBuffer::minFreeBytes * 2; }};
    TimeshiftBackend rewind{&backend, &tap, &buffer, &clock, &scheduler};
    int tenths = 0;

    void receive(std::chrono::milliseconds span)
    {
        for (auto t = 0ms; t < span; t += 100ms) {
            scheduler.advance(100ms);
            tap.receive(QByteArray(kTenth, char(++tenths % 256)));
        }
    }
    // The live stream sounds, and the buffer's connection opens a moment later.
    void sounds()
    {
        backend.reportReady();
        scheduler.advance(TimeshiftBackend::tapDelay);
    }
    // The tenth of a second the feed plays now.
    int playingTenth()
    {
        const QByteArray bytes = backend.feed(kTenth);
        return bytes.isEmpty() ? -1 : int(uchar(bytes.at(0)));
    }
};
} // namespace

class TestTimeshiftBackend : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pauseResumesWhereItWasLeft()
    {
        Rig rig;
        // A station changed before it sounded opens no second connection.
        rig.rewind.start(QStringLiteral("http://other.example/live"));
        rig.rewind.start(kUrl);
        QVERIFY(rig.tap.calls.isEmpty());
        rig.backend.reportReady();
        rig.scheduler.advance(TimeshiftBackend::tapDelay - 1ms);
        QVERIFY(rig.tap.calls.isEmpty()); // not in the switch's first moments
        rig.scheduler.advance(1ms);
        QCOMPARE(rig.tap.calls, QStringList{QStringLiteral("start ") + kUrl});
        rig.receive(10s);
        rig.rewind.pause();
        rig.receive(5s); // still received while paused
        QCOMPARE(rig.rewind.behindMs(), qint64(5000));
        rig.rewind.resume();
        QCOMPARE(rig.backend.calls.constLast(), QStringLiteral("feed"));
        QCOMPARE(rig.backend.feedCaps, QStringLiteral("audio/mpeg, mpegversion=(int)1"));
        QVERIFY2(std::abs(rig.playingTenth() - 100) <= 1, "plays the moment of the pause, not live");
        // Behind stays behind while it plays: the buffer and the playing moment both advance.
        rig.backend.reportReady();
        rig.receive(3s);
        QCOMPARE(rig.rewind.behindMs(), qint64(5000));
        QCOMPARE(qint64(rig.rewind.position().count()),
                 qint64(18000 - 5000 - 100)); // from the first byte kept
        // The buffer is read from disk in small windows, whatever is asked for.
        QCOMPARE(qint64(rig.backend.feed(1 << 20).size()), TimeshiftBackend::readWindow);
    }

    // Behind live, the title is the one of the moment that plays, not the live one.
    void titlesFromTheBuffer()
    {
        Rig rig;
        QSignalSpy titles(&rig.rewind, &StreamBackend::streamTitleChanged);
        rig.rewind.start(kUrl);
        rig.sounds();
        for (const char *title : {"A - Een", "B - Twee", "C - Drie"}) {
            Q_EMIT rig.tap.titleChanged(QString::fromLatin1(title));
            rig.receive(10s);
        }
        const auto last = [&] { return titles.value(titles.size() - 1).value(0).toString(); };
        rig.rewind.seekBy(-15000); // into B, 5 s before C
        QCOMPARE(last(), QStringLiteral("B - Twee"));
        rig.backend.reportReady();
        rig.clock.advance(6s);
        rig.rewind.showPlayingTitle();
        QCOMPARE(last(), QStringLiteral("C - Drie"));
        QCOMPARE(titles.size(), 2);
    }

    void seekWithinTheBuffer_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QList<qint64>>("seeks");
        QTest::addColumn<qint64>("behind"); // 0: live
        QTest::addColumn<QString>("lastCall");
        const QString feed = QStringLiteral("feed");
        const QString pause = QStringLiteral("pause");
        QTest::newRow("back 30 s") << false << QList<qint64>{-30000} << qint64(30000) << feed;
        QTest::newRow("back and forward is live")
            << false << QList<qint64>{-30000, 30000} << qint64(0) << "start " + kUrl;
        QTest::newRow("back twice, forward once")
            << false << QList<qint64>{-20000, -20000, 30000} << qint64(10000) << feed;
        QTest::newRow("not past the buffer's start")
            << false << QList<qint64>{-600000} << qint64(59900) << feed;
        QTest::newRow("paused: plays nothing yet") << true << QList<qint64>{-30000} << qint64(30000) << pause;
        QTest::newRow("paused, forward past live: live at play")
            << true << QList<qint64>{30000} << qint64(0) << pause;
    }
    void seekWithinTheBuffer()
    {
        QFETCH(bool, paused);
        QFETCH(QList<qint64>, seeks);
        QFETCH(qint64, behind);
        QFETCH(QString, lastCall);
        Rig rig;
        rig.rewind.start(kUrl);
        rig.sounds();
        rig.receive(60s);
        if (paused)
            rig.rewind.pause();
        for (const qint64 seek : seeks)
            rig.rewind.seekBy(seek);
        QCOMPARE(rig.rewind.behindMs(), behind);
        QCOMPARE(rig.rewind.behindLive(), behind > 0);
        QCOMPARE(rig.backend.calls.constLast(), lastCall);
        if (paused) {
            rig.rewind.resume();
            QCOMPARE(rig.backend.calls.constLast(), behind > 0 ? QStringLiteral("feed") : "start " + kUrl);
        }
    }

    void aFailingFeedGoesLive()
    {
        Rig rig;
        QSignalSpy failed(&rig.rewind, &StreamBackend::failed);
        QSignalSpy failedWhilePlaying(&rig.rewind, &StreamBackend::failedWhilePlaying);
        rig.rewind.start(kUrl);
        rig.sounds();
        rig.receive(20s);
        rig.rewind.seekBy(-10000);
        rig.backend.reportFailed(StreamFailure::Reason::UnsupportedFormat);
        QCOMPARE(rig.backend.calls.constLast(), "start " + kUrl);
        QVERIFY(!rig.rewind.behindLive());
        QCOMPARE(failed.count() + failedWhilePlaying.count(), 0);
        // Live's own failure is the station's, as ever.
        rig.backend.reportFailed(StreamFailure::Reason::UnsupportedFormat);
        QCOMPARE(failed.count(), 1);
    }

    void onlyPlainStreamsWhileOn_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("tapped");
        QTest::newRow("http") << kUrl << 30 << true;
        QTest::newRow("HLS") << QStringLiteral("http://127.0.0.1/hls/live.m3u8") << 30 << false;
        QTest::newRow("off") << kUrl << 0 << false;
    }
    void onlyPlainStreamsWhileOn()
    {
        QFETCH(QString, url);
        QFETCH(int, minutes);
        QFETCH(bool, tapped);
        Rig rig;
        rig.rewind.setMinutes(minutes);
        rig.rewind.start(url);
        rig.sounds();
        rig.receive(2s);
        QCOMPARE(!rig.tap.calls.isEmpty(), tapped);
        QCOMPARE(rig.rewind.available(), tapped);
        // Without a buffer, pause and play are the live stream's own.
        rig.rewind.pause();
        rig.rewind.resume();
        QCOMPARE(rig.backend.calls.constLast(), tapped ? QStringLiteral("feed") : QStringLiteral("resume"));
    }
};

QTEST_GUILESS_MAIN(TestTimeshiftBackend)
#include "tst_timeshiftbackend.moc"
