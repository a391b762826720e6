#include "sni/TrayItemFactory.h"

#include "sni/StatusNotifierItem.h"
#include "sni/SystemTrayFallback.h"

#include <QApplication>
#include <QSystemTrayIcon>

std::unique_ptr<TrayItem> createTrayItem(const QString &id, const QString &title,
                                         const QString &iconThemePath, const QDBusConnection &bus)
{
    // The fallback's menu is a widget, which needs a QApplication rather than a QGuiApplication.
    const bool widgetsAvailable = qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
    if (widgetsAvailable && !StatusNotifierItem::watcherAvailable(bus) &&
        QSystemTrayIcon::isSystemTrayAvailable())
        return std::make_unique<SystemTrayFallback>(title, iconThemePath);
    return std::make_unique<StatusNotifierItem>(id, title, iconThemePath, bus);
}

bool trayHostAvailable(const QDBusConnection &bus)
{
    if (StatusNotifierItem::watcherAvailable(bus))
        return true;
    return qobject_cast<QApplication *>(QCoreApplication::instance()) &&
           QSystemTrayIcon::isSystemTrayAvailable();
}
