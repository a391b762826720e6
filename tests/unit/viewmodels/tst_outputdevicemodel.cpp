// The output-device choice both views offer: the entries with the system default first, where
// the choice stands among them, and a choice that is stored and followed by the player.
#include "base/SettingsStore.h"
#include "devices/AudioDeviceManager.h"
#include "playback/OutputRouting.h"
#include "playback/RadioPlayer.h"
#include "support/FakeAudioDeviceSource.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "viewmodels/OutputDeviceModel.h"

#include <QSignalSpy>
#include <QTest>

using Infos = std::optional<QList<AudioDeviceSource::DeviceInfo>>;

namespace {
const Infos twoDevices = QList<AudioDeviceSource::DeviceInfo>{
    FakeAudioDeviceSource::output(3, QStringLiteral("sink.usb"), QStringLiteral("USB-koptelefoon")),
    FakeAudioDeviceSource::output(4, QStringLiteral("sink.hdmi"), QStringLiteral("HDMI"))};

struct Rig {
    explicit Rig(const Infos &listed = twoDevices, const std::optional<QString> &defaultUid = {})
    {
        source.set(listed);
        source.defaultUid = defaultUid;
        devices = std::make_unique<AudioDeviceManager>(&source, &settings);
        player = std::make_unique<RadioPlayer>(&backend, &settings, &scheduler);
        OutputRouting::follow(player.get(), devices.get());
        model = std::make_unique<OutputDeviceModel>(devices.get());
    }
    // "label=uid" per entry.
    QStringList entries() const
    {
        QStringList described;
        for (const QVariant &option : model->options()) {
            const QVariantMap map = option.toMap();
            described << map.value(QStringLiteral("label")).toString() + QLatin1Char('=') +
                             map.value(QStringLiteral("uid")).toString();
        }
        return described;
    }
    SettingsStore settings{QString()};
    FakeAudioDeviceSource source;
    FakeStreamBackend backend;
    ManualScheduler scheduler;
    std::unique_ptr<AudioDeviceManager> devices;
    std::unique_ptr<RadioPlayer> player;
    std::unique_ptr<OutputDeviceModel> model;
};
} // namespace

class TestOutputDeviceModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries_data()
    {
        QTest::addColumn<Infos>("listed");
        QTest::addColumn<std::optional<QString>>("defaultUid");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two devices, the default among them")
            << twoDevices << std::optional<QString>(QStringLiteral("sink.hdmi"))
            << QStringList{"Systeemstandaard (HDMI)=", "USB-koptelefoon=sink.usb", "HDMI=sink.hdmi"};
        QTest::newRow("default not said")
            << twoDevices << std::optional<QString>()
            << QStringList{"Systeemstandaard=", "USB-koptelefoon=sink.usb", "HDMI=sink.hdmi"};
        QTest::newRow("default not offered")
            << Infos(QList<AudioDeviceSource::DeviceInfo>{twoDevices->first()})
            << std::optional<QString>(QStringLiteral("sink.gone"))
            << QStringList{"Systeemstandaard=", "USB-koptelefoon=sink.usb"};
        QTest::newRow("no sound server")
            << Infos() << std::optional<QString>() << QStringList{"Systeemstandaard="};
    }

    void entries()
    {
        QFETCH(Infos, listed);
        QFETCH(std::optional<QString>, defaultUid);
        QFETCH(QStringList, expected);
        Rig rig(listed, defaultUid);
        QCOMPARE(rig.entries(), expected);
        QCOMPARE(rig.model->selectedIndex(), 0);
    }

    void choosingStoresAndThePlayerFollows_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<int>("index");
        QTest::newRow("a device") << QStringLiteral("sink.hdmi") << 2;
        QTest::newRow("the system default") << QString() << 0;
    }

    void choosingStoresAndThePlayerFollows()
    {
        QFETCH(QString, picked);
        QFETCH(int, index);
        Rig rig;
        rig.model->choose(QStringLiteral("sink.usb"));
        QSignalSpy selection(rig.model.get(), &OutputDeviceModel::selectionChanged);
        rig.model->choose(picked);
        const std::optional<QString> expected = picked.isEmpty() ? std::nullopt : std::optional(picked);
        QCOMPARE(rig.settings.optionalString(SettingsKey::SelectedAudioDeviceUID), expected);
        QCOMPARE(rig.backend.device, expected);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(rig.model->selectedUid(), picked);
        QCOMPARE(rig.model->selectedIndex(), index);
        QCOMPARE(rig.model->routedElsewhere(), !picked.isEmpty());
    }

    void refreshReadsTheListAgain()
    {
        Rig rig;
        rig.model->choose(QStringLiteral("sink.hdmi"));
        // The sound server goes away: the list empties, the choice stays but is not among them.
        rig.source.set(std::nullopt);
        QSignalSpy options(rig.model.get(), &OutputDeviceModel::optionsChanged);
        QSignalSpy selection(rig.model.get(), &OutputDeviceModel::selectionChanged);
        rig.model->refresh();
        QCOMPARE(options.count(), 1);
        QVERIFY(selection.count() >= 1);
        QCOMPARE(rig.entries(), QStringList{"Systeemstandaard="});
        QCOMPARE(rig.model->selectedIndex(), -1);
    }

    void worksWithoutAManager()
    {
        OutputDeviceModel model(nullptr);
        model.choose(QStringLiteral("sink.usb"));
        model.refresh();
        QCOMPARE(model.options().size(), 1);
        QCOMPARE(model.selectedUid(), QString());
        QCOMPARE(model.selectedIndex(), 0);
    }
};

QTEST_GUILESS_MAIN(TestOutputDeviceModel)
#include "tst_outputdevicemodel.moc"
