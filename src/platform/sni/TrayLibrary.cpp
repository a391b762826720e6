#include "sni/TrayLibrary.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "sni/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QLibrary>

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
} // namespace

namespace TrayLibrary {

bool watcherAvailable(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> reply = bus.interface()->isServiceRegistered(StatusNotifierItem::WatcherService);
    return reply.isValid() && reply.value();
}

QCoreApplication *createApplication(int &argc, char **argv, bool widgets)
{
    const auto create = widgets
                            ? entry<CreateTrayApplication>(Part::Fallback, kCreateWidgetsApplicationSymbol)
                            : entry<CreateTrayApplication>(Part::Tray, kCreateGuiApplicationSymbol);
    const auto configure = entry<ConfigureTrayApplication>(Part::Tray, kConfigureApplicationSymbol);
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
