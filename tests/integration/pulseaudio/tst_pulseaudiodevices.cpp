// The PulseAudio device source under the device manager, against a private PulseAudio daemon
// with null sinks: listing, sinks loaded and unloaded while running, the daemon killed and
// started again, and no daemon at all at start.
#include "base/SettingsStore.h"
#include "devices/AudioDeviceManager.h"
#include "pulseaudio/PulseAudioDeviceSource.h"
#include "support/LogCapture.h"

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

// A private daemon in its own runtime folder; this process's PULSE_SERVER points at it. The
// same folder (and so the same socket path) is used again when it is started after a kill.
class PrivatePulse
{
public:
    PrivatePulse()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
        qputenv("PULSE_SERVER", address().toUtf8());
    }
    ~PrivatePulse()
    {
        stop();
        qunsetenv("PULSE_SERVER");
    }

    QString address() const { return QStringLiteral("unix:") + socketPath(); }
    QString socketPath() const { return runtimePath() + QStringLiteral("/native"); }
    QString error() const { return m_error; }

    // Null sinks as (name, description) pairs.
    bool start(const QList<std::pair<QString, QString>> &sinks)
    {
        for (const char *program : {"pulseaudio", "pactl", "pacmd", "timeout"}) {
            if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty()) {
                m_error =
                    QStringLiteral("%1 not found on PATH (package pulseaudio, pulseaudio-utils, coreutils)")
                        .arg(QLatin1String(program));
                return false;
            }
        }
        QDir(m_dir.path()).mkpath(QStringLiteral("home"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), runtimePath());
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimePath());
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_daemon = std::make_unique<QProcess>();
        m_daemon->setProcessEnvironment(env);
        m_daemon->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // timeout passes SIGTERM on to the daemon; the death signal covers a crashed test.
        m_daemon->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        QStringList arguments{QString::number(kDaemonLifetimeSeconds), QStringLiteral("pulseaudio"),
                              QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                              QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                              QStringLiteral("--log-level=error"),
                              // Anonymous: the test's HOME differs from the daemon's, so no shared cookie.
                              QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1"),
                              // For pacmd, which can change a sink's description.
                              QStringLiteral("--load=module-cli-protocol-unix")};
        for (const auto &[name, description] : sinks)
            arguments << QStringLiteral("--load=module-null-sink sink_name=%1 "
                                        "sink_properties=\"device.description='%2'\"")
                             .arg(name, description);
        m_daemon->start(QStringLiteral("timeout"), arguments);
        if (!m_daemon->waitForStarted(kWaitMs)) {
            m_error = QStringLiteral("pulseaudio did not start: ") + m_daemon->errorString();
            return false;
        }
        QDeadlineTimer deadline(kWaitMs);
        while (!deadline.hasExpired()) {
            if (m_daemon->state() != QProcess::Running) {
                m_error =
                    QStringLiteral("pulseaudio exited at start (exit code %1)").arg(m_daemon->exitCode());
                return false;
            }
            if (pactl({QStringLiteral("info")}))
                return true;
            QThread::msleep(50);
        }
        m_error = QStringLiteral("pulseaudio did not answer within %1 ms").arg(kWaitMs);
        return false;
    }

    // A crash: SIGKILL to the daemon itself, so its socket file stays behind.
    void kill()
    {
        QFile pidFile(runtimePath() + QStringLiteral("/pid"));
        if (pidFile.open(QIODevice::ReadOnly)) {
            const pid_t pid = pid_t(pidFile.readAll().trimmed().toLong());
            if (pid > 0)
                ::kill(pid, SIGKILL);
        }
        if (m_daemon)
            m_daemon->waitForFinished(kWaitMs);
    }

    void stop()
    {
        if (!m_daemon || m_daemon->state() == QProcess::NotRunning)
            return;
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(kWaitMs)) {
            m_daemon->kill();
            m_daemon->waitForFinished(kWaitMs);
        }
    }

    std::optional<QString> pactl(const QStringList &arguments)
    {
        return run(QStringLiteral("pactl"), arguments);
    }
    // pacmd finds the daemon through its runtime folder, not PULSE_SERVER.
    std::optional<QString> pacmd(const QStringList &arguments)
    {
        return run(QStringLiteral("pacmd"), arguments);
    }

    std::optional<QString> run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), runtimePath());
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        if (!process.waitForFinished(kWaitMs) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            m_error = QStringLiteral("%1 %2 failed: %3")
                          .arg(program, arguments.join(QLatin1Char(' ')),
                               QString::fromUtf8(process.readAllStandardError()));
            return std::nullopt;
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // "name" → sink index, from `pactl list short sinks`.
    QHash<QString, quint32> sinkIndices()
    {
        QHash<QString, quint32> result;
        const QStringList lines =
            pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")})
                .value_or(QString())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() > 1)
                result.insert(fields.at(1), fields.at(0).toUInt());
        }
        return result;
    }

    // The index of the module that made the null sink `name`.
    std::optional<quint32> nullSinkModule(const QString &name)
    {
        const QStringList lines =
            pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
                .value_or(QString())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QRegularExpression sinkName(QStringLiteral("\\bsink_name=%1(\\s|$)").arg(name));
        for (const QString &line : lines) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() > 2 && fields.at(1) == QLatin1String("module-null-sink") &&
                sinkName.match(fields.at(2)).hasMatch())
                return fields.at(0).toUInt();
        }
        return std::nullopt;
    }

    QString runtimePath() const { return m_dir.filePath(QStringLiteral("runtime")); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_daemon;
    QString m_error;
};

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
        PrivatePulse pulse;
        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
        Rig rig;
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        const QHash<QString, quint32> indices = pulse.sinkIndices();
        QCOMPARE(rig.manager->outputDevices(), (QList<AudioDevice>{{indices.value("a"), "a", "Uitgang A"},
                                                                   {indices.value("b"), "b", "Uitgang B"}}));
        QVERIFY(rig.source->isConnected());

        // The default sink is named, and follows a change made from outside.
        QVERIFY2(pulse.pactl({"set-default-sink", "a"}), qPrintable(pulse.error()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged,
                          [&] { return rig.manager->defaultDeviceName() == QLatin1String("Uitgang A"); }));
        QVERIFY2(pulse.pactl({"set-default-sink", "b"}), qPrintable(pulse.error()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged,
                          [&] { return rig.manager->defaultDeviceName() == QLatin1String("Uitgang B"); }));
    }

    void sinkLoadedWhileRunningAppears()
    {
        PrivatePulse pulse;
        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
        Rig rig;
        QVERIFY(rig.waitForUids({"a", "b"}));
        QVERIFY2(pulse.pactl({"load-module", "module-null-sink", "sink_name=c"}), qPrintable(pulse.error()));
        QVERIFY2(rig.waitForUids({"a", "b", "c"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(rig.manager->outputDevices().last().id, pulse.sinkIndices().value("c"));

        // A description changed from outside is picked up as well.
        QVERIFY2(pulse.pacmd({"update-sink-proplist", "c", "device.description=Derde"}),
                 qPrintable(pulse.error()));
        QVERIFY(waitUntil(rig.manager.get(), &AudioDeviceManager::outputDevicesChanged, [&] {
            return rig.manager->outputDevices().last().name == QLatin1String("Derde");
        }));
    }

    void chosenSinkUnloadedClearsTheChoice()
    {
        PrivatePulse pulse;
        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
        // Chosen in an earlier run: it must survive the start, when nothing is listed yet.
        Rig rig(QJsonValue(QStringLiteral("b")));
        QVERIFY(rig.waitForUids({"a", "b"}));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("b")));
        QCOMPARE(rig.settings.value(key), QJsonValue(QStringLiteral("b")));

        const std::optional<quint32> module = pulse.nullSinkModule(QStringLiteral("b"));
        QVERIFY2(module, "no module-null-sink with sink_name=b");
        QVERIFY2(pulse.pactl({"unload-module", QString::number(*module)}), qPrintable(pulse.error()));
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
        PrivatePulse pulse;
        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
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

        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
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
        PrivatePulse pulse; // points PULSE_SERVER at a socket nobody listens on yet
        LogCapture log;
        Rig rig(QJsonValue(QStringLiteral("b")));
        QCOMPARE(rig.manager->outputDevices(), QList<AudioDevice>{});
        QVERIFY(QTest::qWaitFor([&] { return !log.lines().isEmpty(); }, kWaitMs));
        QCOMPARE(warningsStartingWith(log, QStringLiteral("No PulseAudio server (")), 1);
        // Let a few reconnect attempts fail before the daemon comes.
        QTest::qWait(1500);
        QCOMPARE(rig.source->devices(), std::nullopt);
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("b")));

        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(rig.manager->selectedDeviceUID(), std::optional<QString>(QStringLiteral("b")));
        QCOMPARE(warningsStartingWith(log, QStringLiteral("No PulseAudio server (")), 1);
    }

    void silentServerIsGivenUpAndRetried()
    {
        // Something accepts on the socket but never completes the handshake.
        PrivatePulse pulse;
        SilentSocket silent(pulse.socketPath());
        QVERIFY2(silent.isListening(), "cannot listen on a unix socket in the runtime folder");
        LogCapture log;
        Rig rig;
        QVERIFY(QTest::qWaitFor(
            [&] { return warningsStartingWith(log, QStringLiteral("No PulseAudio server (")) > 0; },
            3 * kWaitMs));
        QCOMPARE(rig.manager->outputDevices(), QList<AudioDevice>{});

        silent.close();
        QVERIFY2(pulse.start(twoSinks), qPrintable(pulse.error()));
        QVERIFY2(rig.waitForUids({"a", "b"}), qPrintable(uids(*rig.manager).join(u',')));
        QCOMPARE(warningsStartingWith(log, QStringLiteral("No PulseAudio server (")), 1);
    }
};

QTEST_GUILESS_MAIN(TestPulseAudioDevices)
#include "tst_pulseaudiodevices.moc"
