// Reports system sleep and wake from logind on the system bus. While running it holds a
// "delay" inhibitor lock, so the system waits until willSleep() has been handled and every hold
// taken in it released (the player's pause carried out), at most logind's own delay
// (InhibitDelayMaxUSec); it takes a new lock after wake.
#pragma once

#include "playback/SleepMonitor.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QTimer>

#include <chrono>

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

    // How long a hold keeps the lock when logind does not say how long it waits (its default).
    static constexpr std::chrono::milliseconds kDefaultDelay{5000};

    // Subscribes to logind's sleep signal and asks for the lock. Never blocks on logind;
    // connect to willSleep()/didWake() before calling this.
    void start();

    Status status() const { return m_status; }
    bool isAvailable() const { return m_status == Status::Active; }
    bool holdsLock() const { return m_lock.isValid(); }
    // The longest a hold keeps the system from sleeping: logind's delay, once it has said.
    std::chrono::milliseconds holdLimit() const { return m_holdLimit.intervalAsDuration(); }

Q_SIGNALS:
    void statusChanged(LogindSleepMonitor::Status status);
    void lockChanged(bool held);

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

protected:
    void sleepReleased() override;

private:
    void readMaxDelay();
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
    // Runs for logind's delay from the sleep signal on: sleep goes ahead then whatever holds it.
    QTimer m_holdLimit;
};
