// Reports system sleep and wake from logind on the system bus. While running it holds a
// "delay" inhibitor lock, so the system waits until willSleep() has been handled; it gives
// the lock back right after that and takes a new one after wake.
#pragma once

#include "playback/SleepMonitor.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

class QDBusPendingCallWatcher;

class LogindSleepMonitor final : public SleepMonitor
{
    Q_OBJECT
public:
    enum class Status {
        Stopped,     // start() not called yet
        Starting,    // waiting for logind's first answer
        Active,      // listening for sleep and wake (with or without a lock)
        Unavailable, // no system bus or no logind: runs without sleep handling
    };
    Q_ENUM(Status)

    // Uses the system bus.
    explicit LogindSleepMonitor(QObject *parent = nullptr);
    // Uses `bus`, which stands in for the system bus.
    explicit LogindSleepMonitor(const QDBusConnection &bus, QObject *parent = nullptr);
    ~LogindSleepMonitor() override;

    // Subscribes to logind's sleep signal and asks for the lock. Never blocks on logind;
    // connect to willSleep()/didWake() before calling this.
    void start();

    Status status() const { return m_status; }
    bool isAvailable() const { return m_status == Status::Active; }
    bool holdsLock() const { return m_lock.isValid(); }

Q_SIGNALS:
    void statusChanged(LogindSleepMonitor::Status status);
    void lockChanged(bool held);

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

private:
    void requestLock();
    void onLockReply(QDBusPendingCallWatcher *watcher);
    void releaseLock();
    void setStatus(Status status);
    void giveUp(const QString &reason);

    QDBusConnection m_bus;
    QDBusUnixFileDescriptor m_lock;
    Status m_status = Status::Stopped;
    bool m_subscribed = false;
    bool m_lockRequested = false;
    bool m_sleeping = false;
};
