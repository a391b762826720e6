#include "support/PrivateBus.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

namespace {
// Generous: only a broken daemon takes this long.
constexpr int kStartTimeoutMs = 20000;

QString configText(PrivateBus::Type type, const QString &socketPath)
{
    // Everything is allowed: the bus lives only as long as the test and only its processes
    // can reach the socket.
    return QStringLiteral(
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <type>%1</type>\n"
               "  <listen>unix:path=%2</listen>\n"
               "  <auth>EXTERNAL</auth>\n"
               "  <policy context=\"default\">\n"
               "    <allow user=\"*\"/>\n"
               "    <allow own=\"*\"/>\n"
               "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
               "    <allow eavesdrop=\"true\"/>\n"
               "  </policy>\n"
               "</busconfig>\n")
        .arg(type == PrivateBus::Type::System ? QStringLiteral("system") : QStringLiteral("session"),
             socketPath);
}
} // namespace

PrivateBus::PrivateBus(Type type) : m_type(type) {}

PrivateBus::~PrivateBus()
{
    stop();
}

QString PrivateBus::addressVariable() const
{
    return m_type == Type::System ? QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS")
                                  : QStringLiteral("DBUS_SESSION_BUS_ADDRESS");
}

bool PrivateBus::start()
{
    if (isRunning())
        return true;
    m_error.clear();
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon not found (Debian package dbus)");
        return false;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder for the bus: %1").arg(m_dir.errorString());
        return false;
    }
    const QString configPath = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = QStringLiteral("cannot write %1: %2").arg(configPath, config.errorString());
        return false;
    }
    config.write(configText(m_type, m_dir.filePath(QStringLiteral("bus"))).toUtf8());
    config.close();

    // --nofork keeps the daemon our child, so stopping it needs no pid file.
    m_process.setProgram(daemon);
    m_process.setArguments({QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                            QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start();
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("dbus-daemon did not start: %1").arg(m_process.errorString());
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_process.canReadLine()) {
        if (m_process.state() != QProcess::Running || deadline.hasExpired()) {
            m_error = QStringLiteral("dbus-daemon gave no address: %1")
                          .arg(QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed());
            stop();
            return false;
        }
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    m_address = QString::fromUtf8(m_process.readLine()).trimmed();
    return true;
}

void PrivateBus::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kStartTimeoutMs);
    }
    m_address.clear();
}
