// The output-device list rules and the stored choice, on a fake device source.
#include "base/SettingsStore.h"
#include "devices/AudioDeviceManager.h"
#include "playback/OutputRouting.h"
#include "playback/RadioPlayer.h"
#include "support/FakeAudioDeviceSource.h"
#include "support/FakeStreamBackend.h"
#include "support/LogCapture.h"
#include "support/ManualScheduler.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

using Info = AudioDeviceSource::DeviceInfo;
using Infos = QList<Info>;
using Devices = QList<AudioDevice>;

namespace {
const QString key = SettingsKey::SelectedAudioDeviceUID;

const Info speakers = FakeAudioDeviceSource::output(11, QStringLiteral("alsa_output.pci.analog-stereo"),
                                                    QStringLiteral("Ingebouwde luidsprekers"));
const Info headset =
    FakeAudioDeviceSource::output(12, QStringLiteral("bluez_sink.00_11_22"), QStringLiteral("Headset"));
const AudioDevice speakersDevice{11, speakers.uid.value(), speakers.name.value()};
const AudioDevice headsetDevice{12, headset.uid.value(), headset.name.value()};

// Lets the listener's queued refresh run.
void deliverQueued(QObject *receiver)
{
    QCoreApplication::sendPostedEvents(receiver, QEvent::MetaCall);
}
} // namespace

class TestAudioDeviceManager : public QObject
{
    Q_OBJECT

    struct Rig {
        explicit Rig(const std::optional<Infos> &devices, const QJsonValue &stored = QJsonValue::Undefined)
        {
            source.set(devices);
            settings.setValue(key, stored);
            manager = std::make_unique<AudioDeviceManager>(&source, &settings);
        }
        FakeAudioDeviceSource source;
        SettingsStore settings{QString()};
        std::unique_ptr<AudioDeviceManager> manager;
    };

private Q_SLOTS:
    void listRules_data()
    {
        QTest::addColumn<Infos>("listed");
        QTest::addColumn<Devices>("expected");

        QTest::newRow("nothing") << Infos{} << Devices{};
        QTest::newRow("outputs keep the system's order")
            << Infos{headset, speakers} << Devices{headsetDevice, speakersDevice};
        QTest::newRow("input-only device skipped")
            << Infos{Info{5, QStringLiteral("mic"), QStringLiteral("Microfoon"), {}}, speakers}
            << Devices{speakersDevice};
        QTest::newRow("output stream without channels skipped")
            << Infos{Info{5, QStringLiteral("silent"), QStringLiteral("Stil"), {0}}, headset}
            << Devices{headsetDevice};
        QTest::newRow("a later stream with channels counts")
            << Infos{Info{6, QStringLiteral("multi"), QStringLiteral("Dock"), {0, 0, 8}}}
            << Devices{AudioDevice{6, QStringLiteral("multi"), QStringLiteral("Dock")}};
        QTest::newRow("unreadable UID skipped even with a name")
            << Infos{Info{7, std::nullopt, QStringLiteral("Naamloos"), {2}}, speakers}
            << Devices{speakersDevice};
        QTest::newRow("unreadable name skipped")
            << Infos{Info{8, QStringLiteral("noname"), std::nullopt, {2}}, speakers}
            << Devices{speakersDevice};
        QTest::newRow("same name, told apart by id")
            << Infos{Info{1, QStringLiteral("x"), QStringLiteral("USB"), {2}},
                     Info{2, QStringLiteral("y"), QStringLiteral("USB"), {2}}}
            << Devices{AudioDevice{1, QStringLiteral("x"), QStringLiteral("USB")},
                       AudioDevice{2, QStringLiteral("y"), QStringLiteral("USB")}};
    }

    void listRules()
    {
        QFETCH(Infos, listed);
        QFETCH(Devices, expected);
        Rig rig(listed);
        QCOMPARE(rig.manager->outputDevices(), expected);
        QCOMPARE(rig.manager->property("outputDevices").value<Devices>(), expected);
    }

    void storedChoiceAtStart_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<std::optional<QString>>("selected");
        QTest::addColumn<QJsonValue>("storedAfter");

