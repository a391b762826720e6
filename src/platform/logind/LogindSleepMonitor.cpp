#include "logind/LogindSleepMonitor.h"

#include "base/Logging.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

// Errors that mean nobody answers as logind on this bus (as opposed to logind refusing).
bool meansNoLogind(const QDBusError &error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
        return true;
    default:
        return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
    }
}
} // namespace

LogindSleepMonitor::LogindSleepMonitor(QObject *parent)
    : LogindSleepMonitor(QDBusConnection::systemBus(), parent)
{
}

LogindSleepMonitor::LogindSleepMonitor(const QDBusConnection &bus, QObject *parent)
    : SleepMonitor(parent), m_bus(bus)
{
    m_holdLimit.setSingleShot(true);
    m_holdLimit.setInterval(kDefaultDelay);
    m_holdLimit.callOnTimeout(this, [this] {
        qCWarning(lcSystem, "The system goes to sleep before the radio has paused");
        releaseLock();
    });
}

LogindSleepMonitor::~LogindSleepMonitor() = default;

void LogindSleepMonitor::start()
{
    if (m_status != Status::Stopped)
        return;
    if (!m_bus.isConnected()) {
        const QString detail = m_bus.lastError().message();
        giveUp(detail.isEmpty() ? QStringLiteral("no system bus")
                                : QStringLiteral("no system bus (%1)").arg(detail));
        return;
    }
    // Only signals sent by the owner of logind's name reach the slot: anyone on the bus may
    // emit a signal with this path and interface.
    m_subscribed = m_bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                                 SLOT(onPrepareForSleep(bool)));
    if (!m_subscribed) {
        giveUp(QStringLiteral("cannot subscribe to logind's sleep signal (%1)")
                   .arg(m_bus.lastError().message()));
        return;
    }
    setStatus(Status::Starting);
    requestLock();
    readMaxDelay();
}

void LogindSleepMonitor::readMaxDelay()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kManager << QStringLiteral("InhibitDelayMaxUSec");
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *self) {
        self->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *self;
        bool ok = false;
        const qulonglong usec = reply.isError() ? 0 : reply.value().variant().toULongLong(&ok);
        // Without an answer, logind's default: a lock held longer than logind waits holds nothing.
        if (ok && usec > 0)
            m_holdLimit.setInterval(
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::microseconds(usec)));
    });
}

void LogindSleepMonitor::onPrepareForSleep(bool sleeping)
{
    if (m_status == Status::Unavailable)
        return;
    m_sleeping = sleeping;
    if (sleeping) {
        // The player asks for its pause inside this emit and holds the sleep until the pipeline
        // has carried it out; holding the lock longer only delays the sleep.
        Q_EMIT willSleep();
        if (isSleepHeld() && holdsLock())
            m_holdLimit.start();
        else
            releaseLock();
    } else {
        m_holdLimit.stop();
        dropHolds();
        Q_EMIT didWake();
        requestLock();
    }
}

void LogindSleepMonitor::sleepReleased()
{
    if (!m_sleeping)
        return;
    m_holdLimit.stop();
    releaseLock();
}

void LogindSleepMonitor::requestLock()
{
    if (m_lockRequested || holdsLock())
        return;
    if (!(m_bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
        qCWarning(lcSystem,
                  "Could not take the sleep delay lock: the bus connection cannot pass file descriptors");
        setStatus(Status::Active);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Zeffira") << tr("Pauzeert de radio voor de slaapstand")
         << QStringLiteral("delay");
    m_lockRequested = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &LogindSleepMonitor::onLockReply);
}

void LogindSleepMonitor::onLockReply(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    m_lockRequested = false;
    if (m_status == Status::Unavailable)
        return;

    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *watcher;
    if (reply.isError()) {
        const QDBusError error = reply.error();
        if (m_status == Status::Starting && meansNoLogind(error)) {
            giveUp(QStringLiteral("logind is not running (%1)").arg(error.message()));
            return;
        }
        // logind is there but refused or did not answer: sleep and wake still arrive, the
        // pause just is not guaranteed to happen before the system sleeps.
        qCWarning(lcSystem, "Could not take the sleep delay lock: %s", qUtf8Printable(error.message()));
        setStatus(Status::Active);
        return;
    }
    setStatus(Status::Active);

    const QDBusUnixFileDescriptor received = reply.value();
    if (!received.isValid()) {
        qCWarning(lcSystem, "Could not take the sleep delay lock: logind returned no file descriptor");
        return;
    }
    if (m_sleeping) {
        // The answer came after the system began to sleep; keeping the lock would only hold
        // the sleep up until logind's delay runs out. A new one is taken after wake.
        return;
    }
    // Our own duplicate, so that letting go closes it at once even while the reply message
    // still holds its copy.
    m_lock.setFileDescriptor(received.fileDescriptor());
    if (m_lock.isValid())
        Q_EMIT lockChanged(true);
    else
        qCWarning(lcSystem, "Could not take the sleep delay lock: the file descriptor could not be kept");
}

void LogindSleepMonitor::releaseLock()
{
    if (!m_lock.isValid())
        return;
    m_lock = QDBusUnixFileDescriptor();
    Q_EMIT lockChanged(false);
}

void LogindSleepMonitor::setStatus(Status status)
{
    if (m_status == status)
        return;
    m_status = status;
    Q_EMIT statusChanged(status);
}

void LogindSleepMonitor::giveUp(const QString &reason)
{
    if (m_status == Status::Unavailable)
        return;
    if (m_subscribed) {
        m_bus.disconnect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                         SLOT(onPrepareForSleep(bool)));
        m_subscribed = false;
    }
    releaseLock();
    qCWarning(lcSystem, "Sleep handling unavailable: %s", qUtf8Printable(reason));
    setStatus(Status::Unavailable);
}
