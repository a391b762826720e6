// The GStreamer stream backend against a local paced radio station and a private PulseAudio
// daemon with two null sinks: real decoding, the failure reports, and where the audio goes.
#include "gstreamer/GstStreamBackend.h"
#include "support/PulseFixture.h"
#include "support/StreamServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;

namespace {

const QString kSinkA = QStringLiteral("a");
const QString kSinkB = QStringLiteral("b");

// The test tone is a sine at 1/8 of full scale (RMS about 0.09); silence is exact zeros.
constexpr double kAudible = 0.02;
constexpr double kSilent = 0.001;

// Heard: loud enough. Silent: exact silence over at least a second of real samples (an empty
// recording proves nothing).
bool audible(const PulseFixture::Level &level)
{
    return level.rms > kAudible;
}
bool silent(const PulseFixture::Level &level)
{
    return level.samples >= 44100 * 2 && level.peak < kSilent;
}

int seconds(std::chrono::milliseconds duration)
{
    return int(std::chrono::duration_cast<std::chrono::seconds>(duration).count());
}

int ms(std::chrono::milliseconds duration)
{
    return int(duration.count());
}

QString noDataFor(std::chrono::milliseconds bound)
{
    return QStringLiteral("no data for %1 s").arg(seconds(bound));
}

// The reports of one backend.
struct Reports {
    explicit Reports(GstStreamBackend &backend)
        : ready(&backend, &StreamBackend::ready), failed(&backend, &StreamBackend::failed),
          broken(&backend, &StreamBackend::failedWhilePlaying),
          titles(&backend, &StreamBackend::streamTitleChanged)
    {
    }
    QString describe() const
    {
        if (!failed.isEmpty())
            return QStringLiteral("failed: ") + failed.first().first().value<StreamFailure>().logText();
        if (!broken.isEmpty())
            return QStringLiteral("failed while playing: ") +
                   broken.first().first().value<StreamFailure>().logText();
        return QStringLiteral("no report");
    }
    QSignalSpy ready;
    QSignalSpy failed;
    QSignalSpy broken;
    QSignalSpy titles;
};

QString describe(const char *what, const PulseFixture::Level &level)
{
    return QStringLiteral("%1: rms %2, peak %3 over %4 samples")
        .arg(QLatin1String(what))
        .arg(level.rms)
        .arg(level.peak)
        .arg(level.samples);
}

} // namespace

