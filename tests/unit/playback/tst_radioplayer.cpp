// The player's state machine, the failed set and the now-playing entry, on a fake backend.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "support/FakeNowPlayingSink.h"
#include "support/FakeStreamBackend.h"
#include "support/LogCapture.h"
#include "support/ManualScheduler.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>

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
            radio->onPlaybackError = [this](const RadioStation &s) { skipped.append(s); };
        }
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        FakeNowPlayingSink sink;
        std::unique_ptr<RadioPlayer> radio;
        QList<RadioStation> skipped;
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
                 (std::optional<NowPlayingInfo>(NowPlayingInfo{a.name, 255, true, 1.0})));

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
        rig.backend.reportFailed(QStringLiteral("HTTP 404"));
        QCOMPARE(rig.radio->playbackState(), PlaybackState::failed(QString()));
        QCOMPARE(rig.radio->playbackState().error(), QStringLiteral("HTTP 404"));
        QVERIFY(!rig.radio->isPlaying());
        QVERIFY(rig.radio->failedStations().contains(a.url));
        QCOMPARE(rig.skipped, QList<RadioStation>{a});
        QCOMPARE(stateChanged.size(), 1);
        QCOMPARE(log.texts(player),
                 (QStringList{"Player item failed: HTTP 404",
                              "Attempting to skip to next station due to playback failure"}));
        QCOMPARE(log.lines().constFirst().type, QtCriticalMsg);
        // The entry is not updated on failure.
        QCOMPARE(rig.sink.published.constLast()->playbackRate, 1.0);

        // A marked station is not started: nothing changes but the hand-over.
        rig.radio->play(b);
        rig.backend.calls.clear();
        log.clear();
        rig.radio->play(a);
        QCOMPARE(rig.backend.calls, QStringList{});
        QCOMPARE(rig.radio->currentStation(), std::optional<RadioStation>(b));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
        QCOMPARE(rig.skipped, (QList<RadioStation>{a, a}));
        QCOMPARE(log.texts(player), (QStringList{"Starting playback for station: Alfa",
                                                 "Station Alfa was recently marked as failed, skipping..."}));
    }

    void breakWhilePlaying()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportReady();
        LogCapture log;
        rig.backend.reportFailedWhilePlaying(QStringLiteral("no data for 5 s"));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Failed);
        QVERIFY(!rig.radio->isPlaying());
        QVERIFY(rig.radio->failedStations().contains(a.url));
        QCOMPARE(log.texts(player),
                 (QStringList{"Playback error: no data for 5 s",
                              "Attempting to skip to next station due to playback interruption"}));
        // Without an error there is nothing to act on, not even a log line.
        log.clear();
        rig.radio->handlePlaybackError(std::nullopt);
        rig.radio->handleItemStatus(RadioPlayer::ItemStatus::Failed, std::nullopt);
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(rig.skipped.size(), 1);
    }

    void readyClearsTheMark()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportFailed(QStringLiteral("x"));
        rig.radio->play(b);
        rig.radio->setErrorMessage(QStringLiteral("oud"));
        rig.backend.reportReady();
        QVERIFY(rig.radio->failedStations().contains(a.url)); // only the current station's mark goes
        QVERIFY(!rig.radio->errorMessage());
        // A stream that is already running for a marked station and becomes ready unmarks it.
        rig.radio->handleItemStatus(RadioPlayer::ItemStatus::Failed, QStringLiteral("y"));
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
        QCOMPARE(rig.sink.published.constLast()->playbackRate, 0.0);
        rig.radio->togglePlayPause();
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Playing);
        QCOMPARE(rig.backend.calls, (QStringList{"start http://a.example/live", "pause", "resume"}));

        // After a failure the same stream is resumed, not reloaded.
        rig.backend.reportFailed(QStringLiteral("gone"));
        log.clear();
        rig.radio->togglePlayPause();
        QCOMPARE(log.texts(player), QStringList{"Resuming playback"});
        QCOMPARE(rig.backend.calls.constLast(), QStringLiteral("resume"));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Playing);
        QVERIFY(rig.radio->isPlaying());
    }

    void stopKeepsTheFailedSet()
    {
        Rig rig;
        rig.radio->play(a);
        rig.backend.reportFailed(QStringLiteral("x"));
        rig.radio->play(b);
        rig.radio->stop();
        QVERIFY(!rig.radio->currentStation());
        QVERIFY(!rig.radio->errorMessage());
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Idle);
        QCOMPARE(rig.sink.published.constLast(), std::optional<NowPlayingInfo>());
        QVERIFY(rig.radio->failedStations().contains(a.url));
        QCOMPARE(rig.backend.calls.mid(rig.backend.calls.size() - 2), (QStringList{"pause", "clear"}));

        // Reports after stop concern no station and are ignored.
        rig.radio->handleItemStatus(RadioPlayer::ItemStatus::Failed, QStringLiteral("late"));
        rig.radio->handlePlaybackError(QStringLiteral("late"));
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
