#include "notifications/FreedesktopNotifier.h"

#include "base/AppInfo.h"
#include "base/Logging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
} // namespace

FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
}

void FreedesktopNotifier::notify(const QString &summary, const QString &body)
{
    m_pending = {summary, body};
    sendPending();
}

void FreedesktopNotifier::sendPending()
{
    if (m_busy || !m_pending || !m_bus.isConnected())
        return;
    m_busy = true;
    QDBusMessage call;
    if (!m_bodyMarkup) {
        call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetCapabilities"));
    } else {
        const auto [summary, body] = *m_pending;
        m_pending.reset();
        call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
        call << QStringLiteral("Zeffira") << m_lastId << AppInfo::appId() << summary
             << (*m_bodyMarkup ? body.toHtmlEscaped() : body) << QStringList()
             << QVariantMap{{QStringLiteral("desktop-entry"), AppInfo::appId()}} << -1;
    }
    const bool asking = !m_bodyMarkup;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, asking] {
        watcher->deleteLater();
        m_busy = false;
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            if (!m_warned)
                qCWarning(lcSystem, "Desktop notifications unavailable: %s",
                          qUtf8Printable(reply.errorMessage()));
            m_warned = true;
            m_pending.reset();
            return;
        }
        if (asking)
            m_bodyMarkup = reply.arguments().value(0).toStringList().contains(QStringLiteral("body-markup"));
        else
            m_lastId = reply.arguments().value(0).toUInt();
        sendPending();
    });
}
