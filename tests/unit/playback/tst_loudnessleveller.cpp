#include "base/SettingsStore.h"
#include "playback/LoudnessControl.h"
#include "playback/LoudnessLeveller.h"
#include "playback/RadioPlayer.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QJsonObject>
#include <QTest>

using namespace std::chrono_literals;

namespace {
const RadioStation loud(QStringLiteral("Loud"), QStringLiteral("http://loud.example/live"));
const RadioStation quiet(QStringLiteral("Quiet"), QStringLiteral("http://quiet.example/live"));
} // namespace

class TstLoudnessLeveller : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A station measured every 100 ms for a while: where the gain ends, and that it never moved
    // faster than 1 dB/s on the way.
    void leveller_data()
    {
        QTest::addColumn<double>("startDb");
        QTest::addColumn<double>("rmsDb");
        QTest::addColumn<double>("peakDb");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<double>("expectedDb");
        QTest::newRow("quiet: waits a second, then 1 dB/s") << 0.0 << -25.0 << -22.0 << 5 << 4.1;
        QTest::newRow("quiet: settles at the target") << 0.0 << -25.0 << -22.0 << 20 << 7.0;
        QTest::newRow("loud: settles at the target") << 0.0 << -11.0 << -8.0 << 20 << -7.0;
        QTest::newRow("learned gain kept from the start") << -7.0 << -11.0 << -8.0 << 3 << -7.0;
        QTest::newRow("peaks hold the gain below the limiter") << 0.0 << -30.0 << -4.0 << 20 << 3.0;
        QTest::newRow("highest gain") << 0.0 << -50.0 << -45.0 << 30 << 18.0;
        QTest::newRow("lowest gain") << 0.0 << 10.0 << 12.0 << 40 << -24.0;
        QTest::newRow("silence is not levelled") << 5.0 << -70.0 << -65.0 << 10 << 5.0;
    }

    void leveller()
    {
        QFETCH(double, startDb);
        QFETCH(double, rmsDb);
        QFETCH(double, peakDb);
        QFETCH(int, seconds);
        QFETCH(double, expectedDb);
        LoudnessLeveller leveller;
        leveller.reset(startDb);
        double last = startDb;
        for (auto t = 50000ms; t <= 50000ms + std::chrono::seconds(seconds); t += 100ms) {
            const double gain = leveller.measure(t, rmsDb, peakDb);
            QVERIFY2(std::abs(gain - last) <= 0.1 + 1e-9, qPrintable(QString::number(gain - last)));
            last = gain;
        }
        QVERIFY2(std::abs(last - expectedDb) < 0.05, qPrintable(QString::number(last)));
    }

    void pauseDoesNotJump()
    {
        LoudnessLeveller leveller;
        leveller.reset(0);
        for (auto t = 0ms; t <= 2000ms; t += 100ms)
            leveller.measure(t, -25, -22);
        const double before = leveller.gainDb();
        QVERIFY(std::abs(leveller.measure(60000ms, -25, -22) - before) <= 0.5 + 1e-9);
    }

    // The control on the player and a fake backend: levels the playing station, keeps what it
    // learned for the next play, and does nothing when switched off.
    void control()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        ManualClock clock;
        RadioPlayer player(&backend, &settings, &scheduler);
        LoudnessControl control(&backend, &player, &settings, &clock);
        QVERIFY(backend.levelling); // on by default
        const auto playFor = [&](const RadioStation &station, std::chrono::seconds length, double rms) {
            player.play(station);
            const double startGain = backend.levellingGain;
            for (auto t = 0ms; t < length; t += 100ms) {
                clock.advance(100ms);
                backend.reportLevel(rms, rms + 3);
            }
            return startGain;
        };
        QCOMPARE(playFor(loud, 10s, -11), 0.0);
        QVERIFY(std::abs(backend.levellingGain + 7.0) < 0.05);
        QCOMPARE(playFor(quiet, 10s, -25), 0.0);
        QVERIFY(std::abs(backend.levellingGain - 7.0) < 0.05);
        // The second play starts at the learned gain.
        QVERIFY(std::abs(playFor(loud, 1s, -11) + 7.0) < 0.05);
        QVERIFY(std::abs(
                    settings.value(QStringLiteral("stationLoudness")).toObject().value(quiet.url).toDouble() -
                    7.0) < 0.05);

        settings.setValue(QStringLiteral("loudnessLeveling"), false);
        QVERIFY(!backend.levelling);
        QCOMPARE(backend.levellingGain, 0.0);
        playFor(quiet, 3s, -25);
        QCOMPARE(backend.levellingGain, 0.0);
    }
};

QTEST_GUILESS_MAIN(TstLoudnessLeveller)
#include "tst_loudnessleveller.moc"
