// The player's state machine, the failed set, drop recovery, waiting for the network, the stream
// title and the now-playing entry, on a fake backend.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "support/FakeNetworkMonitor.h"
#include "support/FakeNowPlayingSink.h"
#include "support/FakeStreamBackend.h"
#include "support/LogCapture.h"
#include "support/ManualScheduler.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>

using namespace std::chrono_literals;
using Reachability = NetworkMonitor::Reachability;

namespace {
const RadioStation a(QStringLiteral("Alfa"), QStringLiteral("http://a.example/live"));
const RadioStation b(QStringLiteral("Bravo"), QStringLiteral("http://b.example/live"));
const QString player = QStringLiteral("player");
} // namespace

class TestRadioPlayer : public QObject
{
    Q_OBJECT

    struct Rig {
        explicit Rig(const QJsonObject &stored = {})
        {
            for (auto it = stored.begin(); it != stored.end(); ++it)
                settings.setValue(it.key(), it.value());
            radio = std::make_unique<RadioPlayer>(&backend, &settings, &scheduler);
            radio->setNowPlayingSink(&sink);
            QObject::connect(radio.get(), &RadioPlayer::stationFailed,
                             [this](const RadioStation &s) { skipped.append(s); });
        }
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        FakeNowPlayingSink sink;
        std::unique_ptr<RadioPlayer> radio;
        QList<RadioStation> skipped;
        QStringList started() const { return backend.calls.filter(QStringLiteral("start ")); }
    };

private Q_SLOTS:
    void playLoadsThenReady()
    {
        Rig rig;
        LogCapture log;
        rig.radio->play(a);
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QVERIFY(rig.radio->isPlaying());
        QCOMPARE(rig.radio->currentStation(), std::optional<RadioStation>(a));
        QCOMPARE(rig.backend.calls, QStringList{"start http://a.example/live"});
        QCOMPARE(rig.sink.published.constLast(),
                 (NowPlayingInfo{NowPlayingInfo::Status::Playing, 0.5, a.name, a.url, QString(), QString()}));

        rig.backend.reportReady();
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Playing);
        QCOMPARE(log.texts(player),
                 (QStringList{"Starting playback for station: Alfa", "Player item ready to play"}));

