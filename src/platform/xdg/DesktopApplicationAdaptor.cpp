#include "xdg/DesktopApplicationAdaptor.h"

#include "xdg/DesktopApplicationService.h"

DesktopApplicationAdaptor::DesktopApplicationAdaptor(DesktopApplicationService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

void DesktopApplicationAdaptor::Activate(const QVariantMap &platformData)
{
    m_service->activate(platformData);
}

void DesktopApplicationAdaptor::Open(const QStringList &uris, const QVariantMap &platformData,
                                     const QDBusMessage &message)
{
    m_service->open(uris, platformData, message);
}

void DesktopApplicationAdaptor::ActivateAction(const QString &action, const QVariantList &parameter,
                                               const QVariantMap &, const QDBusMessage &message)
{
    m_service->activateAction(action, parameter, message);
}
