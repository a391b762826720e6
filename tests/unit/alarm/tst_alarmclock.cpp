// The alarm clock ringing over a player that plays another station: the alarm's station plays at
// the alarm's volume, and the station that played before keeps its own level.
#include "alarm/AlarmClock.h"
#include "alarm/ChimePlayer.h"
#include "base/SettingsStore.h"
#include "base/WallClock.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "support/CatalogueFixture.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QJsonObject>
#include <QTest>

using namespace std::chrono_literals;

namespace {
// The wall clock moves with the manual clock, which the scheduler moves.
struct Wall final : WallClock {
    explicit Wall(const ManualClock *clock) : m_clock(clock) {}
    QDateTime now() const override
    {
        return QDateTime(QDate(2026, 3, 4), QTime(12, 0), Qt::UTC).addMSecs(m_clock->now().count());
    }
    const ManualClock *m_clock;
};
struct Chime final : ChimePlayer {
    void startChime(float) override {}
    void stopChime() override {}
};
} // namespace

class TestAlarmClock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ringsOverAnotherStationAtItsOwnVolume()
    {
        CatalogueFixture fixture;
        fixture.writeCatalogue(
            "[{\"name\":\"A\",\"stations\":[{\"name\":\"Een\",\"url\":\"http://een.example/\"},"
            "{\"name\":\"Twee\",\"url\":\"http://twee.example/\"}]}]");
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualClock clock;
        ManualScheduler scheduler{&clock};
        Wall wall{&clock};
        Chime chime;
        StationManager stations{fixture.folder(), fixture.builtInPath()};
        RadioPlayer player{&backend, &settings, &scheduler};
        SleepTimer sleepTimer{&player, &scheduler, &clock};
        AlarmClock alarmClock{&player, &stations, &sleepTimer, &settings, &scheduler,
                              &wall,   &chime,    nullptr,     nullptr};

        player.setVolume(0.8);
        player.play(RadioStation(QStringLiteral("Een"), QStringLiteral("http://een.example/")));
        backend.reportReady();
        QVERIFY(alarmClock.addOnce(wall.now().addSecs(60), QStringLiteral("Twee"), false, 10s, 30).isEmpty());
        scheduler.advance(61s);
        QCOMPARE(player.currentStation()->name, QStringLiteral("Twee"));
        QCOMPARE(qRound(player.volume() * 100), 30);
        QCOMPARE(
            settings.value(SettingsKey::StationVolumes).toObject().value("http://een.example/").toDouble(0.0),
            0.0);
        // It fades in over its own 10 s.
        backend.reportReady();
        scheduler.advance(5s);
        QCOMPARE(player.fadeLevel(), 0.5);
        scheduler.advance(6s);
        QCOMPARE(player.fadeLevel(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestAlarmClock)
#include "tst_alarmclock.moc"
