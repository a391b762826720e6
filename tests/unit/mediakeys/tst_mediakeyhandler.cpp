// Remote commands: the shared 0.3 s debounce, what each command does in each state, next and
// previous over the catalogue, and the "enableMediaKeys" switch.
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "mediakeys/MediaKeyHandler.h"
#include "playback/PlaybackSequence.h"
#include "playback/RadioPlayer.h"
#include "support/CatalogueFixture.h"
#include "support/FakeRemoteCommandCenter.h"
#include "support/FakeStreamBackend.h"
#include "support/LogCapture.h"
#include "support/ManualScheduler.h"
#include "support/TestText.h"

#include <QLoggingCategory>
#include <QTest>

using namespace std::chrono_literals;
using Cmd = RemoteCommand;

namespace {
const QString mediaKeys = QStringLiteral("media-keys");
// C1: s1, s2 / C2: s3
const char *kCatalogue =
    "[{'name':'C1','stations':[{'name':'s1','url':'http://s1/'},{'name':'s2','url':'http://s2/'}]},"
    "{'name':'C2','stations':[{'name':'s3','url':'http://s3/'}]}]";
} // namespace

class TestMediaKeyHandler : public QObject
{
    Q_OBJECT

    struct Rig {
        explicit Rig(const QByteArray &catalogue = j(kCatalogue), bool enabled = true)
        {
            fx.writeCatalogue(catalogue);
            if (!enabled)
                settings.setValue(SettingsKey::EnableMediaKeys, false);
            store = std::make_unique<StationManager>(fx.folder(), fx.builtInPath());
            radio = std::make_unique<RadioPlayer>(&backend, &settings, &scheduler);
            sequence = std::make_unique<PlaybackSequence>(radio.get(), store.get(), &scheduler);
            handler = std::make_unique<MediaKeyHandler>(radio.get(), store.get(), sequence.get(), &center,
                                                        &settings, &clock);
        }
        // Sends a command a whole second after the previous one, out of the debounce's reach.
        std::optional<RemoteCommandStatus> send(Cmd command)
        {
            clock.advance(1s);
            return center.send(command);
        }
        QString playing() const
        {
            return radio->currentStation() ? radio->currentStation()->name : QString();
        }

        CatalogueFixture fx;
        std::unique_ptr<StationManager> store;
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualClock clock;
        ManualScheduler scheduler{&clock};
        FakeRemoteCommandCenter center;
        std::unique_ptr<RadioPlayer> radio;
        std::unique_ptr<PlaybackSequence> sequence;
        std::unique_ptr<MediaKeyHandler> handler;
    };

private Q_SLOTS:
    void debounce()
    {
        Rig rig;
        LogCapture log;
        QLoggingCategory::setFilterRules(QStringLiteral("*.media-keys.debug=true"));
        QCOMPARE(rig.center.send(Cmd::NextTrack), RemoteCommandStatus::Success); // the distant past
        rig.clock.advance(200ms);
        QCOMPARE(rig.center.send(Cmd::PreviousTrack), RemoteCommandStatus::CommandFailed);
        rig.clock.advance(150ms); // 0.35 s after the accepted one
        QCOMPARE(rig.center.send(Cmd::PreviousTrack), RemoteCommandStatus::Success);
        rig.clock.advance(300ms); // exactly 0.3 s
        QCOMPARE(rig.center.send(Cmd::Pause), RemoteCommandStatus::CommandFailed);
        rig.clock.advance(1ms);
        QCOMPARE(rig.center.send(Cmd::Pause), RemoteCommandStatus::Success);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(log.texts(mediaKeys), (QStringList{"Remote command: Next", "Command ignored (debounced)",
                                                    "Remote command: Previous", "Command ignored (debounced)",
                                                    "Remote command: Pause"}));
        QCOMPARE(rig.playing(), QStringLiteral("s3")); // next from nothing (s1), then previous wraps
    }

