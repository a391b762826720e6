// Desktop notifications over org.freedesktop.Notifications on the session bus: each new one
// replaces the previous bubble of ours. Asks the server once whether it reads markup in bodies,
// and escapes them if so. Calls are asynchronous; one is in flight at a time, and only the
// latest waiting one is sent after it.
#pragma once

#include "desktop/DesktopNotifier.h"

#include <QDBusConnection>
#include <QObject>
#include <optional>

class FreedesktopNotifier final : public QObject, public DesktopNotifier
{
    Q_OBJECT
public:
    explicit FreedesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void notify(const QString &summary, const QString &body) override;

private:
    void sendPending();

    QDBusConnection m_bus;
    std::optional<bool> m_bodyMarkup; // unknown until the server answered
    bool m_busy = false;              // a call is on its way
    std::optional<std::pair<QString, QString>> m_pending;
    uint m_lastId = 0; // the bubble to replace
    bool m_warned = false;
};
