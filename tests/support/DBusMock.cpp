#include "support/DBusMock.h"

#include "support/PrivateBus.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

namespace {
// Generous: the mock normally owns its name within a second.
constexpr int kStartTimeoutMs = 30000;
constexpr int kPollIntervalMs = 50;
} // namespace

DBusMock::DBusMock(const PrivateBus &bus) : m_bus(bus) {}

DBusMock::~DBusMock()
{
    stop();
}

QString DBusMock::pythonInterpreter()
{
    const QString debian = QStringLiteral("/usr/bin/python3");
    if (QFileInfo(debian).isExecutable())
        return debian;
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

bool DBusMock::startTemplate(const QString &templateName, const QString &busName,
                             const QString &parametersJson)
{
    QStringList arguments{QStringLiteral("--template"), templateName};
    if (!parametersJson.isEmpty())
        arguments << QStringLiteral("--parameters") << parametersJson;
    return run(arguments, busName);
}

bool DBusMock::startObject(const QString &busName, const QString &path, const QString &interface)
{
    return run({busName, path, interface}, busName);
}

bool DBusMock::run(const QStringList &mockArguments, const QString &busName)
{
    stop();
    m_error.clear();
    if (!m_bus.isRunning()) {
        m_error = QStringLiteral("the private bus is not running");
        return false;
    }
    const QString python = pythonInterpreter();
    if (python.isEmpty()) {
        m_error = QStringLiteral("python3 not found (Debian packages python3, python3-dbusmock)");
        return false;
    }

    // The mock reads the bus address from the variable of the bus type it is told to use.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(m_bus.addressVariable(), m_bus.address());
    m_process.setProcessEnvironment(environment);
    m_process.setProgram(python);
    m_process.setArguments(QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock"),
                                       m_bus.type() == PrivateBus::Type::System
                                           ? QStringLiteral("--system")
                                           : QStringLiteral("--session")} +
                           mockArguments);
    // Its per-call log goes to stdout; nobody reads it, so it must not fill a pipe.
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_busName = busName;
    m_process.start();
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("%1 did not start: %2").arg(python, m_process.errorString());
        return false;
    }

    const QDeadlineTimer deadline(kStartTimeoutMs);
    for (;;) {
        bool answered = false;
        if (nameHasOwner(busName, &answered))
            return true;
        if (!answered) {
            stop();
            return false;
        }
        if (m_process.state() != QProcess::Running) {
            m_error =
                QStringLiteral("python3-dbusmock exited before owning %1 (is the python3-dbusmock package "
                               "installed for %2?): %3")
                    .arg(busName, python, QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed());
            return false;
        }
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("python3-dbusmock did not own %1 in time: %2")
                          .arg(busName, QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed());
            stop();
            return false;
        }
        QThread::msleep(kPollIntervalMs);
    }
}

bool DBusMock::nameHasOwner(const QString &busName, bool *answered)
{
    const QString send = QStandardPaths::findExecutable(QStringLiteral("dbus-send"));
    if (send.isEmpty()) {
        m_error = QStringLiteral("dbus-send not found (Debian package dbus)");
        *answered = false;
        return false;
    }
    QProcess query;
    query.start(send,
                {QStringLiteral("--bus=") + m_bus.address(), QStringLiteral("--print-reply"),
                 QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus.NameHasOwner"), QStringLiteral("string:") + busName});
    if (!query.waitForFinished(kStartTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        query.waitForFinished();
        m_error = QStringLiteral("dbus-send could not ask the private bus for %1: %2")
                      .arg(busName, QString::fromLocal8Bit(query.readAllStandardError()).trimmed());
        *answered = false;
        return false;
    }
    *answered = true;
    return query.readAllStandardOutput().contains("boolean true");
}

void DBusMock::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // SIGTERM first so that the mock leaves the bus cleanly; SIGKILL if it hangs.
    m_process.terminate();
    if (!m_process.waitForFinished(kStartTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStartTimeoutMs);
    }
    if (!m_bus.isRunning())
        return;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    bool answered = true;
    while (answered && nameHasOwner(m_busName, &answered) && !deadline.hasExpired())
        QThread::msleep(kPollIntervalMs);
}