        const QJsonValue absent(QJsonValue::Undefined);
        QTest::newRow("no choice") << absent << std::optional<QString>() << absent;
        QTest::newRow("present device kept")
            << QJsonValue(headset.uid.value()) << headset.uid << QJsonValue(headset.uid.value());
        QTest::newRow("missing device dropped")
            << QJsonValue(QStringLiteral("usb-dac")) << std::optional<QString>() << absent;
        // Read with its default, then written back: the key goes.
        QTest::newRow("wrong type reads as no choice")
            << QJsonValue(42) << std::optional<QString>() << absent;
    }

    void storedChoiceAtStart()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(std::optional<QString>, selected);
        QFETCH(QJsonValue, storedAfter);
        LogCapture log;
        Rig rig(Infos{speakers, headset}, stored);
        QCOMPARE(rig.manager->selectedDeviceUID(), selected);
        QCOMPARE(rig.settings.value(key), storedAfter);
        QCOMPARE(rig.manager->property("selectedDeviceUID").toString(), selected.value_or(QString()));
        // Device handling never speaks: no log line in any category.
        QVERIFY(log.lines().isEmpty());
    }

    void choosingWritesTheSetting()
    {
        Rig rig(Infos{speakers, headset});
        QSignalSpy changed(rig.manager.get(), &AudioDeviceManager::selectedDeviceUIDChanged);

        rig.manager->setSelectedDeviceUID(headset.uid);
        QCOMPARE(rig.settings.value(key), QJsonValue(headset.uid.value()));
        QCOMPARE(changed.count(), 1);

        // From a view: the text property, where empty is the system default.
        QVERIFY(rig.manager->setProperty("selectedDeviceUID", speakers.uid.value()));
        QCOMPARE(rig.manager->selectedDeviceUID(), speakers.uid);
        QCOMPARE(rig.settings.value(key), QJsonValue(speakers.uid.value()));
        QVERIFY(rig.manager->setProperty("selectedDeviceUID", QString()));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::nullopt);
        QVERIFY(!rig.settings.contains(key));
        QCOMPARE(changed.count(), 3);

        // The same choice again is no change.
        rig.manager->setSelectedDeviceUID(std::nullopt);
        QCOMPARE(changed.count(), 3);
    }

    void vanishedChoiceIsDroppedForGood()
    {
        Rig rig(Infos{speakers, headset}, QJsonValue(headset.uid.value()));
        QSignalSpy changed(rig.manager.get(), &AudioDeviceManager::selectedDeviceUIDChanged);
        LogCapture log;

        // Unplugged: the listener's refresh runs on a later turn of the event loop.
        rig.source.set(Infos{speakers});
        rig.source.announce();
        QCOMPARE(rig.manager->outputDevices(), (Devices{speakersDevice, headsetDevice}));
        deliverQueued(rig.manager.get());
        QCOMPARE(rig.manager->outputDevices(), Devices{speakersDevice});
        QCOMPARE(rig.manager->selectedDeviceUID(), std::nullopt);
        QVERIFY(!rig.settings.contains(key));
        QCOMPARE(changed.count(), 1);

        // Plugged back in: listed again, but the choice stays at the system default.
        rig.source.set(Infos{speakers, headset});
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(rig.manager->outputDevices(), (Devices{speakersDevice, headsetDevice}));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::nullopt);
        QVERIFY(!rig.settings.contains(key));
        QVERIFY(log.lines().isEmpty());
    }

    void presentChoiceSurvivesChanges()
    {
        Rig rig(Infos{speakers}, QJsonValue(speakers.uid.value()));
        rig.source.set(Infos{headset, speakers});
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(rig.manager->outputDevices(), (Devices{headsetDevice, speakersDevice}));
        QCOMPARE(rig.manager->selectedDeviceUID(), speakers.uid);
        QCOMPARE(rig.settings.value(key), QJsonValue(speakers.uid.value()));
    }

    void equalRefreshesPublishNothing()
    {
        Rig rig(Infos{speakers, headset});
        QSignalSpy listChanged(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged);
        rig.manager->refreshDevices();
        rig.manager->refreshDevices();
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(listChanged.count(), 0);
        QCOMPARE(rig.manager->outputDevices(), (Devices{speakersDevice, headsetDevice}));

        // A renamed device is a change, and only one.
        Info renamed = headset;
        renamed.name = QStringLiteral("Koptelefoon");
        rig.source.set(Infos{speakers, renamed});
        rig.manager->refreshDevices();
        rig.manager->refreshDevices();
        QCOMPARE(listChanged.count(), 1);
        QCOMPARE(rig.manager->outputDevices().at(1).name, QStringLiteral("Koptelefoon"));
    }

    void unavailableSourceEmptiesListButKeepsChoice()
    {
        // Before the sound server answers (and while it is gone) nothing can be listed.
        Rig rig(std::nullopt, QJsonValue(headset.uid.value()));
        QCOMPARE(rig.manager->outputDevices(), Devices{});
        QCOMPARE(rig.manager->selectedDeviceUID(), headset.uid);
        QCOMPARE(rig.settings.value(key), QJsonValue(headset.uid.value()));

        rig.source.set(Infos{speakers, headset});
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(rig.manager->outputDevices(), (Devices{speakersDevice, headsetDevice}));

        // The server goes away and comes back: the choice outlives the outage.
        QSignalSpy listChanged(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged);
        rig.source.set(std::nullopt);
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(rig.manager->outputDevices(), Devices{});
        QCOMPARE(rig.manager->selectedDeviceUID(), headset.uid);
        QVERIFY(rig.settings.contains(key));
        rig.source.set(Infos{speakers, headset});
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(listChanged.count(), 2);
        QCOMPARE(rig.manager->selectedDeviceUID(), headset.uid);

        // A listing without the device still drops it.
        rig.source.set(Infos{speakers});
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(rig.manager->selectedDeviceUID(), std::nullopt);
        QVERIFY(!rig.settings.contains(key));
    }

    void playerGetsTheChoiceOnlyWhileListed_data()
    {
        QTest::addColumn<std::optional<Infos>>("listed");
        QTest::addColumn<std::optional<QString>>("routed");
        QTest::newRow("no list yet") << std::optional<Infos>() << std::optional<QString>();
        QTest::newRow("listed without it")
            << std::optional<Infos>(Infos{speakers}) << std::optional<QString>();
        QTest::newRow("listed") << std::optional<Infos>(Infos{speakers, headset}) << headset.uid;
    }

    void playerGetsTheChoiceOnlyWhileListed()
    {
        QFETCH(std::optional<Infos>, listed);
        QFETCH(std::optional<QString>, routed);
        Rig rig(listed, QJsonValue(headset.uid.value()));
        FakeStreamBackend backend;
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &rig.settings, &scheduler);
        OutputRouting::follow(&player, rig.manager.get());
        player.play(RadioStation(QStringLiteral("A"), QStringLiteral("http://a.example/")));
        QCOMPARE(backend.device, routed);

        // The list that shows the device (again) routes the stream to it, unless it was dropped.
        rig.source.set(Infos{speakers, headset});
        rig.source.announce();
        deliverQueued(rig.manager.get());
        QCOMPARE(backend.device, listed && !routed ? std::nullopt : headset.uid);
    }

    void listenerStopsWithTheManager()
    {
        FakeAudioDeviceSource source;
        SettingsStore settings{QString()};
        source.set(Infos{speakers});
        auto manager = std::make_unique<AudioDeviceManager>(&source, &settings);
        // Installing again replaces the listener: one change, one refresh.
        manager->startDeviceListener();
        const int reads = source.reads;
        source.announce();
        deliverQueued(manager.get());
        QCOMPARE(source.reads, reads + 1);

        // A refresh still queued when the manager goes must not run.
        source.announce();
        manager.reset();
        QCoreApplication::sendPostedEvents();
        source.announce();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(source.reads, reads + 1);
    }
};

QTEST_GUILESS_MAIN(TestAudioDeviceManager)
#include "tst_audiodevicemanager.moc"
