// The player's state for scripts, beside org.freedesktop.Application on the same object: the
// one call the application's actions cannot answer. It only forwards.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QVariantMap>

class DesktopApplicationService;

class PlayerControlAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "nl.zeffira.Zeffira.Control")
public:
    explicit PlayerControlAdaptor(DesktopApplicationService *service);
    // The interface's name, as the class info above gives it.
    static QString interfaceName();

public Q_SLOTS:
    // station, url, state, title, volume and, while it runs, sleepTimer (seconds left).
    QVariantMap Status();

private:
    DesktopApplicationService *m_service;
};