        // Playing the same station again starts a new stream.
        rig.radio->play(a);
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QCOMPARE(rig.backend.calls.count(QStringLiteral("start http://a.example/live")), 2);
    }

    void failureMarksAndHandsOver()
    {
        Rig rig;
        rig.radio->play(a);
        LogCapture log;
        QSignalSpy stateChanged(rig.radio.get(), &RadioPlayer::playbackStateChanged);
        rig.backend.reportFailed(StreamFailure::http(404));
        QCOMPARE(rig.radio->playbackState(), PlaybackState::failed({}));
        QCOMPARE(rig.radio->playbackState().failure(), StreamFailure::http(404));
        QVERIFY(!rig.radio->isPlaying());
        QVERIFY(rig.radio->failedStations().contains(a.url));
        QCOMPARE(rig.skipped, QList<RadioStation>{a});
        QCOMPARE(stateChanged.size(), 1);
        QCOMPARE(log.texts(player),
                 (QStringList{"Player item failed: HTTP 404",
                              "Attempting to skip to next station due to playback failure"}));
        QCOMPARE(log.lines().constFirst().type, QtCriticalMsg);
        // The media controls show a failed stream as stopped.
        QCOMPARE(rig.sink.published.constLast().status, NowPlayingInfo::Status::Stopped);

        // The skip chain passes over a marked station: nothing changes but the hand-over.
        rig.radio->play(b);
        rig.backend.calls.clear();
        log.clear();
        rig.radio->play(a, RadioPlayer::Choice::Automatic);
        QCOMPARE(rig.backend.calls, QStringList{});
        QCOMPARE(rig.radio->currentStation(), std::optional<RadioStation>(b));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QCOMPARE(rig.skipped, (QList<RadioStation>{a, a}));
        QCOMPARE(log.texts(player), (QStringList{"Starting playback for station: Alfa",
                                                 "Station Alfa was recently marked as failed, skipping..."}));

        // The user's own choice is tried again, and leaves the set once it plays.
        rig.radio->play(a);
        QCOMPARE(rig.started().constLast(), QStringLiteral("start http://a.example/live"));
        QCOMPARE(rig.radio->currentStation(), std::optional<RadioStation>(a));
        QVERIFY(rig.radio->failedStations().contains(a.url));
        rig.backend.reportReady();
        QVERIFY(!rig.radio->failedStations().contains(a.url));
        QCOMPARE(rig.skipped.size(), 2);
    }

    void aBreakIsRiddenOutThenFails()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportReady();
        LogCapture log;
        rig.backend.reportFailedWhilePlaying(StreamFailure::stalled(std::chrono::seconds(5)));
        // Loading again while it reconnects: nothing marked, nothing skipped.
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QVERIFY(rig.radio->isPlaying());
        QVERIFY(rig.radio->failedStations().isEmpty());
        QCOMPARE(log.texts(player),
                 (QStringList{
                     "Playback error: no data for 5 s",
                     "Stream broke off (no data for 5 s); reconnecting to Alfa in 500 ms, attempt 1 of 4"}));
        // Each reconnect that fails to start waits longer: 0.5, 1, 2, 4 s.
        for (const auto delay : RadioPlayer::reconnectDelays) {
            const qsizetype before = rig.started().size();
            rig.scheduler.advance(delay - 1ms);
            QCOMPARE(rig.started().size(), before);
            rig.scheduler.advance(1ms);
            QCOMPARE(rig.started().size(), before + 1);
            QCOMPARE(rig.skipped.size(), 0);
            rig.backend.reportFailed(StreamFailure::Reason::Refused);
        }
        // Then the station has failed.
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Failed);
        QCOMPARE(rig.radio->playbackState().failure(), StreamFailure(StreamFailure::Reason::Refused));
        QVERIFY(!rig.radio->isPlaying());
        QVERIFY(rig.radio->failedStations().contains(a.url));
        QCOMPARE(rig.skipped, QList<RadioStation>{a});
        QCOMPARE(log.texts(player).constLast(),
                 QStringLiteral("Attempting to skip to next station due to playback interruption"));
        rig.scheduler.advance(10s);
        QCOMPARE(rig.started().size(), 5);

        // Without an error there is nothing to act on, not even a log line.
        log.clear();
        rig.radio->handlePlaybackError(std::nullopt);
        rig.radio->handleItemStatus(RadioPlayer::ItemStatus::Failed, std::nullopt);
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(rig.skipped.size(), 1);
    }

    void aServerThatHangsUpEveryFewSecondsIsRiddenOut()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportReady();
        // Ten hang-ups, each after the stream played a while: always the first, short wait.
        for (int i = 0; i < 10; ++i) {
            rig.scheduler.advance(RadioPlayer::stablePlay);
            rig.backend.reportFailedWhilePlaying(StreamFailure::Reason::Ended);
            rig.scheduler.advance(RadioPlayer::reconnectDelays.front());
            rig.backend.reportReady();
            QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Playing);
        }
        QCOMPARE(rig.started().size(), 11);
        QVERIFY(rig.skipped.isEmpty());
        QCOMPARE(rig.radio->currentStation(), std::optional<RadioStation>(a));

        // One that breaks off again at once does not start the back-off afresh.
        rig.scheduler.advance(RadioPlayer::stablePlay);
        rig.backend.reportFailedWhilePlaying(StreamFailure::Reason::Ended);
        rig.scheduler.advance(500ms);
        rig.backend.reportReady();
        rig.backend.reportFailedWhilePlaying(StreamFailure::Reason::Ended);
        rig.scheduler.advance(999ms);
        QCOMPARE(rig.started().size(), 12);
        rig.scheduler.advance(1ms);
        QCOMPARE(rig.started().size(), 13);

        // Stop, pause or another station end a pending reconnect.
        rig.backend.reportFailedWhilePlaying(StreamFailure::Reason::Ended);
        rig.radio->togglePlayPause();
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Paused);
        rig.scheduler.advance(10s);
        QCOMPARE(rig.started().size(), 13);
    }

    void waitsForTheNetworkInsteadOfSkipping()
    {
        Rig rig;
        FakeNetworkMonitor network;
        rig.radio->setNetworkMonitor(&network);
        rig.radio->play(b);
        QCOMPARE(network.activations, 1); // watching starts with the first stream
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        QVERIFY(rig.radio->failedStations().contains(b.url));
        rig.skipped.clear();

        network.set(Reachability::Offline);
        QSignalSpy failedSpy(rig.radio.get(), &RadioPlayer::stationFailed);
        rig.radio->play(a);
        rig.backend.reportFailed(StreamFailure::Reason::HostNotFound);
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Failed);
        QCOMPARE(rig.radio->errorMessage(), std::optional<QString>(RadioPlayer::NoNetworkMessage));
        QCOMPARE(rig.radio->currentStation(), std::optional<RadioStation>(a));
        QVERIFY(!rig.radio->failedStations().contains(a.url));
        QVERIFY(rig.skipped.isEmpty());
        QVERIFY(failedSpy.isEmpty());

        // Back online: the failures of the outage are forgotten and the station starts again.
        rig.backend.calls.clear();
        network.set(Reachability::Online);
        QVERIFY(rig.radio->failedStations().isEmpty());
        QCOMPARE(rig.backend.calls, QStringList{"start http://a.example/live"});
        QVERIFY(!rig.radio->errorMessage());
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);

        // A stream that breaks off while offline waits too, without reconnect attempts.
        rig.backend.reportReady();
        network.set(Reachability::Offline);
        rig.backend.reportFailedWhilePlaying(StreamFailure::Reason::Ended);
        QCOMPARE(rig.radio->errorMessage(), std::optional<QString>(RadioPlayer::NoNetworkMessage));
        rig.scheduler.advance(10s);
        QCOMPARE(rig.started().size(), 1);
        // Stopped meanwhile: nothing starts when the network returns.
        rig.radio->stop();
        network.set(Reachability::Online);
        QCOMPARE(rig.started().size(), 1);

        // Unknown reachability skips as before.
        rig.radio->play(a);
        network.set(Reachability::Unknown);
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        QCOMPARE(rig.skipped, QList<RadioStation>{a});
    }

    void streamTitle()
    {
        Rig rig;
        QSignalSpy titles(rig.radio.get(), &RadioPlayer::streamTitleChanged);
        rig.backend.reportTitle(QStringLiteral("no station yet"));
        rig.radio->play(a);
        rig.backend.reportTitle(QStringLiteral("Artist\r\nplayer: State: failed\x1b[2J"));
        rig.backend.reportTitle(QStringLiteral("Artist player: State: failed[2J"));
        QCOMPARE(rig.radio->streamTitle(), QStringLiteral("Artist player: State: failed[2J"));
        rig.radio->play(a); // the same station again keeps it until the stream says otherwise
        QCOMPARE(rig.radio->streamTitle(), QStringLiteral("Artist player: State: failed[2J"));
        rig.radio->play(b);
        QCOMPARE(rig.radio->streamTitle(), QString());
        rig.backend.reportTitle(QStringLiteral("Song"));
        rig.radio->stop();
        QCOMPARE(rig.radio->streamTitle(), QString());
        QCOMPARE(titles.size(), 4);
    }

    void readyClearsTheMark()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.radio->play(b);
        rig.radio->setErrorMessage(QStringLiteral("oud"));
        rig.backend.reportReady();
        QVERIFY(rig.radio->failedStations().contains(a.url)); // only the current station's mark goes
        QVERIFY(!rig.radio->errorMessage());
        // A stream that is already running for a marked station and becomes ready unmarks it.
        rig.radio->handleItemStatus(RadioPlayer::ItemStatus::Failed,
                                    StreamFailure(StreamFailure::Reason::Refused));
        QVERIFY(rig.radio->failedStations().contains(b.url));
        rig.backend.reportReady();
        QVERIFY(!rig.radio->failedStations().contains(b.url));
    }

    void togglePlayPause()
    {
        Rig rig;
        LogCapture log;
        rig.radio->togglePlayPause(); // no station: nothing at all
        QVERIFY(log.lines().isEmpty());
        QVERIFY(rig.backend.calls.isEmpty());

        rig.radio->play(a);
        rig.backend.reportReady();
        rig.radio->togglePlayPause();
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Paused);
        QVERIFY(!rig.radio->isPlaying());
        QCOMPARE(rig.sink.published.constLast().status, NowPlayingInfo::Status::Paused);
        rig.radio->togglePlayPause();
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Playing);
        QCOMPARE(rig.backend.calls, (QStringList{"start http://a.example/live", "pause", "resume"}));

        // After a failure there is no stream to resume: play starts the station again and
        // never reports playing without one.
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        log.clear();
        rig.radio->togglePlayPause();
        QCOMPARE(log.texts(player), QStringList{"Resuming playback"});
        QCOMPARE(rig.backend.calls.constLast(), QStringLiteral("start http://a.example/live"));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QVERIFY(rig.radio->isPlaying());
        // Paused while loading, resumed: still loading until the stream is ready.
        rig.radio->togglePlayPause();
        rig.radio->togglePlayPause();
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QCOMPARE(rig.backend.calls.constLast(), QStringLiteral("resume"));
    }

    void stopKeepsTheFailedSet()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.radio->play(b);
        rig.radio->stop();
        QVERIFY(!rig.radio->currentStation());
        QVERIFY(!rig.radio->errorMessage());
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Idle);
        QCOMPARE(rig.sink.published.constLast(), NowPlayingInfo{});
        QVERIFY(rig.radio->failedStations().contains(a.url));
        QCOMPARE(rig.backend.calls.mid(rig.backend.calls.size() - 2), (QStringList{"pause", "clear"}));

        // Reports after stop concern no station and are ignored.
        rig.radio->handleItemStatus(RadioPlayer::ItemStatus::Failed,
                                    StreamFailure(StreamFailure::Reason::Refused));
        rig.radio->handlePlaybackError(StreamFailure(StreamFailure::Reason::Ended));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Idle);
        QCOMPARE(rig.skipped.size(), 1);
    }

    void volume_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << 0.5;
        QTest::newRow("stored") << QJsonValue(0.8) << 0.8;
        QTest::newRow("not a number") << QJsonValue(QStringLiteral("hard")) << 0.5;
        QTest::newRow("above range") << QJsonValue(40.0) << 1.0;
        QTest::newRow("below range") << QJsonValue(-2.0) << 0.0;
    }

    void volume()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(double, expected);
        QJsonObject settings;
        if (!stored.isUndefined())
            settings.insert(QStringLiteral("playerVolume"), stored);
        Rig rig(settings);
        QCOMPARE(rig.radio->volume(), expected);
        QCOMPARE(rig.backend.volume, float(expected));

        rig.radio->setVolume(0.25);
        QCOMPARE(rig.backend.volume, 0.25f);
        rig.radio->setVolume(std::nan(""));
        QCOMPARE(rig.radio->volume(), 0.25);
        // Reading the stored value writes nothing back; the change is saved a second later.
        QCOMPARE(rig.settings.value(QStringLiteral("playerVolume")), stored);
    }

    void volumeIsSavedOnceASecondAndAtQuit()
    {
        Rig rig;
        QSignalSpy written(&rig.settings, &SettingsStore::changed);
        for (double v : {0.3, 0.4, 0.6})
            rig.radio->setVolume(v);
        rig.scheduler.advance(std::chrono::milliseconds(999));
        QCOMPARE(written.size(), 0);
        rig.scheduler.advance(std::chrono::milliseconds(1));
        QCOMPARE(written.size(), 1);
        QCOMPARE(rig.settings.value(QStringLiteral("playerVolume")), QJsonValue(0.6));

        rig.radio->setVolume(0.7);
        rig.radio.reset(); // quit before the second is over
        QCOMPARE(rig.settings.value(QStringLiteral("playerVolume")), QJsonValue(0.7));
        QCOMPARE(written.size(), 2);
        QCOMPARE(RadioPlayer(&rig.backend, &rig.settings, &rig.scheduler).volume(), 0.7);
    }

    // Each step: what the user does, then the volume shown (the slider, MPRIS), what the backend
    // plays at, and the offset stored for station a a second later.
    void stationVolume()
    {
        Rig rig;
        const auto storedOffset = [&rig] {
            rig.scheduler.advance(std::chrono::milliseconds(1000));
            return rig.settings.value(QStringLiteral("stationVolumes")).toObject().value(a.url).toDouble();
        };
        struct Step {
            const char *what;
            std::function<void()> act;
            double shown;
            float played;
            double offsetA;
        };
        const QList<Step> steps{
            {"a too loud: turned down while it plays",
             [&] {
                 rig.radio->play(a);
                 rig.radio->setVolume(0.25);
             },
             0.25, 0.25f, -6.02},
            {"b plays at the general volume", [&] { rig.radio->play(b); }, 0.5, 0.5f, -6.02},
            {"a again: general volume shown, its offset heard", [&] { rig.radio->play(a); }, 0.5, 0.25f,
             -6.02},
            {"a turned down further", [&] { rig.radio->setVolume(0.25); }, 0.25, 0.125f, -12.04},
            {"paused: the change is the general one",
             [&] {
                 rig.radio->togglePlayPause();
                 rig.radio->setVolume(0.8);
             },
             0.8, 0.2f, -12.04},
            {"stopped, then a plays",
             [&] {
                 rig.radio->stop();
                 rig.radio->play(a);
             },
             0.8, 0.2f, -12.04},
        };
        for (const Step &step : steps) {
            step.act();
            QVERIFY2(qFuzzyCompare(rig.radio->volume(), step.shown), step.what);
            QVERIFY2(std::abs(rig.backend.volume - step.played) < 1e-3f, step.what);
            QVERIFY2(std::abs(storedOffset() - step.offsetA) < 0.01, step.what);
        }
        QCOMPARE(rig.settings.value(QStringLiteral("playerVolume")), QJsonValue(0.8));
        QVERIFY(!rig.settings.value(QStringLiteral("stationVolumes")).toObject().contains(b.url));
    }

    void outputDevice()
    {
        Rig rig;
        rig.radio->play(a);
        rig.radio->setOutputDevice(QStringLiteral("sink-b"));
        QCOMPARE(rig.backend.device, std::optional<QString>(QStringLiteral("sink-b")));
        rig.backend.calls.clear();
        rig.radio->play(b);
        QCOMPARE(rig.backend.calls, (QStringList{"start http://b.example/live", "device sink-b"}));
        rig.radio->setOutputDevice(std::nullopt);
        QCOMPARE(rig.backend.device, std::optional<QString>());
    }
};

QTEST_GUILESS_MAIN(TestRadioPlayer)
#include "tst_radioplayer.moc"
