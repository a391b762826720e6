#include "PulseFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;

// A daemon or recorder left behind by a crashed test must not outlive it.
void dieWithParent()
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

} // namespace

PulseFixture::PulseFixture(QStringList nullSinks)
    : PulseFixture([&] {
          QList<std::pair<QString, QString>> sinks;
          for (const QString &name : nullSinks)
              sinks.append({name, name});
          return sinks;
      }())
{
}

PulseFixture::PulseFixture(const QList<std::pair<QString, QString>> &nullSinks) : m_sinks(nullSinks)
{
    // Clients of this process look here even before the daemon runs (the tests of a server that
    // is not there yet, or of something else listening on its socket).
    QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
    m_previousServer =
        qEnvironmentVariableIsSet("PULSE_SERVER") ? std::optional(qgetenv("PULSE_SERVER")) : std::nullopt;
    qputenv("PULSE_SERVER", serverAddress().toUtf8());
}

PulseFixture::~PulseFixture()
{
    stop();
    if (m_previousServer)
        qputenv("PULSE_SERVER", *m_previousServer);
    else
        qunsetenv("PULSE_SERVER");
}

QString PulseFixture::socketPath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("runtime/native"));
}

QString PulseFixture::serverAddress() const
{
    return QStringLiteral("unix:") + socketPath();
}

bool PulseFixture::start(int lifetimeSeconds)
{
    for (const char *program : {"pulseaudio", "pactl", "pacmd", "parec"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
            m_error = QStringLiteral("%1 not found on PATH (needed for the PulseAudio tests)")
                          .arg(QLatin1String(program));
            return false;
        }
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder for the PulseAudio daemon");
        return false;
    }
    const QDir dir(m_dir.path());
    for (const char *sub : {"runtime", "home", "xdg"})
        dir.mkpath(QString::fromLatin1(sub));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("xdg")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("home/.config")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    m_daemon.setProcessEnvironment(env);

    // `timeout` bounds the daemon's life even if this process is killed without notice.
    QStringList arguments{QString::number(lifetimeSeconds), QStringLiteral("pulseaudio"),
                          QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                          QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                          QStringLiteral("--log-target=stderr"),
                          // Anonymous: clients have another HOME and so no matching cookie.
                          QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1"),
                          // For pacmd.
                          QStringLiteral("--load=module-cli-protocol-unix")};
    for (const auto &[name, description] : m_sinks)
        arguments << QStringLiteral("--load=module-null-sink sink_name=%1 "
                                    "sink_properties=\"device.description='%2'\"")
                         .arg(name, description);
    const QString timeout = QStandardPaths::findExecutable(QStringLiteral("timeout"));
    if (timeout.isEmpty()) {
        m_daemon.setProgram(QStringLiteral("pulseaudio"));
        arguments.removeFirst();
    } else {
        m_daemon.setProgram(timeout);
    }
    m_daemon.setArguments(arguments);
    m_daemon.setChildProcessModifier(dieWithParent);
    m_daemon.start();
    if (!m_daemon.waitForStarted(10000)) {
        m_error = QStringLiteral("pulseaudio did not start: ") + m_daemon.errorString();
        return false;
    }

    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (m_daemon.state() != QProcess::Running) {
            m_error = QStringLiteral("pulseaudio exited: ") +
                      QString::fromUtf8(m_daemon.readAllStandardError()).trimmed();
            return false;
        }
        QProcess probe;
        probe.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0) {
            if (!m_sinks.isEmpty())
                pactl({QStringLiteral("set-default-sink"), m_sinks.first().first});
            return true;
        }
        QThread::msleep(100);
    }
    m_error = QStringLiteral("pulseaudio did not answer within 20 s: ") +
              QString::fromUtf8(m_daemon.readAllStandardError()).trimmed();
    return false;
}

void PulseFixture::stop()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
}