    void commands_data()
    {
        QTest::addColumn<QString>("state"); // "none", "playing", "paused"
        QTest::addColumn<Cmd>("command");
        QTest::addColumn<QString>("expectedStation");
        QTest::addColumn<bool>("expectedPlaying");
        QTest::addColumn<QString>("expectedLog");
        QTest::newRow("play, nothing selected")
            << "none" << Cmd::Play << "s1" << true << "Remote command: Play";
        QTest::newRow("play while playing")
            << "playing" << Cmd::Play << "s2" << true << "Remote command: Play";
        QTest::newRow("play while paused") << "paused" << Cmd::Play << "s2" << true << "Remote command: Play";
        QTest::newRow("pause, nothing selected")
            << "none" << Cmd::Pause << "" << false << "Remote command: Pause";
        QTest::newRow("pause while playing")
            << "playing" << Cmd::Pause << "s2" << false << "Remote command: Pause";
        QTest::newRow("pause while paused")
            << "paused" << Cmd::Pause << "s2" << false << "Remote command: Pause";
        QTest::newRow("toggle, nothing selected")
            << "none" << Cmd::TogglePlayPause << "s1" << true << "Remote command: Toggle Play/Pause";
        QTest::newRow("toggle while playing")
            << "playing" << Cmd::TogglePlayPause << "s2" << false << "Remote command: Toggle Play/Pause";
        QTest::newRow("toggle while paused")
            << "paused" << Cmd::TogglePlayPause << "s2" << true << "Remote command: Toggle Play/Pause";
        QTest::newRow("next, nothing selected")
            << "none" << Cmd::NextTrack << "s1" << true << "Remote command: Next";
        QTest::newRow("next while playing")
            << "playing" << Cmd::NextTrack << "s3" << true << "Remote command: Next";
        QTest::newRow("next while paused")
            << "paused" << Cmd::NextTrack << "s3" << true << "Remote command: Next";
        QTest::newRow("previous, nothing selected")
            << "none" << Cmd::PreviousTrack << "s1" << true << "Remote command: Previous";
        QTest::newRow("previous while playing")
            << "playing" << Cmd::PreviousTrack << "s1" << true << "Remote command: Previous";
        QTest::newRow("previous while paused")
            << "paused" << Cmd::PreviousTrack << "s1" << true << "Remote command: Previous";
    }

    void commands()
    {
        QFETCH(QString, state);
        QFETCH(Cmd, command);
        QFETCH(QString, expectedStation);
        QFETCH(bool, expectedPlaying);
        QFETCH(QString, expectedLog);
        Rig rig;
        if (state != QLatin1String("none")) {
            rig.radio->play(rig.store->categories().at(0).stations.at(1)); // s2
            rig.backend.reportReady();
            if (state == QLatin1String("paused"))
                rig.radio->togglePlayPause();
        }
        LogCapture log;
        QCOMPARE(rig.send(command), RemoteCommandStatus::Success);
        QCOMPARE(log.texts(mediaKeys), QStringList{expectedLog});
        QCOMPARE(rig.playing(), expectedStation);
        QCOMPARE(rig.radio->isPlaying(), expectedPlaying);
    }

    void walkWrapsAndFindsLostStations()
    {
        Rig rig;
        rig.radio->play(rig.store->categories().at(1).stations.at(0)); // s3, the last
        rig.send(Cmd::NextTrack);
        QCOMPARE(rig.playing(), QStringLiteral("s1"));
        rig.send(Cmd::PreviousTrack);
        QCOMPARE(rig.playing(), QStringLiteral("s3"));

        // The playing station is deleted from the catalogue meanwhile.
        rig.store->removeStation(*rig.radio->currentStation());
        rig.send(Cmd::NextTrack);
        QCOMPARE(rig.playing(), QStringLiteral("s1"));
        rig.store->removeStation(*rig.radio->currentStation());
        rig.send(Cmd::PreviousTrack);
        QCOMPARE(rig.playing(), QStringLiteral("s2")); // the last one left
    }

