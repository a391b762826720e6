// The sleep timer on the manual clock: what it shows, the fade, the pause at the end, what
// cancels it, and system sleep across the deadline.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepMonitor.h"
#include "playback/SleepTimer.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using std::chrono::milliseconds;

namespace {
const RadioStation a(QStringLiteral("Alfa"), QStringLiteral("http://a.example/live"));
const RadioStation b(QStringLiteral("Bravo"), QStringLiteral("http://b.example/live"));

class TestSleepMonitor final : public SleepMonitor
{
public:
    void sleep() { Q_EMIT willSleep(); }
    void wake() { Q_EMIT didWake(); }
};

struct Rig {
    Rig() : radio(&backend, &settings, &scheduler, &monitor), timer(&radio, &scheduler, &clock, &monitor)
    {
        settings.setValue(SettingsKey::PlayerVolume, 0.8);
        radio.setVolume(0.8);
        scheduler.advance(1s); // the volume save is behind us
        radio.play(a);
        backend.reportReady();
    }
    FakeStreamBackend backend;
    SettingsStore settings{QString()};
    ManualClock clock;
    ManualScheduler scheduler{&clock};
    TestSleepMonitor monitor;
    RadioPlayer radio;
    SleepTimer timer;
};
} // namespace

class TestSleepTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeline_data()
    {
        QTest::addColumn<milliseconds>("after");
        QTest::addColumn<QString>("status");
        QTest::addColumn<float>("backendVolume");
        QTest::addColumn<int>("state");
        QTest::newRow("set") << milliseconds(0ms) << "Slaaptimer: 30 min" << 0.8f
                             << int(PlaybackState::Playing);
        QTest::newRow("rounds up") << milliseconds(61s) << "Slaaptimer: 29 min" << 0.8f
                                   << int(PlaybackState::Playing);
        QTest::newRow("last minute in seconds")
            << milliseconds(29min + 15s) << "Slaaptimer: 45 s" << 0.8f << int(PlaybackState::Playing);
        QTest::newRow("half way through the fade")
            << milliseconds(29min + 45s) << "Slaaptimer: 15 s" << 0.4f << int(PlaybackState::Playing);
        QTest::newRow("nearly silent")
            << milliseconds(29min + 59500ms) << "Slaaptimer: 1 s" << 0.8f / 60 << int(PlaybackState::Playing);
        QTest::newRow("ended: paused, volume back")
            << milliseconds(30min) << "" << 0.8f << int(PlaybackState::Paused);
    }

    void timeline()
    {
        QFETCH(milliseconds, after);
        QFETCH(QString, status);
        QFETCH(float, backendVolume);
        QFETCH(int, state);
        Rig rig;
        QSignalSpy ended(&rig.timer, &SleepTimer::ended);
        rig.timer.start(30);
        rig.scheduler.advance(after);
        QCOMPARE(rig.timer.statusText(), status);
        QCOMPARE(rig.timer.chosenMinutes(), status.isEmpty() ? 0 : 30);
        QVERIFY(qAbs(rig.backend.volume - backendVolume) < 1e-4);
        QCOMPARE(int(rig.radio.playbackState().kind()), state);
        QCOMPARE(ended.size(), status.isEmpty() ? 1 : 0);
        // The fade never touches the user's volume, shown or saved.
        rig.scheduler.advance(5s);
        QCOMPARE(rig.radio.volume(), 0.8);
        QCOMPARE(rig.settings.doubleValue(SettingsKey::PlayerVolume), 0.8);
    }

    void whatCancels_data()
    {
        QTest::addColumn<milliseconds>("at");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("stillActive");
        QTest::addColumn<float>("backendVolume");
        QTest::newRow("Uit") << milliseconds(5min) << "off" << false << 0.8f;
        QTest::newRow("Uit during the fade") << milliseconds(14min + 45s) << "off" << false << 0.8f;
        QTest::newRow("pause by hand") << milliseconds(5min) << "pause" << false << 0.8f;
        QTest::newRow("stop during the fade") << milliseconds(14min + 45s) << "stop" << false << 0.8f;
        QTest::newRow("volume during the fade") << milliseconds(14min + 45s) << "volume" << false << 0.3f;
        QTest::newRow("volume before the fade") << milliseconds(5min) << "volume" << true << 0.3f;
        QTest::newRow("another station") << milliseconds(5min) << "station" << true << 0.8f;
        QTest::newRow("set again during the fade") << milliseconds(14min + 45s) << "again" << true << 0.8f;
    }

    void whatCancels()
    {
        QFETCH(milliseconds, at);
        QFETCH(QString, action);
        QFETCH(bool, stillActive);
        QFETCH(float, backendVolume);
        Rig rig;
        rig.timer.start(15);
        rig.scheduler.advance(at);
        if (action == "off")
            rig.timer.cancel();
        else if (action == "pause")
            rig.radio.togglePlayPause();
        else if (action == "stop")
            rig.radio.stop();
        else if (action == "volume")
            rig.radio.setVolume(0.3);
        else if (action == "station")
            rig.radio.play(b);
        else if (action == "again")
            rig.timer.start(15);
        QCOMPARE(rig.timer.isActive(), stillActive);
        QVERIFY(qAbs(rig.backend.volume - backendVolume) < 1e-4);
        const bool playingBefore = rig.radio.isPlaying();
        // Past the old deadline: only a timer still running pauses.
        rig.scheduler.advance(15min);
        QCOMPARE(rig.radio.isPlaying(), playingBefore && !stillActive);
    }

    void systemSleep_data()
    {
        QTest::addColumn<milliseconds>("asleep");
        QTest::addColumn<bool>("endsOnWake");
        QTest::newRow("deadline passed while asleep") << milliseconds(2h) << true;
        QTest::newRow("short nap") << milliseconds(5min) << false;
    }

    void systemSleep()
    {
        QFETCH(milliseconds, asleep);
        QFETCH(bool, endsOnWake);
        Rig rig;
        rig.timer.start(15);
        rig.scheduler.advance(5min);
        rig.monitor.sleep();
        rig.clock.advance(asleep); // the timers stand still; the clock does not
        rig.monitor.wake();
        QCOMPARE(rig.timer.isActive(), !endsOnWake);
        rig.backend.calls.clear();
        rig.scheduler.advance(2s); // past the player's own restart after wake
        QCOMPARE(rig.radio.isPlaying(), !endsOnWake);
        QCOMPARE(rig.backend.calls.contains(QStringLiteral("start http://a.example/live")), !endsOnWake);
        if (!endsOnWake)
            QCOMPARE(rig.timer.remainingText(), QStringLiteral("5 min")); // 15 - 5 awake - 5 asleep
    }

    void commandLineDurations_data()
    {
        QTest::addColumn<milliseconds>("duration");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("chosenMinutes");
        QTest::newRow("six seconds") << milliseconds(6s) << "Slaaptimer: 6 s" << 0;
        QTest::newRow("ninety seconds") << milliseconds(90s) << "Slaaptimer: 2 min" << 0;
        QTest::newRow("zero switches off") << milliseconds(0ms) << "" << 0;
    }

    void commandLineDurations()
    {
        QFETCH(milliseconds, duration);
        QFETCH(QString, status);
        QFETCH(int, chosenMinutes);
        Rig rig;
        rig.timer.startFor(duration);
        QCOMPARE(rig.timer.statusText(), status);
        QCOMPARE(rig.timer.chosenMinutes(), chosenMinutes);
        rig.scheduler.advance(duration);
        QVERIFY(!rig.timer.isActive());
        QCOMPARE(rig.radio.isPlaying(), duration == 0ms);
    }
};

QTEST_GUILESS_MAIN(TestSleepTimer)
#include "tst_sleeptimer.moc"
