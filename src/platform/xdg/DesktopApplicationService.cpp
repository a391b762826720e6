#include "xdg/DesktopApplicationService.h"

#include "base/Logging.h"
#include "xdg/DesktopApplicationAdaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.Application");
} // namespace

DesktopApplicationService::DesktopApplicationService(const QString &appId, const QDBusConnection &bus,
                                                     QObject *parent)
    : QObject(parent), m_appId(appId), m_bus(bus)
{
    new DesktopApplicationAdaptor(this);
}

DesktopApplicationService::~DesktopApplicationService()
{
    if (m_owned)
        m_bus.unregisterService(m_appId);
    if (m_exported)
        m_bus.unregisterObject(objectPath(m_appId));
}

QString DesktopApplicationService::objectPath(const QString &appId)
{
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

DesktopApplicationService::Claim DesktopApplicationService::claim()
{
    if (!m_bus.isConnected() || !m_bus.interface())
        return Claim::Failed;
    // Exported before the name is taken: a launch that finds the name calls at once.
    if (!m_bus.registerObject(objectPath(m_appId), this)) {
        qCWarning(lcApp, "Cannot export %s: %s", qUtf8Printable(objectPath(m_appId)),
                  qUtf8Printable(m_bus.lastError().message()));
        return Claim::Failed;
    }
    m_exported = true;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        m_bus.interface()->registerService(m_appId, QDBusConnectionInterface::DontQueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_owned = true;
        return Claim::Owned;
    }
    m_bus.unregisterObject(objectPath(m_appId));
    m_exported = false;
    if (!reply.isValid()) {
        qCWarning(lcApp, "Cannot take the bus name %s: %s", qUtf8Printable(m_appId),
                  qUtf8Printable(reply.error().message()));
        return Claim::Failed;
    }
    return Claim::Taken;
}

QString DesktopApplicationService::activationToken(const QVariantMap &platformData)
{
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    return token.isEmpty() ? platformData.value(QStringLiteral("desktop-startup-id")).toString() : token;
}

QVariantMap DesktopApplicationService::launchPlatformData()
{
    QVariantMap data;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data.insert(QStringLiteral("activation-token"), token);
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), id);
    return data;
}

QString DesktopApplicationService::forward(const QString &appId, const QStringList &uris,
                                           const QDBusConnection &bus)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(appId, objectPath(appId), kInterface,
                                       uris.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!uris.isEmpty())
        call << uris;
    call << launchPlatformData();
    const QDBusMessage reply = bus.call(call);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

void DesktopApplicationService::activate(const QVariantMap &platformData)
{
    if (onActivate)
        onActivate(activationToken(platformData));
}

void DesktopApplicationService::open(const QStringList &uris, const QVariantMap &platformData,
                                     const QDBusMessage &message)
{
    const QString refusal = onOpen ? onOpen(uris, activationToken(platformData)) : QString();
    if (!refusal.isEmpty())
        refuse(message, QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), refusal);
}

void DesktopApplicationService::activateAction(const QString &action, const QVariantMap &,
                                               const QDBusMessage &message)
{
    if (!onAction || !onAction(action))
        refuse(message, QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
               QStringLiteral("No such action: %1").arg(action.left(64)));
}

void DesktopApplicationService::refuse(const QDBusMessage &message, const QString &errorName,
                                       const QString &why)
{
    message.setDelayedReply(true);
    m_bus.send(message.createErrorReply(errorName, why));
}
