// Pausing for system sleep and what happens 1.5 s after wake, for every setting and mode.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepMonitor.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
const RadioStation a(QStringLiteral("Alfa"), QStringLiteral("http://a.example/live"));

class TestSleepMonitor final : public SleepMonitor
{
public:
    void sleep() { Q_EMIT willSleep(); }
    void wake() { Q_EMIT didWake(); }
};
} // namespace

class TestSleepWake : public QObject
{
    Q_OBJECT

    struct Rig {
        Rig() : radio(&backend, &settings, &scheduler, &monitor) {}
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        TestSleepMonitor monitor;
        RadioPlayer radio;
    };

private Q_SLOTS:
    void sleepAndWake_data()
    {
        QTest::addColumn<QJsonValue>("pauseOnSleep");
        QTest::addColumn<QJsonValue>("standbyMode");
        QTest::addColumn<QStringList>("callsAfterSleep");
        QTest::addColumn<QStringList>("callsAfterWake");
        QTest::addColumn<bool>("playingAfterWake");
        const QJsonValue absent(QJsonValue::Undefined);
        const QStringList restart{"pause", "start http://a.example/live"};
        QTest::newRow("defaults restart") << absent << absent << QStringList{"pause"} << restart << true;
        QTest::newRow("restart") << QJsonValue(true) << QJsonValue("restart") << QStringList{"pause"}
                                 << restart << true;
        QTest::newRow("resume") << QJsonValue(true) << QJsonValue("resume") << QStringList{"pause"}
                                << QStringList{"pause", "resume"} << true;
        QTest::newRow("none") << QJsonValue(true) << QJsonValue("none") << QStringList{"pause"}
                              << QStringList{"pause"} << false;
        QTest::newRow("unknown mode restarts")
            << QJsonValue(true) << QJsonValue("Resume") << QStringList{"pause"} << restart << true;
        QTest::newRow("mode of wrong type restarts")
            << QJsonValue(true) << QJsonValue(3) << QStringList{"pause"} << restart << true;
        QTest::newRow("pausing off") << QJsonValue(false) << QJsonValue("resume") << QStringList{}
                                     << QStringList{} << true;
        QTest::newRow("pausing of wrong type counts as on")
            << QJsonValue("no") << QJsonValue("resume") << QStringList{"pause"}
            << QStringList{"pause", "resume"} << true;
    }

    void sleepAndWake()
    {
        QFETCH(QJsonValue, pauseOnSleep);
        QFETCH(QJsonValue, standbyMode);
        QFETCH(QStringList, callsAfterSleep);
        QFETCH(QStringList, callsAfterWake);
        QFETCH(bool, playingAfterWake);
        Rig rig;
        rig.settings.setValue(QStringLiteral("pauseOnSleep"), pauseOnSleep);
        rig.settings.setValue(QStringLiteral("standbyMode"), standbyMode);
        rig.radio.play(a);
        rig.backend.reportReady();
        rig.backend.calls.clear();

        rig.monitor.sleep();
        QCOMPARE(rig.backend.calls, callsAfterSleep);
        // The system waits for the backend to carry out the pause, and no longer.
        QCOMPARE(rig.monitor.isSleepHeld(), !callsAfterSleep.isEmpty());
        rig.backend.reportPaused();
        QVERIFY(!rig.monitor.isSleepHeld());
        QVERIFY(rig.radio.wasPlayingBeforeSleep());
        QCOMPARE(rig.radio.isPlaying(), callsAfterSleep.isEmpty());
        QCOMPARE(rig.radio.playbackState().kind(), PlaybackState::Playing); // untouched by sleep

        rig.monitor.wake();
        rig.scheduler.advance(1499ms);
        QCOMPARE(rig.backend.calls, callsAfterSleep);
        rig.scheduler.advance(1ms);
        QCOMPARE(rig.backend.calls, callsAfterWake);
        QCOMPARE(rig.radio.isPlaying(), playingAfterWake);
    }

    void nothingToDoAtWake()
    {
        { // asleep while paused
            Rig rig;
            rig.radio.play(a);
            rig.radio.togglePlayPause();
            rig.monitor.sleep();
            QVERIFY(!rig.radio.wasPlayingBeforeSleep());
            rig.monitor.wake();
            QCOMPARE(rig.scheduler.pending(), 0);
        }
        { // pausing switched off between sleep and wake: stays paused
            Rig rig;
            rig.radio.play(a);
            rig.monitor.sleep();
            rig.settings.setValue(QStringLiteral("pauseOnSleep"), false);
            rig.monitor.wake();
            QCOMPARE(rig.scheduler.pending(), 0);
            QVERIFY(!rig.radio.isPlaying());
        }
        { // stopped before wake
            Rig rig;
            rig.radio.play(a);
            rig.monitor.sleep();
            rig.radio.stop();
            rig.monitor.wake();
            QCOMPARE(rig.scheduler.pending(), 0);
        }
        { // stopped during the wake delay: the restart must not bring the radio back
            Rig rig;
            rig.radio.play(a);
            rig.monitor.sleep();
            rig.monitor.wake();
            rig.radio.stop();
            rig.backend.calls.clear();
            rig.scheduler.advance(2s);
            QVERIFY(rig.backend.calls.isEmpty());
            QVERIFY(!rig.radio.currentStation());
        }
    }

    void restartOfAFailedStationSkips()
    {
        Rig rig;
        QList<RadioStation> skipped;
        QObject::connect(&rig.radio, &RadioPlayer::stationFailed,
                         [&](const RadioStation &s) { skipped.append(s); });
        rig.radio.play(a);
        rig.backend.reportFailed(StreamFailure::Reason::Refused); // marked
        rig.radio.togglePlayPause();                              // the user starts it again
        skipped.clear();
        rig.monitor.sleep();
        rig.monitor.wake();
        rig.backend.calls.clear();
        rig.scheduler.advance(1500ms);
        QVERIFY(rig.backend.calls.isEmpty()); // not started again
        QCOMPARE(skipped, QList<RadioStation>{a});
    }

    // A stream that breaks off instead of pausing lets the system sleep too.
    void aStreamThatFailsReleasesTheSleep()
    {
        Rig rig;
        rig.radio.play(a);
        rig.backend.reportReady();
        rig.monitor.sleep();
        QVERIFY(rig.monitor.isSleepHeld());
        rig.backend.reportFailedWhilePlaying(StreamFailure::Reason::Ended);
        QVERIFY(!rig.monitor.isSleepHeld());
    }
};

QTEST_GUILESS_MAIN(TestSleepWake)
#include "tst_sleepwake.moc"