class TstGstBackend : public QObject
{
    Q_OBJECT

private:
    // Starts `url` on `backend` and waits for ready; prints how long it took.
    bool startAndWaitReady(GstStreamBackend &backend, Reports &reports, const QString &url)
    {
        QElapsedTimer clock;
        clock.start();
        backend.start(url);
        if (!reports.ready.wait(20000))
            return false;
        qInfo("%s: ready after %lld ms", qPrintable(url), clock.elapsed());
        return true;
    }
    // Waits, at most `limit`, until `sink` plays sound (or exact silence) in a short recording:
    // what the sink had rendered has drained, or a change has reached it. The strict check over
    // a longer recording follows.
    bool settled(const QString &sink, bool sound, std::chrono::milliseconds limit = 8s)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            const auto level = PulseFixture::level(m_pulse.record(sink, 0.25));
            if (level.samples > 0 && (sound ? level.rms > kAudible : level.peak < kSilent))
                return true;
        } while (clock.elapsed() < limit.count());
        return false;
    }
    // Records both sinks and returns their levels.
    std::pair<PulseFixture::Level, PulseFixture::Level> levels(double seconds = 1.5)
    {
        const auto recorded = m_pulse.record({kSinkA, kSinkB}, seconds);
        return {PulseFixture::level(recorded.value(kSinkA)), PulseFixture::level(recorded.value(kSinkB))};
    }

    PulseFixture m_pulse{{kSinkA, kSinkB}};
    StreamServer m_server;
    QTemporaryDir m_registry;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_pulse.start(), qPrintable(m_pulse.errorString()));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        QVERIFY(m_registry.isValid());
        qputenv("GST_REGISTRY", QFile::encodeName(m_registry.filePath(QStringLiteral("registry.bin"))));
    }

    // First of the tests that load GStreamer, whose registry is built afresh here (initTestCase):
    // loading it takes seconds, as on the first start after an install.
    void startsWhilePreparing()
    {
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);
        backend.prepare();
        QElapsedTimer clock;
        clock.start();
        backend.start(m_server.url(QStringLiteral("/mp3")));
        qInfo("start() returned after %.3f ms while GStreamer loaded", clock.nsecsElapsed() / 1e6);
        // A station picked while GStreamer still loads on the other thread does not wait for it
        // here (GStreamer writes its registry when it has loaded), and plays once it is loaded.
        QVERIFY2(!QFile::exists(m_registry.filePath(QStringLiteral("registry.bin"))),
                 "start() waited for GStreamer to load");
        QVERIFY2(reports.ready.wait(60000), qPrintable(reports.describe()));
        backend.prepare(); // nothing to do once a stream runs
        QVERIFY2(audible(levels(1.0).first), "no audio after prepare() and start()");
        // A backend gone right after prepare() waits for that thread.
        std::make_unique<GstStreamBackend>()->prepare();
    }

    void acceptsOnlyNetworkStreams_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("reason"); // empty: accepted

        QTest::newRow("http") << "http://127.0.0.1:8000/stream" << QString();
        QTest::newRow("https, scheme in capitals") << "HTTPS://radio.example/live.mp3" << QString();
        QTest::newRow("icy") << "icy://radio.example:8000/live" << QString();
        QTest::newRow("rtsp") << "rtsp://radio.example/live" << QString();
        const QString unsupported = QStringLiteral("unsupported URL scheme");
        QTest::newRow("file") << "file:///etc/hostname" << unsupported;
        QTest::newRow("fd") << "fd://0" << unsupported;
        QTest::newRow("dvb") << "dvb://ZDF" << unsupported;
        QTest::newRow("v4l2") << "v4l2:///dev/video0" << unsupported;
        QTest::newRow("data") << "data:audio/mpeg;base64,AAAA" << unsupported;
        QTest::newRow("appsrc") << "appsrc://" << unsupported;
        const QString invalid = QStringLiteral("invalid URL");
        QTest::newRow("relative") << "stations/live.mp3" << invalid;
        QTest::newRow("no host") << "http:///live.mp3" << invalid;
        QTest::newRow("empty") << "" << invalid;
    }

    void acceptsOnlyNetworkStreams()
    {
        QFETCH(QString, url);
        QFETCH(QString, reason);
        const std::optional<StreamFailure> rejection = GstStreamBackend::rejectionReason(url);
        QCOMPARE(rejection ? rejection->logText() : QString(), reason);
    }

    void playsDecodedAudio_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("MP3") << "/mp3";
        QTest::newRow("Ogg Vorbis") << "/ogg";
        QTest::newRow("AAC") << "/aac";
        QTest::newRow("redirect to MP3") << "/redirect";
    }

    void playsDecodedAudio()
    {
        QFETCH(QString, path);
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);

        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(path)), qPrintable(reports.describe()));
        const auto [a, b] = levels();
        QVERIFY2(audible(a), qPrintable(describe("sink a", a)));
        QVERIFY2(silent(b), qPrintable(describe("sink b", b)));
        QCOMPARE(reports.ready.count(), 1);
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
    }

    void reportsStartFailures_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("error");

        // Port 1 (tcpmux) has no listener on a test machine.
        QTest::newRow("connection refused") << "http://127.0.0.1:1/stream"
                                            << "connection refused";
        QTest::newRow("404") << m_server.url(QStringLiteral("/404")) << "HTTP 404";
        QTest::newRow("HTML page") << m_server.url(QStringLiteral("/html")) << "not an audio stream";
        QTest::newRow("unknown host") << "http://no-such-station.invalid/stream"
                                      << "host not found";
        QTest::newRow("accepts, sends nothing")
            << m_server.url(QStringLiteral("/stall")) << noDataFor(GstStreamBackend::kStartTimeout);
        QTest::newRow("headers, then nothing") << m_server.url(QStringLiteral("/headers-then-stall"))
                                               << noDataFor(GstStreamBackend::kStartTimeout);
        QTest::newRow("file URL") << "file:///etc/hostname"
                                  << "unsupported URL scheme";
        QTest::newRow("dvb URL") << "dvb://ZDF"
                                 << "unsupported URL scheme";
        // GStreamer says no more than "Internal data stream error" about these; the player reads
        // them once more to name the cause (see the playlist tests).
        for (const char *path : {"/redirect-nowhere", "/endless-headers", "/huge-header"})
            QTest::newRow(path) << m_server.url(QLatin1String(path))
                                << StreamFailure(StreamFailure::Reason::NoStream).logText();
        QTest::newRow("a playlist") << m_server.url(QStringLiteral("/list.pls"))
                                    << StreamFailure(StreamFailure::Reason::UnsupportedFormat).logText();
    }

    void reportsStartFailures()
    {
        QFETCH(QString, url);
        QFETCH(QString, error);
        GstStreamBackend backend;
        Reports reports(backend);

        QElapsedTimer clock;
        clock.start();
        backend.start(url);
        QVERIFY2(reports.failed.isEmpty(), "reported from inside start()");
        QVERIFY2(reports.failed.wait(ms(GstStreamBackend::kStartTimeout) + 15000),
                 qPrintable(reports.describe()));
        qInfo("%s: failed \"%s\" after %lld ms", qPrintable(url),
              qPrintable(reports.failed.first().first().value<StreamFailure>().logText()), clock.elapsed());
        QCOMPARE(reports.failed.first().first().value<StreamFailure>().logText(), error);
        QCOMPARE(reports.failed.count(), 1);
        QVERIFY(reports.ready.isEmpty());
        QVERIFY(reports.broken.isEmpty());
    }

    void reportsBreakOffWhilePlaying_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        // Sooner than a hang-up is worth connecting again for (see rejoinsAServerThatHangsUp).
        QTest::newRow("server closes at once") << "/drop?after=0.5"
                                               << "stream ended";
        QTest::newRow("server falls silent") << "/freeze" << noDataFor(GstStreamBackend::kStallTimeout);
    }

    void reportsBreakOffWhilePlaying()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        GstStreamBackend backend;
        Reports reports(backend);

        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(path)), qPrintable(reports.describe()));
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(reports.broken.wait(ms(GstStreamBackend::kStallTimeout) + 20000),
                 qPrintable(reports.describe()));
        qInfo("%s: failed while playing \"%s\" %lld ms after ready", qPrintable(path),
              qPrintable(reports.broken.first().first().value<StreamFailure>().logText()), clock.elapsed());
        QCOMPARE(reports.broken.first().first().value<StreamFailure>().logText(), error);
        QCOMPARE(reports.broken.count(), 1);
        QVERIFY(reports.failed.isEmpty());
    }

    void rejoinsAServerThatHangsUp()
    {
        // The station sends a 2 s burst and hangs up 4 s after each connection: the backend
        // connects again as soon as it has read the last byte, and plays on without a report. A
        // pause while the new connection joins holds.
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);
        const QString path = QStringLiteral("/hangup");
        const int before = m_server.requestCount(path);
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(path + QStringLiteral("?burst=2"))),
                 qPrintable(reports.describe()));
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount(path) - before >= 2, 20000);
        backend.pause();
        QVERIFY2(settled(kSinkA, false), "still audible after pause()");
        const auto paused = PulseFixture::level(m_pulse.record(kSinkA, 1.5));
        QVERIFY2(silent(paused), qPrintable(describe("paused while reconnecting", paused)));
        backend.resume();
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount(path) - before >= 3, 20000);
        const auto level = PulseFixture::level(m_pulse.record(kSinkA, 1.0));
        QVERIFY2(audible(level), qPrintable(describe("after two hang-ups", level)));
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
    }

    void laterStartSupersedesEarlier_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("firstPlays"); // wait for the first stream's ready
        QTest::addColumn<int>("quietMs");     // how long to listen for stray reports afterwards

        // Started back to back: the first stream's failure is already on its way.
        QTest::newRow("first fails at once (404)") << m_server.url(QStringLiteral("/404")) << false << 1500;
        QTest::newRow("first is refused") << "http://127.0.0.1:1/stream" << false << 1500;
        QTest::newRow("first is rejected (file URL)") << "file:///etc/hostname" << false << 1500;
        QTest::newRow("first would time out") << m_server.url(QStringLiteral("/headers-then-stall")) << false
                                              << ms(GstStreamBackend::kStartTimeout) + 1000;
        // The first stream plays and would end 3 s after its start.
        QTest::newRow("first would end while playing")
            << m_server.url(QStringLiteral("/drop")) << true << 5000;
    }

    void laterStartSupersedesEarlier()
    {
        QFETCH(QString, first);
        QFETCH(bool, firstPlays);
        QFETCH(int, quietMs);
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);

        backend.start(first);
        if (firstPlays) {
            QVERIFY2(reports.ready.wait(20000), qPrintable(reports.describe()));
            reports.ready.clear();
        }
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/aac"))),
                 qPrintable(reports.describe()));
        QTest::qWait(quietMs);
        QCOMPARE(reports.ready.count(), 1);
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
        const auto level = PulseFixture::level(m_pulse.record(kSinkA, 1.0));
        QVERIFY2(audible(level), qPrintable(describe("the second stream", level)));
    }

    void pauseAndResumeKeepTheStream()
    {
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);
        const QString path = QStringLiteral("/ogg");
        const int requestsBefore = m_server.requestCount(path);

        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(path)), qPrintable(reports.describe()));
        const auto playing = PulseFixture::level(m_pulse.record(kSinkA, 1.5));
        QVERIFY2(audible(playing), qPrintable(describe("playing", playing)));
        backend.pause();
        QVERIFY2(settled(kSinkA, false), "still audible after pause()");
        // Longer than the stall bound: a paused stream is not a stalled one.
        const auto paused = PulseFixture::level(
            m_pulse.record(kSinkA, (ms(GstStreamBackend::kStallTimeout) + 1000) / 1000.0));
        QVERIFY2(silent(paused), qPrintable(describe("paused", paused)));

        backend.resume();
        QVERIFY2(settled(kSinkA, true), "silent after resume()");
        const auto resumed = PulseFixture::level(m_pulse.record(kSinkA, 1.5));
        QVERIFY2(audible(resumed), qPrintable(describe("resumed", resumed)));
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
        QCOMPARE(reports.ready.count(), 1);
        QCOMPARE(m_server.requestCount(path) - requestsBefore, 1);
    }

    void reportsEachStreamTitleOnce()
    {
        GstStreamBackend backend;
        Reports reports(backend);

        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/icy"))),
                 qPrintable(reports.describe()));
        // The server repeats the title every 0.5 s and changes it after 3 s.
        QTRY_VERIFY_WITH_TIMEOUT(reports.titles.count() >= 2, 15000);
        QTest::qWait(1500);
        QStringList titles;
        for (const QList<QVariant> &arguments : std::as_const(reports.titles))
            titles << arguments.first().toString();
        QCOMPARE(titles, QStringList({QStringLiteral("First Title"), QStringLiteral("Second Title")}));
    }

    void titlesFromTheNetworkArePlainText()
    {
        GstStreamBackend backend;
        Reports reports(backend);
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/icy-hostile"))),
                 qPrintable(reports.describe()));
        // The server sends four hostile titles, one a second, and starts over.
        QTRY_VERIFY_WITH_TIMEOUT(reports.titles.count() >= 4, 15000);
        QSet<QString> titles;
        for (const QList<QVariant> &arguments : std::as_const(reports.titles))
            titles << arguments.first().toString();
        const QSet<QString> expected{
            QStringLiteral("<b>Bold</b> <img src=x>"), QString::fromUtf8("Café ÿþ au lait"),
            QStringLiteral("Line player: State: failed [2Jend"), QStringLiteral("spaced out")};
        QCOMPARE(titles, expected);
    }

    // A station that sounds hands its sound server stream on to the next one; only the new one is
    // heard after the switch, and a next station that fails is reported as ever.
    void aSwitchKeepsTheSoundServerStream()
    {
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);
        const auto streams = [this] {
            return m_pulse
                .pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")})
                .value_or(QString());
        };
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/quiet"))),
                 qPrintable(reports.describe()));
        QVERIFY(settled(kSinkA, true));
        const QString before = streams();
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/loud"))),
                 qPrintable(reports.describe()));
        // From the first moment after the switch it is the loud station (an RMS of 0.19 against 0.04).
        const auto level = PulseFixture::level(m_pulse.record(kSinkA, 1.0).left(44100 * 4 / 2));
        QVERIFY2(level.rms > 0.15, qPrintable(describe("the first half second after the switch", level)));
        QCOMPARE(streams(), before);
        backend.start(m_server.url(QStringLiteral("/404")));
        QTRY_COMPARE_WITH_TIMEOUT(reports.failed.count(), 1, 10000);
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/mp3"))),
                 qPrintable(reports.describe()));
        QVERIFY(reports.broken.isEmpty());
    }

    void aBurstOfStartsEndsOnTheLast()
    {
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);
        // As fast as the caller can: no pipeline is given time to start or stop.
        for (int i = 0; i < 300; ++i)
            backend.start(m_server.url(i % 2 ? QStringLiteral("/mp3") : QStringLiteral("/ogg")));
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/aac"))),
                 qPrintable(reports.describe()));
        QTest::qWait(1000);
        QCOMPARE(reports.ready.count(), 1);
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
        const auto level = PulseFixture::level(m_pulse.record(kSinkA, 1.0));
        QVERIFY2(audible(level), qPrintable(describe("the last stream", level)));
    }

    void audioFollowsTheOutputDevice()
    {
        GstStreamBackend backend;
        Reports reports(backend);
        QVERIFY(m_pulse.pactl({QStringLiteral("set-default-sink"), kSinkA}));

        // Chosen before the start: the stream opens on b, not on the default a.
        backend.setOutputDevice(kSinkB);
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/mp3"))),
                 qPrintable(reports.describe()));
        auto [a, b] = levels();
        QVERIFY2(audible(b), qPrintable(describe("b, chosen at start", b)));
        QVERIFY2(silent(a), qPrintable(describe("a, not chosen", a)));

        // Back to the system default while playing.
        backend.setOutputDevice(std::nullopt);
        QVERIFY2(settled(kSinkB, false), "b still audible after the switch to the default");
        std::tie(a, b) = levels();
        QVERIFY2(audible(a), qPrintable(describe("a, the default", a)));
        QVERIFY2(silent(b), qPrintable(describe("b, left", b)));

        // And to a named device while playing.
        backend.setOutputDevice(kSinkB);
        QVERIFY2(settled(kSinkA, false), "a still audible after the switch to b");
        std::tie(a, b) = levels();
        QVERIFY2(audible(b), qPrintable(describe("b, chosen while playing", b)));
        QVERIFY2(silent(a), qPrintable(describe("a, left", a)));

        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
    }

    void volumeScalesTheOutput()
    {
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);

        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/mp3"))),
                 qPrintable(reports.describe()));
        const double full = PulseFixture::level(m_pulse.record(kSinkA, 1.5)).rms;
        backend.setVolume(0.25f);
        QTest::qWait(1500);
        const double quarter = PulseFixture::level(m_pulse.record(kSinkA, 1.5)).rms;
        QVERIFY2(full > kAudible, qPrintable(QString::number(full)));
        QVERIFY2(quarter > 0.15 * full && quarter < 0.4 * full,
                 qPrintable(QStringLiteral("full %1, quarter %2").arg(full).arg(quarter)));
        backend.setVolume(0.0f);
        QVERIFY2(settled(kSinkA, false), "still audible at volume 0");
        const auto muted = PulseFixture::level(m_pulse.record(kSinkA, 1.0));
        QVERIFY2(silent(muted), qPrintable(describe("volume 0", muted)));
    }

    void clearEndsTheStreamAndItsReports()
    {
        GstStreamBackend backend;
        backend.setOutputDevice(kSinkA);
        Reports reports(backend);

        // This station hangs up 3 s after its start; after clear() that must go unreported.
        QVERIFY2(startAndWaitReady(backend, reports, m_server.url(QStringLiteral("/drop"))),
                 qPrintable(reports.describe()));
        backend.clear();
        QVERIFY2(settled(kSinkA, false), "still audible after clear()");
        const auto after = PulseFixture::level(m_pulse.record(kSinkA, 3.0));
        QVERIFY2(silent(after), qPrintable(describe("after clear", after)));
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
        backend.pause();
        backend.resume();
        QTest::qWait(300);
        QVERIFY2(reports.failed.isEmpty() && reports.broken.isEmpty(), qPrintable(reports.describe()));
    }

    void destructionWhileStreamsRun()
    {
        // Destroyed while playing, and while a failure and a connection check are on their way.
        for (const QString &url : {m_server.url(QStringLiteral("/mp3")), m_server.url(QStringLiteral("/404")),
                                   QStringLiteral("http://127.0.0.1:1/stream")}) {
            auto backend = std::make_unique<GstStreamBackend>();
            backend->setOutputDevice(kSinkA);
            Reports reports(*backend);
            backend->start(url);
            if (url.endsWith(QLatin1String("/mp3")))
                QVERIFY2(reports.ready.wait(20000), qPrintable(reports.describe()));
            backend.reset();
            QTest::qWait(500);
        }
        QVERIFY2(settled(kSinkA, false), "still audible after destruction");
        const auto after = PulseFixture::level(m_pulse.record(kSinkA, 1.0));
        QVERIFY2(silent(after), qPrintable(describe("after destruction", after)));
    }
};

QTEST_GUILESS_MAIN(TstGstBackend)
#include "tst_gstbackend.moc"
