// The tray's menu and tooltip as the player's state and the catalogue make them.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "viewmodels/TrayMenu.h"
#include "viewmodels/TrayTooltip.h"

#include <QTest>

namespace {
const RadioStation one(QStringLiteral("Eén"), QStringLiteral("http://one.example/"));
const RadioStation two(QStringLiteral("Twee"), QStringLiteral("http://two.example/"));
// The same station in a second category.
const Catalogue catalogue{
    {QStringLiteral("Nieuws"), {one, two}}, {QStringLiteral("Leeg"), {}}, {QStringLiteral("Ook"), {two}}};

struct Rig {
    // "idle", "loading", "playing", "paused", "failed"
    explicit Rig(const QString &state)
    {
        if (state == QLatin1String("idle"))
            return;
        player.play(two);
        if (state == QLatin1String("failed") || state == QLatin1String("exhausted"))
            backend.reportFailed(StreamFailure::http(404));
        else if (state != QLatin1String("loading"))
            backend.reportReady();
        if (state == QLatin1String("titled"))
            backend.reportTitle(QStringLiteral("<b>Song</b> - Artist"));
        if (state == QLatin1String("dashed"))
            backend.reportTitle(QStringLiteral("  Golden Earring \u2013 Radar Love "));
        if (state == QLatin1String("exhausted"))
            player.setErrorMessage(RadioPlayer::NoWorkingStationsMessage);
        if (state == QLatin1String("paused"))
            player.togglePlayPause();
    }
    FakeStreamBackend backend;
    SettingsStore settings{QString()};
    ManualScheduler scheduler;
    RadioPlayer player{&backend, &settings, &scheduler};
};
} // namespace

class TestTrayMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void byState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("playPause");
        QTest::addColumn<bool>("playPauseEnabled");
        QTest::addColumn<bool>("stopEnabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("tooltip");
        // What "Kopieer titel" copies; empty: the entry is greyed out.
        QTest::addColumn<QString>("copied");
        QTest::newRow("idle") << "idle"
                              << "Hervat" << false << false << false << "Geen station gekozen"
                              << "";
        QTest::newRow("loading") << "loading"
                                 << "Pauzeer" << false << true << true << "Twee (laden...)"
                                 << "";
        QTest::newRow("playing") << "playing"
                                 << "Pauzeer" << true << true << true << "Twee"
                                 << "";
        QTest::newRow("paused keeps the tick") << "paused"
                                               << "Hervat" << true << true << true << "Twee (gepauzeerd)"
                                               << "";
        QTest::newRow("failed") << "failed"
                                << "Hervat" << true << true << false
                                << "Twee (mislukt)\nniet gevonden (HTTP 404)"
                                << "";
        QTest::newRow("playing, with a title")
            << "titled"
            << "Pauzeer" << true << true << true << "Twee\n<b>Song</b> - Artist"
            << "<b>Song</b> - Artist";
        QTest::newRow("a title copies as the history writes it")
            << "dashed"
            << "Pauzeer" << true << true << true << "Twee\nGolden Earring \u2013 Radar Love"
            << "Golden Earring - Radar Love";
        QTest::newRow("nothing left to try")
            << "exhausted"
            << "Hervat" << true << true << false << "Twee (mislukt)\nGeen werkende stations beschikbaar"
            << "";
    }

    void byState()
    {
        QFETCH(QString, state);
        QFETCH(QString, playPause);
        QFETCH(bool, playPauseEnabled);
        QFETCH(bool, stopEnabled);
        QFETCH(bool, checked);
        QFETCH(QString, tooltip);
        QFETCH(QString, copied);
        Rig rig(state);
        const QList<TrayMenuEntry> menu = TrayMenu::build(rig.player, catalogue);

        QCOMPARE(menu.at(1).label, playPause);
        QCOMPARE(menu.at(1).enabled, playPauseEnabled);
        QCOMPARE(menu.at(2).enabled, stopEnabled);
        QCOMPARE(menu.at(3).id, int(TrayMenu::CopyTitle));
        QCOMPARE(menu.at(3).enabled, !copied.isEmpty());
        QCOMPARE(TrayMenu::titleToCopy(rig.player), copied);
        // The station is ticked wherever it appears.
        QCOMPARE(menu.at(5).children.at(1).checked, checked);
        QCOMPARE(menu.at(7).children.at(0).checked, checked);
        QVERIFY(!menu.at(5).children.at(0).checked);
        QCOMPARE(TrayTooltip::compute(rig.player), (TrayTooltip{QStringLiteral("Zeffira"), tooltip}));
    }

    void layoutAndIds()
    {
        Rig rig(QStringLiteral("idle"));
        const QList<TrayMenuEntry> menu = TrayMenu::build(rig.player, catalogue);
        QStringList labels;
        for (const TrayMenuEntry &entry : menu)
            labels << (entry.isSeparator ? QStringLiteral("-") : entry.label);
        QCOMPARE(labels,
                 (QStringList{"Paneel openen", "Hervat", "Stop", "Kopieer titel", "-", "Nieuws", "Leeg",
                              "Ook", "-", "Instellingen...", "Over Zeffira", "-", "Sluit af"}));
        QVERIFY(menu.at(0).isDefault);
        QVERIFY(!menu.at(6).enabled); // an empty category shows, greyed out

        // Every station entry leads back to its own station, the copy in "Ook" included.
        QCOMPARE(TrayMenu::stationFor(menu.at(5).children.at(1).id, catalogue), std::optional(two));
        QCOMPARE(TrayMenu::stationFor(menu.at(7).children.at(0).id, catalogue), std::optional(two));
        QCOMPARE(TrayMenu::stationFor(menu.at(5).children.at(0).id, catalogue), std::optional(one));
        QCOMPARE(TrayMenu::stationFor(TrayMenu::FirstStation + 3, catalogue), std::nullopt);
        QCOMPARE(TrayMenu::stationFor(TrayMenu::Settings, catalogue), std::nullopt);
    }

    void sleepTimer_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("off") << 0 << "Slaaptimer"
                             << "Uit"
                             << "Twee";
        QTest::newRow("45") << 45 << "Slaaptimer: 45 min"
                            << "45 minuten"
                            << "Twee\nSlaaptimer: 45 min";
        QTest::newRow("not on the menu") << 20 << "Slaaptimer: 20 min"
                                         << ""
                                         << "Twee\nSlaaptimer: 20 min";
    }

    void sleepTimer()
    {
        QFETCH(int, minutes);
        QFETCH(QString, label);
        QFETCH(QString, checked);
        QFETCH(QString, tooltip);
        Rig rig(QStringLiteral("playing"));
        ManualClock clock;
        SleepTimer timer(&rig.player, &rig.scheduler, &clock);
        timer.start(minutes);
        const QList<TrayMenuEntry> menu = TrayMenu::build(rig.player, catalogue, &timer);
        const TrayMenuEntry &submenu = menu.at(4);
        QCOMPARE(submenu.label, label);
        QStringList labels, ticked;
        for (const TrayMenuEntry &entry : submenu.children) {
            labels << entry.label;
            if (entry.checked)
                ticked << entry.label;
            // Each entry sets what it says.
            const std::optional<int> set = TrayMenu::sleepMinutesFor(entry.id);
            QVERIFY(set);
            QCOMPARE(entry.label, *set ? QStringLiteral("%1 minuten").arg(*set) : QStringLiteral("Uit"));
        }
        QCOMPARE(labels,
                 (QStringList{"15 minuten", "30 minuten", "45 minuten", "60 minuten", "90 minuten", "Uit"}));
        QCOMPARE(ticked.join(','), checked);
        QCOMPARE(TrayMenu::sleepMinutesFor(TrayMenu::Settings), std::nullopt);
        QCOMPARE(TrayTooltip::compute(rig.player, &timer).text, tooltip);
    }

    // After the sleep timer: the next alarm, or the way to set one; both open the alarm page.
    void alarmEntry_data()
    {
        QTest::addColumn<QString>("nextAlarm");
        QTest::addColumn<QString>("label");
        QTest::newRow("none set") << ""
                                  << "Wekker instellen...";
        QTest::newRow("set") << "Wekker: 07:30"
                             << "Wekker: 07:30";
    }

    void alarmEntry()
    {
        QFETCH(QString, nextAlarm);
        QFETCH(QString, label);
        Rig rig(QStringLiteral("idle"));
        ManualClock clock;
        SleepTimer timer(&rig.player, &rig.scheduler, &clock);
        const QList<TrayMenuEntry> menu = TrayMenu::build(rig.player, catalogue, &timer, nextAlarm);
        QCOMPARE(menu.at(5).label, label);
        QCOMPARE(menu.at(5).id, int(TrayMenu::Alarms));
        QCOMPARE(menu.at(5).iconName, QStringLiteral("alarm-symbolic"));
        QVERIFY(menu.at(5).enabled);
        QVERIFY(menu.at(6).isSeparator);
    }

    // The rewind submenu: which entries can be used in which state; a live-only stream says why.
    void rewindEntries()
    {
        Rig rig(QStringLiteral("playing"));
        struct Row {
            TrayMenu::Rewind rewind;
            const char *label;
            const char *enabled; // the enabled entries' ids, in the submenu's order
        };
        const Row rows[] = {
            {{true, false, 0, false}, "Terugspoelen", "Record"},
            {{true, true, 0, false}, "Terugspoelen", "SeekBack SaveSong SavePreviousSong Record"},
            {{true, true, 133000, true},
             "Terugspoelen: \u22122:13 achter live",
             "SeekBack SeekForward GoLive SaveSong SavePreviousSong Record"},
            {{false, false, 0, false}, "Terugspoelen", ""},
        };
        const QHash<int, QString> names{{TrayMenu::SeekBack, "SeekBack"},
                                        {TrayMenu::SeekForward, "SeekForward"},
                                        {TrayMenu::GoLive, "GoLive"},
                                        {TrayMenu::SaveSong, "SaveSong"},
                                        {TrayMenu::SavePreviousSong, "SavePreviousSong"},
                                        {TrayMenu::Record, "Record"}};
        for (const Row &row : rows) {
            const TrayMenuEntry submenu =
                TrayMenu::build(rig.player, catalogue, nullptr, std::nullopt, row.rewind).at(4);
            QCOMPARE(submenu.label, QString::fromUtf8(row.label));
            QStringList enabled;
            for (const TrayMenuEntry &entry : submenu.children)
                if (entry.enabled && !entry.isSeparator)
                    enabled << names.value(entry.id);
            QCOMPARE(enabled.join(' '), QLatin1String(row.enabled));
            QCOMPARE(submenu.children.constFirst().label == QLatin1String("Niet bij HLS-streams"),
                     !row.rewind.possible);
        }
    }
};

QTEST_GUILESS_MAIN(TestTrayMenu)
#include "tst_traymenu.moc"
