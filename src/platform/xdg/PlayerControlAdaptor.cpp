#include "xdg/PlayerControlAdaptor.h"

#include "xdg/DesktopApplicationService.h"

#include <QMetaClassInfo>

PlayerControlAdaptor::PlayerControlAdaptor(DesktopApplicationService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString PlayerControlAdaptor::interfaceName()
{
    const QMetaObject &meta = staticMetaObject;
    return QString::fromLatin1(meta.classInfo(meta.indexOfClassInfo("D-Bus Interface")).value());
}

QVariantMap PlayerControlAdaptor::Status()
{
    return m_service->status();
}
