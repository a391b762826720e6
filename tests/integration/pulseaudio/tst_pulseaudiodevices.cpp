// The PulseAudio device source under the device manager, against a private PulseAudio daemon
// with null sinks: listing, sinks loaded and unloaded while running, the daemon killed and
// started again, and no daemon at all at start.
#include "base/SettingsStore.h"
#include "devices/AudioDeviceManager.h"
#include "pulseaudio/PulseAudioDeviceSource.h"
#include "support/LogCapture.h"
#include "support/PulseFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Bound for what the daemon and libpulse do; the order of events is what is tested, this only
// keeps a broken run from hanging.
constexpr int kWaitMs = 20000;
// The daemon ends by itself after this long even if the test is killed without notice.
constexpr int kDaemonLifetimeSeconds = 240;

const QString key = SettingsKey::SelectedAudioDeviceUID;

// Waits on `signal` of `object` until `done` holds; false when it never does.
template <typename Object>
bool waitUntil(const Object *object, void (Object::*signal)(), const std::function<bool()> &done)
{
    QSignalSpy spy(object, signal);
    QDeadlineTimer deadline(kWaitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        spy.wait(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

QStringList uids(const AudioDeviceManager &manager)
{
    QStringList result;
    for (const AudioDevice &device : manager.outputDevices())
        result.append(device.uid);
    return result;
}

int warningsStartingWith(const LogCapture &log, const QString &prefix)
{
    int count = 0;
    for (const LogLine &line : log.lines()) {
        if (line.type == QtWarningMsg && line.text.startsWith(prefix))
            ++count;
    }
    return count;
}

// A unix socket that accepts connections (the kernel queues them) and never says a word.
class SilentSocket
{
public:
    explicit SilentSocket(const QString &path) : m_path(path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(path);
        if (size_t(encoded.size()) >= sizeof(address.sun_path))
            return;
        std::copy(encoded.cbegin(), encoded.cend(), address.sun_path);
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (m_fd >= 0 && (::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 ||
                          ::listen(m_fd, 16) != 0))
            close();
    }
    ~SilentSocket() { close(); }
    bool isListening() const { return m_fd >= 0; }
    void close()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            QFile::remove(m_path);
        }
        m_fd = -1;
    }

private:
    QString m_path;
    int m_fd = -1;
};

const QList<std::pair<QString, QString>> twoSinks{{QStringLiteral("a"), QStringLiteral("Uitgang A")},
                                                  {QStringLiteral("b"), QStringLiteral("Uitgang B")}};
} // namespace

class TestPulseAudioDevices : public QObject
{
    Q_OBJECT

    // The daemon first, then source and manager as the application builds them.
    struct Rig {
        explicit Rig(const QJsonValue &stored = QJsonValue::Undefined)
        {
            settings.setValue(key, stored);
            source = std::make_unique<PulseAudioDeviceSource>();
            manager = std::make_unique<AudioDeviceManager>(source.get(), &settings);
        }
        bool waitForUids(const QStringList &expected)
        {
            return waitUntil(manager.get(), &AudioDeviceManager::outputDevicesChanged,
                             [&] { return uids(*manager) == expected; });
        }
        SettingsStore settings{QString()};
        std::unique_ptr<PulseAudioDeviceSource> source;
        std::unique_ptr<AudioDeviceManager> manager;
    };

private Q_SLOTS:
    void listsSinksWithNamesAndDescriptions()
    {
        PulseFixture pulse(twoSinks);
        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        Rig rig;
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        const QHash<QString, quint32> indices = pulse.sinkIndices();
        QCOMPARE(rig.manager->outputDevices(), (QList<AudioDevice>{{indices.value("a"), "a", "Uitgang A"},
                                                                   {indices.value("b"), "b", "Uitgang B"}}));
        QVERIFY(rig.source->isConnected());

        // The default sink is named, and follows a change made from outside.
        QVERIFY2(pulse.pactl({"set-default-sink", "a"}), qPrintable(pulse.errorString()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged,
                          [&] { return rig.manager->defaultDeviceName() == QLatin1String("Uitgang A"); }));
        QVERIFY2(pulse.pactl({"set-default-sink", "b"}), qPrintable(pulse.errorString()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged,
                          [&] { return rig.manager->defaultDeviceName() == QLatin1String("Uitgang B"); }));
    }