void PulseFixture::kill()
{
    QFile pidFile(QDir(m_dir.path()).filePath(QStringLiteral("runtime/pid")));
    if (pidFile.open(QIODevice::ReadOnly)) {
        const pid_t pid = pid_t(pidFile.readAll().trimmed().toLong());
        if (pid > 0)
            ::kill(pid, SIGKILL);
    }
    m_daemon.waitForFinished(10000);
}

std::optional<QString> PulseFixture::pactl(const QStringList &arguments)
{
    return run(QStringLiteral("pactl"), arguments);
}

std::optional<QString> PulseFixture::pacmd(const QStringList &arguments)
{
    return run(QStringLiteral("pacmd"), arguments);
}

std::optional<QString> PulseFixture::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), QDir(m_dir.path()).filePath(QStringLiteral("runtime")));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = QStringLiteral("%1 %2 failed: %3")
                      .arg(program, arguments.join(QLatin1Char(' ')),
                           QString::fromUtf8(process.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QHash<QString, quint32> PulseFixture::sinkIndices()
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

std::optional<quint32> PulseFixture::nullSinkModule(const QString &name)
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

std::optional<uint> PulseFixture::loadModule(const QString &name, const QString &arguments)
{
    QStringList args{QStringLiteral("load-module"), name};
    if (!arguments.isEmpty())
        args += arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto output = pactl(args);
    if (!output)
        return std::nullopt;
    bool ok = false;
    const uint index = output->trimmed().toUInt(&ok);
    if (!ok) {
        m_error = QStringLiteral("pactl load-module printed no index: ") + *output;
        return std::nullopt;
    }
    return index;
}

bool PulseFixture::unloadModule(uint index)
{
    return pactl({QStringLiteral("unload-module"), QString::number(index)}).has_value();
}

QHash<QString, QByteArray> PulseFixture::record(const QStringList &sinks, double seconds)
{
    std::vector<std::unique_ptr<QProcess>> recorders;
    for (const QString &sink : sinks) {
        auto recorder = std::make_unique<QProcess>();
        recorder->setChildProcessModifier(dieWithParent);
        recorder->start(QStringLiteral("parec"),
                        {QStringLiteral("--device=%1.monitor").arg(sink), QStringLiteral("--raw"),
                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kSampleRate),
                         QStringLiteral("--channels=%1").arg(kChannels),
                         QStringLiteral("--latency-msec=20")});
        recorders.push_back(std::move(recorder));
    }

    // A null sink renders ahead in blocks of up to two seconds when nothing asks for less, so
    // the first data can take that long: collect the wanted amount rather than a time span.
    const qsizetype wanted = qsizetype(seconds * kSampleRate) * kChannels * 2;
    std::vector<QByteArray> data(recorders.size());
    const auto complete = [&] {
        bool all = true;
        for (size_t i = 0; i < recorders.size(); ++i) {
            data[i] += recorders[i]->readAllStandardOutput();
            all = all && data[i].size() >= wanted;
        }
        return all;
    };
    QDeadlineTimer deadline(int(seconds * 1000) + 5000);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (complete() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(20);
    loop.exec();

    QHash<QString, QByteArray> result;
    for (size_t i = 0; i < recorders.size(); ++i) {
        QProcess &recorder = *recorders[i];
        recorder.terminate();
        if (!recorder.waitForFinished(5000)) {
            recorder.kill();
            recorder.waitForFinished(5000);
        }
        result.insert(sinks[int(i)], data[i].left(wanted));
    }
    return result;
}

QByteArray PulseFixture::record(const QString &sink, double seconds)
{
    return record(QStringList{sink}, seconds).value(sink);
}

PulseFixture::Level PulseFixture::level(const QByteArray &samples)
{
    Level level;
    const qsizetype count = samples.size() / 2;
    level.samples = count;
    if (count == 0)
        return level;
    const auto *data = reinterpret_cast<const uchar *>(samples.constData());
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const auto value = qint16(quint16(data[2 * i]) | quint16(data[2 * i + 1]) << 8);
        const double x = value / 32768.0;
        sum += x * x;
        level.peak = std::max(level.peak, std::abs(x));
    }
    level.rms = std::sqrt(sum / double(count));
    return level;
}
