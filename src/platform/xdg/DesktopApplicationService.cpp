#include "xdg/DesktopApplicationService.h"

#include "base/Logging.h"
#include "xdg/DesktopApplicationAdaptor.h"
#include "xdg/PlayerControlAdaptor.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.Application");

// A call that never starts the program through its D-Bus service file: a remote command
// finds the running player or reports that none runs.
QDBusMessage callRunning(const QString &appId, const QString &interface, const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(appId, DesktopApplicationService::objectPath(appId),
                                                       interface, method);
    call.setAutoStartService(false);
    return call;
}
} // namespace

DesktopApplicationService::DesktopApplicationService(const QString &appId, const QDBusConnection &bus,
                                                     QObject *parent)
    : QObject(parent), m_appId(appId), m_bus(bus)
{
    new DesktopApplicationAdaptor(this);
    new PlayerControlAdaptor(this);
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

bool DesktopApplicationService::isRunning(const QString &appId, const QDBusConnection &bus)
{
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(appId).value();
}

QString DesktopApplicationService::sendAction(const QString &appId, const QString &action,
                                              const QVariant &parameter, const QDBusConnection &bus)
{
    QDBusMessage call = callRunning(appId, kInterface, QStringLiteral("ActivateAction"));
    QVariantList parameters;
    if (parameter.isValid())
        parameters << QVariant::fromValue(QDBusVariant(parameter));
    call << action << QVariant::fromValue(parameters) << launchPlatformData();
    const QDBusMessage reply = bus.call(call);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

QString DesktopApplicationService::queryStatus(const QString &appId, const QDBusConnection &bus,
                                               QVariantMap *status)
{
    const QDBusReply<QVariantMap> reply =
        bus.call(callRunning(appId, PlayerControlAdaptor::interfaceName(), QStringLiteral("Status")));
    if (!reply.isValid())
        return reply.error().message();
    *status = reply.value();
    return {};
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

void DesktopApplicationService::activateAction(const QString &action, const QVariantList &parameter,
                                               const QDBusMessage &message)
{
    // The parameter is a list of at most one value, each in a variant of its own.
    QVariant value = parameter.isEmpty() ? QVariant() : parameter.constFirst();
    if (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    // A dictionary (the alarm's) arrives still marshalled.
    if (value.userType() == qMetaTypeId<QDBusArgument>())
        value = qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    const QString refusal =
        onAction ? onAction(action, value) : QStringLiteral("No such action: %1").arg(action.left(64));
    if (!refusal.isEmpty())
        refuse(message, QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), refusal);
}

QVariantMap DesktopApplicationService::status() const
{
    return onStatus ? onStatus() : QVariantMap();
}

void DesktopApplicationService::refuse(const QDBusMessage &message, const QString &errorName,
                                       const QString &why)
{
    message.setDelayedReply(true);
    m_bus.send(message.createErrorReply(errorName, why));
}