    void sinkLoadedWhileRunningAppears()
    {
        PulseFixture pulse(twoSinks);
        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        Rig rig;
        QVERIFY(rig.waitForUids({"a", "b"}));
        QVERIFY2(pulse.pactl({"load-module", "module-null-sink", "sink_name=c"}),
                 qPrintable(pulse.errorString()));
        QVERIFY2(rig.waitForUids({"a", "b", "c"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(rig.manager->outputDevices().last().id, pulse.sinkIndices().value("c"));

        // A description changed from outside is picked up as well.
        QVERIFY2(pulse.pacmd({"update-sink-proplist", "c", "device.description=Derde"}),
                 qPrintable(pulse.errorString()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged, [&] {
            return rig.manager->outputDevices().last().name == QLatin1String("Derde");
        }));
    }

    void chosenSinkUnloadedClearsTheChoice()
    {
        PulseFixture pulse(twoSinks);
        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        // Chosen in an earlier run: it must survive the start, when nothing is listed yet.
        Rig rig(QJsonValue(QStringLiteral("b")));
        QVERIFY(rig.waitForUids({"a", "b"}));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("b")));
        QCOMPARE(rig.settings.value(key), QJsonValue(QStringLiteral("b")));

        const std::optional<quint32> module = pulse.nullSinkModule(QStringLiteral("b"));
        QVERIFY2(module, "no module-null-sink with sink_name=b");
        QVERIFY2(pulse.pactl({"unload-module", QString::number(*module)}), qPrintable(pulse.errorString()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::selectedDeviceUIDChanged,
                          [&] { return !rig.manager->selectedDeviceUID(); }));
        QCOMPARE(uids(*rig.manager), QStringList{"a"});
        QVERIFY(!rig.settings.contains(key));

        // Back again: listed, but the choice stays at the system default.
        QVERIFY(pulse.pactl({"load-module", "module-null-sink", "sink_name=b"}));
        QVERIFY(rig.waitForUids({"a", "b"}));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::nullopt);
    }

    void daemonKilledAndStartedAgain()
    {
        PulseFixture pulse(twoSinks);
        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        Rig rig;
        QVERIFY(rig.waitForUids({"a", "b"}));
        rig.manager->setSelectedDeviceUID(QStringLiteral("a"));

        LogCapture log;
        pulse.kill();
        QVERIFY2(rig.waitForUids({}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(rig.source->devices(), std::nullopt);
        QVERIFY(!rig.source->isConnected());
        // The outage is no sign that the device was removed.
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("a")));

        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("a")));
        QCOMPARE(rig.settings.value(key), QJsonValue(QStringLiteral("a")));
        // One warning for the whole outage, however often the reconnect was tried.
        QCOMPARE(warningsStartingWith(log, QStringLiteral("Lost the PulseAudio server (")), 1);
        QVERIFY(log.contains(QStringLiteral("system"), QtInfoMsg,
                             QStringLiteral("Connected to the PulseAudio server again")));
    }

    void noDaemonAtStartThenOneAppears()
    {
        PulseFixture pulse(twoSinks); // points PULSE_SERVER at a socket nobody listens on yet
        LogCapture log;
        Rig rig(QJsonValue(QStringLiteral("b")));
        QCOMPARE(rig.manager->outputDevices(), QList<AudioDevice>{});
        QVERIFY(QTest::qWaitFor([&] { return !log.lines().isEmpty(); }, kWaitMs));
        QCOMPARE(warningsStartingWith(log, QStringLiteral("No PulseAudio server (")), 1);
        // Let a few reconnect attempts fail before the daemon comes.
        QTest::qWait(1500);
        QCOMPARE(rig.source->devices(), std::nullopt);
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("b")));

        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("b")));
        QCOMPARE(warningsStartingWith(log, QStringLiteral("No PulseAudio server (")), 1);
    }

    void silentServerIsGivenUpAndRetried()
    {
        // Something accepts on the socket but never completes the handshake.
        PulseFixture pulse(twoSinks);
        SilentSocket silent(pulse.socketPath());
        QVERIFY2(silent.isListening(), "cannot listen on a unix socket in the runtime folder");
        LogCapture log;
        Rig rig;
        QVERIFY(QTest::qWaitFor(
            [&] { return warningsStartingWith(log, QStringLiteral("No PulseAudio server (")) > 0; },
            3 * kWaitMs));
        QCOMPARE(rig.manager->outputDevices(), QList<AudioDevice>{});

        silent.close();
        QVERIFY2(pulse.start(kDaemonLifetimeSeconds), qPrintable(pulse.errorString()));
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(warningsStartingWith(log, QStringLiteral("No PulseAudio server (")), 1);
    }
};

QTEST_GUILESS_MAIN(TestPulseAudioDevices)
#include "tst_pulseaudiodevices.moc"
