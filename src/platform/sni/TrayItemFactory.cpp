#include "sni/TrayItemFactory.h"

#include "sni/TrayLibrary.h"

#include <QCoreApplication>

namespace {
// The fallback's menu is a widget, which needs a QApplication rather than a QGuiApplication.
bool widgetsAvailable()
{
    const QCoreApplication *application = QCoreApplication::instance();
    return application && application->inherits("QApplication");
}
} // namespace

std::unique_ptr<TrayItem> createTrayItem(const QString &id, const QString &title,
                                         const QString &iconThemePath, const QDBusConnection &bus)
{
    if (widgetsAvailable() && !TrayLibrary::watcherAvailable(bus) && TrayLibrary::systemTrayAvailable())
        return std::unique_ptr<TrayItem>(TrayLibrary::createFallback(title, iconThemePath));
    return std::unique_ptr<TrayItem>(TrayLibrary::createStatusNotifierItem(id, title, iconThemePath, bus));
}

bool trayHostAvailable(const QDBusConnection &bus)
{
    if (TrayLibrary::watcherAvailable(bus))
        return true;
    return widgetsAvailable() && TrayLibrary::systemTrayAvailable();
}