    void emptyFirstCategoryPlaysNothing()
    {
        Rig rig(
            j("[{'name':'Leeg','stations':[]},{'name':'C2','stations':[{'name':'s3','url':'http://s3/'}]}]"));
        for (Cmd command : {Cmd::Play, Cmd::TogglePlayPause, Cmd::NextTrack, Cmd::PreviousTrack})
            QCOMPARE(rig.send(command), RemoteCommandStatus::Success);
        QVERIFY(!rig.radio->currentStation());
    }

    void enableSwitch()
    {
        {
            Rig off(j(kCatalogue), false);
            for (Cmd command : RemoteCommandCenter::allCommands)
                QVERIFY(!off.center.isRegistered(command));
        }
        Rig rig;
        for (Cmd command : RemoteCommandCenter::allCommands)
            QVERIFY(rig.center.isRegistered(command));
        LogCapture log;
        rig.settings.setValue(SettingsKey::EnableMediaKeys, false);
        for (Cmd command : RemoteCommandCenter::allCommands) {
            QVERIFY(!rig.center.enabled.value(command));
            QVERIFY(!rig.center.send(command));
        }
        rig.settings.setValue(SettingsKey::EnableMediaKeys, QStringLiteral("yes")); // not a Bool: true
        rig.settings.setValue(SettingsKey::PauseOnSleep, false);                    // unrelated change
        for (Cmd command : RemoteCommandCenter::allCommands)
            QVERIFY(rig.center.isRegistered(command));
        QCOMPARE(log.texts(mediaKeys), (QStringList{"Media keys disabled", "Media keys enabled",
                                                    "Remote command center configured"}));
    }

    // Stop, the volume and links from the media controls obey the switch and the debounce as the
    // media keys do.
    void everyCommandObeysTheSwitchAndTheDebounce_data()
    {
        QTest::addColumn<Cmd>("command");
        QTest::newRow("stop") << Cmd::Stop;
        QTest::newRow("volume") << Cmd::ChangeVolume;
        QTest::newRow("open a link") << Cmd::OpenUri;
    }

    void everyCommandObeysTheSwitchAndTheDebounce()
    {
        QFETCH(Cmd, command);
        Rig rig;
        rig.radio->play(rig.store->categories().at(0).stations.at(1)); // s2
        rig.backend.reportReady();
        const QString link = QStringLiteral("http://elsewhere.example/live");
        const RemoteRequest request{command, 0.2, link};
        const auto took = [&] {
            return command == Cmd::Stop           ? !rig.radio->currentStation()
                   : command == Cmd::ChangeVolume ? rig.radio->volume() == 0.2
                                                  : rig.radio->currentStationUrl() == link;
        };

        QCOMPARE(rig.send(Cmd::Play), RemoteCommandStatus::Success); // changes nothing: it plays
        rig.clock.advance(100ms);
        QCOMPARE(rig.center.request(request)->status, RemoteCommandStatus::CommandFailed);
        QVERIFY(!took());

        rig.settings.setValue(SettingsKey::EnableMediaKeys, false);
        rig.clock.advance(1s);
        QVERIFY(!rig.center.request(request)); // not even offered
        QVERIFY(!took());

        rig.settings.setValue(SettingsKey::EnableMediaKeys, true);
        rig.clock.advance(1s);
        QCOMPARE(rig.center.request(request)->status, RemoteCommandStatus::Success);
        QVERIFY(took());
    }

    void letsGo()
    {
        Rig rig;
        // Commands registered by a handler that is gone are answered as failed.
        auto handlers = rig.center.targets;
        rig.handler.reset();
        QVERIFY(!rig.center.send(Cmd::Play));
        QCOMPARE(handlers.value(Cmd::Play).constFirst()({Cmd::Play, 0.0, {}}).status,
                 RemoteCommandStatus::CommandFailed);
    }
};

QTEST_GUILESS_MAIN(TestMediaKeyHandler)
#include "tst_mediakeyhandler.moc"
