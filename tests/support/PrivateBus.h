// A private dbus-daemon (system or session type) on a Unix socket in a temporary folder,
// for tests that must not touch the machine's buses. Stopped when the object goes away.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateBus
{
public:
    enum class Type { System, Session };

    explicit PrivateBus(Type type);
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Starts the daemon and waits (bounded) until it prints its address. On failure
    // errorString() names what is missing or what went wrong.
    bool start();
    void stop();

    bool isRunning() const { return m_process.state() == QProcess::Running && !m_address.isEmpty(); }
    Type type() const { return m_type; }
    QString address() const { return m_address; }
    QString errorString() const { return m_error; }
    // The variable a client reads to find this bus: DBUS_SYSTEM_BUS_ADDRESS or
    // DBUS_SESSION_BUS_ADDRESS.
    QString addressVariable() const;

private:
    Type m_type;
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_address;
    QString m_error;
};
