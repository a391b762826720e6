#include "sni/TrayLibrary.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "sni/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QLibrary>

#include <gio/gio.h>

#include <future>

namespace {
enum class Part { Tray, Fallback };

QFunctionPointer resolve(Part part, const char *symbol)
{
    // Never unloaded: the application object, the items and Qt's platform plugin live as long as
    // the process.
    static QLibrary tray(AppInfo::libraryDir() + QStringLiteral("/libzeffira_tray.so"));
    static QLibrary fallback(AppInfo::libraryDir() + QStringLiteral("/libzeffira_trayfallback.so"));
    static bool warned[2] = {false, false};
    QLibrary &library = part == Part::Tray ? tray : fallback;
    const QFunctionPointer function = library.resolve(symbol);
    if (!function && !std::exchange(warned[int(part)], true))
        qCCritical(lcApp, "Cannot load the tray from %s: %s", qUtf8Printable(library.fileName()),
                   qUtf8Printable(library.errorString()));
    return function;
}

template <typename Function> Function entry(Part part, const char *symbol)
{
    return reinterpret_cast<Function>(resolve(part, symbol));
}

// Asked before any application object exists, on a connection of its own (GIO's, which needs
// none), so that it runs beside the loading of the tray library.
bool sessionWatcherAvailable()
{
    GError *error = nullptr;
    gchar *address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    GDBusConnection *bus = address ? g_dbus_connection_new_for_address_sync(
                                         address,
                                         GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                                         nullptr, nullptr, &error)
                                   : nullptr;
    g_free(address);
    gboolean owned = FALSE;
    if (bus) {
        const std::string name = StatusNotifierItem::WatcherService.toStdString();
        if (GVariant *reply = g_dbus_connection_call_sync(
                bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
                g_variant_new("(s)", name.c_str()), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE, 5000,
                nullptr, &error)) {
            g_variant_get(reply, "(b)", &owned);
            g_variant_unref(reply);
        }
        g_dbus_connection_close_sync(bus, nullptr, nullptr);
        g_object_unref(bus);
    }
    g_clear_error(&error);
    return owned;
}
} // namespace

namespace TrayLibrary {

bool watcherAvailable(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> reply = bus.interface()->isServiceRegistered(StatusNotifierItem::WatcherService);
    return reply.isValid() && reply.value();
}

QCoreApplication *createApplication(int &argc, char **argv)
{
    std::future<bool> watcher = std::async(std::launch::async, sessionWatcherAvailable);
    const auto configure = entry<ConfigureTrayApplication>(Part::Tray, kConfigureApplicationSymbol);
    const bool widgets = !watcher.get();
    const auto create = widgets
                            ? entry<CreateTrayApplication>(Part::Fallback, kCreateWidgetsApplicationSymbol)
                            : entry<CreateTrayApplication>(Part::Tray, kCreateGuiApplicationSymbol);
    if (!create || !configure)
        return nullptr;
    QCoreApplication *application = create(argc, argv);
    configure();
    return application;
}

TrayItem *createStatusNotifierItem(const QString &id, const QString &title, const QString &iconThemePath,
                                   const QDBusConnection &bus)
{
    const auto create = entry<CreateStatusNotifierItem>(Part::Tray, kCreateStatusNotifierItemSymbol);
    return create ? create(id, title, iconThemePath, bus) : nullptr;
}

TrayItem *createFallback(const QString &title, const QString &iconThemePath)
{
    const auto create = entry<CreateTrayFallback>(Part::Fallback, kCreateTrayFallbackSymbol);
    return create ? create(title, iconThemePath) : nullptr;
}

bool systemTrayAvailable()
{
    const auto available = entry<SystemTrayAvailable>(Part::Fallback, kSystemTrayAvailableSymbol);
    return available && available();
}

void copyToClipboard(const QString &text)
{
    if (const auto copy = entry<CopyToClipboard>(Part::Tray, kCopyToClipboardSymbol))
        copy(text);
}

QString platformName()
{
    const auto name = entry<PlatformName>(Part::Tray, kPlatformNameSymbol);
    return name ? name() : QString();
}

} // namespace TrayLibrary
