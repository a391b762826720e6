// The settings' alarm page on a real alarm clock and settings store: what an edit stores, how a
// row reads, and that the clock's next alarm follows every edit.
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
#include "viewmodels/AlarmListModel.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

namespace {
struct Rig {
    struct Wall final : WallClock {
        QDateTime at = QDateTime(QDate(2026, 3, 4), QTime(12, 0), Qt::UTC); // a Wednesday
        QDateTime now() const override { return at; }
    };
    struct Chime final : ChimePlayer {
        void startChime(float) override {}
        void stopChime() override {}
    };
    Rig()
    {
        fixture.writeCatalogue(
            "[{\"name\":\"A\",\"stations\":[{\"name\":\"Een\",\"url\":\"http://een.example/\"}]}]");
        stations.loadStations();
    }
    CatalogueFixture fixture;
    FakeStreamBackend backend;
    SettingsStore settings{QString()};
    ManualClock clock;
    ManualScheduler scheduler{&clock};
    Wall wall;
    Chime chime;
    StationManager stations{fixture.folder(), fixture.builtInPath()};
    RadioPlayer player{&backend, &settings, &scheduler};
    SleepTimer sleepTimer{&player, &scheduler, &clock};
    AlarmClock alarmClock{&player, &stations, &sleepTimer, &settings, &scheduler,
                          &wall,   &chime,    nullptr,     nullptr};
    AlarmListModel model{&alarmClock, &stations};

    QVariantMap row(const QString &time, const QVariantList &days)
    {
        QVariantMap alarm = model.blank();
        alarm[QStringLiteral("time")] = time;
        alarm[QStringLiteral("days")] = days;
        return alarm;
    }
    QJsonArray stored() const { return settings.value(SettingsKey::Alarms).toArray(); }
};
} // namespace

class TestAlarmListModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void save_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QVariantList>("days");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("daysText");
        QTest::newRow("days sorted, once each") << "7:30" << QVariantList{3, 1, 1} << ""
                                                << "ma, wo";
        QTest::newRow("working days") << "07:30" << QVariantList{1, 2, 3, 4, 5} << ""
                                      << "Werkdagen";
        QTest::newRow("weekend") << "07:30" << QVariantList{7, 6} << ""
                                 << "Weekend";
        QTest::newRow("every day") << "07:30" << QVariantList{1, 2, 3, 4, 5, 6, 7} << ""
                                   << "Elke dag";
        QTest::newRow("no day: once") << "07:30" << QVariantList{} << ""
                                      << "Eenmalig";
        QTest::newRow("no time") << "" << QVariantList{1} << "Geef een tijd als 07:30."
                                 << "";
        QTest::newRow("past midnight") << "24:00" << QVariantList{1} << "Geef een tijd als 07:30."
                                       << "";
    }

    void save()
    {
        QFETCH(QString, time);
        QFETCH(QVariantList, days);
        QFETCH(QString, refusal);
        QFETCH(QString, daysText);
        Rig rig;
        QCOMPARE(rig.model.save(-1, rig.row(time, days)), refusal);
        QCOMPARE(rig.stored().size(), refusal.isEmpty() ? 1 : 0);
        if (!refusal.isEmpty())
            return;
        const QVariantMap row = rig.model.alarms().value(0).toMap();
        QCOMPARE(row.value("time").toString(), QStringLiteral("07:30"));
        QCOMPARE(row.value("daysText").toString(), daysText);
        QCOMPARE(row.value("stationText").toString(), QStringLiteral("Laatst gespeelde station"));
        // The clock rings it next: within a day for a one-off, in its local time.
        const std::optional<QDateTime> due = rig.alarmClock.nextDue();
        QVERIFY(due && *due > rig.wall.at);
        QCOMPARE(due->toLocalTime().time(), QTime(7, 30));
        if (days.isEmpty())
            QVERIFY(rig.wall.at.secsTo(*due) <= 25 * 3600);
        QCOMPARE(rig.alarmClock.nextText(), QStringLiteral("Wekker: 07:30"));
    }

    void editsAreStoredAndFollowed()
    {
        Rig rig;
        QSignalSpy rows(&rig.model, &AlarmListModel::alarmsChanged);
        QVERIFY(rig.model.save(-1, rig.row("08:00", {1, 2, 3, 4, 5})).isEmpty());
        QVariantMap second = rig.row("06:15", {6, 7});
        second["station"] = "Een";
        second["fadeSeconds"] = 99999; // past the longest fade
        second["volume"] = 80;
        QVERIFY(rig.model.save(-1, second).isEmpty());
        QCOMPARE(rows.count(), 2);
        QCOMPARE(rig.stored().at(1).toObject(), (QJsonObject{{"time", "06:15"},
                                                             {"days", QJsonArray{6, 7}},
                                                             {"station", "Een"},
                                                             {"fadeSeconds", 3600},
                                                             {"volume", 80},
                                                             {"enabled", true}}));
        // Changed in place, switched off, removed: each stored and reflected in the next alarm.
        QVERIFY(rig.model.save(0, rig.row("09:45", {4})).isEmpty());
        QCOMPARE(rig.stored().at(0).toObject().value("time").toString(), QStringLiteral("09:45"));
        QCOMPARE(rig.alarmClock.nextText(), QStringLiteral("Wekker: 09:45")); // Thursday, before Saturday
        rig.model.setEnabled(0, false);
        QCOMPARE(rig.stored().at(0).toObject().value("enabled").toBool(), false);
        QCOMPARE(rig.alarmClock.nextText(), QStringLiteral("Wekker: 06:15"));
        rig.model.remove(1);
        QCOMPARE(rig.stored().size(), 1);
        QCOMPARE(rig.alarmClock.nextText(), QString());
        QCOMPARE(rows.count(), 5);
        // A file changed by another program shows too.
        rig.settings.setValue(SettingsKey::Alarms, QJsonArray{});
        QCOMPARE(rig.model.alarms(), QVariantList());
        QCOMPARE(rows.count(), 6);
    }

    void onceSwitchedBackOnRingsAgain()
    {
        Rig rig;
        QVERIFY(rig.model.save(-1, rig.row("13:00", {})).isEmpty());
        rig.model.setEnabled(0, false);
        rig.wall.at = rig.wall.at.addDays(2); // its moment went by while it was off
        rig.model.setEnabled(0, true);
        const std::optional<QDateTime> due = rig.alarmClock.nextDue();
        QVERIFY(due && *due > rig.wall.at && rig.wall.at.secsTo(*due) <= 25 * 3600);
    }

    void stationOptions()
    {
        Rig rig;
        const auto values = [&](const QString &keep) {
            QStringList list;
            for (const QVariant &option : rig.model.stationOptions(keep))
                list << option.toMap().value("value").toString();
            return list;
        };
        QCOMPARE(values("Een"), (QStringList{"", "Een"}));
        // A station gone from the catalogue stays choosable for the alarm that has it.
        QCOMPARE(values("Weg"), (QStringList{"", "Een", "Weg"}));
    }
};

QTEST_GUILESS_MAIN(TestAlarmListModel)
#include "tst_alarmlistmodel.moc"
