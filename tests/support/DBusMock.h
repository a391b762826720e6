// Runs python3-dbusmock on a PrivateBus: a template (e.g. "logind") or a bare mock object,
// waits until its bus name is owned, and stops it when the object goes away.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class PrivateBus;

class DBusMock
{
public:
    explicit DBusMock(const PrivateBus &bus);
    ~DBusMock();
    DBusMock(const DBusMock &) = delete;
    DBusMock &operator=(const DBusMock &) = delete;

    // `python3 -m dbusmock --template <templateName> [--parameters <json>]`, then waits until
    // `busName` (the name the template serves, e.g. "org.freedesktop.login1") is owned.
    bool startTemplate(const QString &templateName, const QString &busName,
                       const QString &parametersJson = {});
    // `python3 -m dbusmock <busName> <path> <interface>`: an empty object to fill through the
    // org.freedesktop.DBus.Mock interface.
    bool startObject(const QString &busName, const QString &path, const QString &interface);
    // Stops the mock and waits (bounded) until its name has left the bus, so that the next
    // call to that name fails as "service unknown" rather than racing the departure.
    void stop();

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString errorString() const { return m_error; }

    // Debian's interpreter, which has the python3-dbusmock module; the first python3 on PATH
    // may be another one without it.
    static QString pythonInterpreter();

private:
    bool run(const QStringList &mockArguments, const QString &busName);
    bool nameHasOwner(const QString &busName, bool *answered);

    const PrivateBus &m_bus;
    QProcess m_process;
    QString m_busName;
    QString m_error;
};
