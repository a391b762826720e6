// The org.freedesktop.Application interface as a Qt D-Bus adaptor on DesktopApplicationService;
// it only forwards.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class DesktopApplicationService;

class DesktopApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit DesktopApplicationAdaptor(DesktopApplicationService *service);

public Q_SLOTS:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData, const QDBusMessage &message);
    void ActivateAction(const QString &action, const QVariantList &parameter, const QVariantMap &platformData,
                        const QDBusMessage &message);

private:
    DesktopApplicationService *m_service;
};
