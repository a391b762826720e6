// The tray's toolkit parts live in libraries of their own, so that a headless player maps no
// Qt Gui or Widgets: libzeffira_tray (Qt Gui: the desktop's application object, our
// StatusNotifierItem, the clipboard) and libzeffira_trayfallback (Qt Widgets: a QApplication and
// the QSystemTrayIcon fallback, only for a desktop with an XEmbed tray and no
// StatusNotifierWatcher). This is the loader and the libraries' entry points.
#pragma once

#include <QString>

class QCoreApplication;
class QDBusConnection;
class TrayItem;

namespace TrayLibrary {
// Whether a StatusNotifierWatcher owns its name on `bus` right now (QtDBus only: asked before
// any toolkit is loaded).
bool watcherAvailable(const QDBusConnection &bus);

// The desktop's application object, named for the desktop, which the last window closed does not
// end; made before any other. A QGuiApplication where a StatusNotifierWatcher shows our item, else
// a QApplication, for the fallback's menu is a widget: Qt Widgets only where it may be needed.
// Owned by the caller; null when the library cannot be loaded (logged as a critical error).
QCoreApplication *createApplication(int &argc, char **argv);

// New items, owned by the caller and not started; null when the library cannot be loaded.
TrayItem *createStatusNotifierItem(const QString &id, const QString &title, const QString &iconThemePath,
                                   const QDBusConnection &bus);
TrayItem *createFallback(const QString &title, const QString &iconThemePath);
// Whether the desktop has an XEmbed system tray; asked of a QApplication only.
bool systemTrayAvailable();

// The desktop's clipboard, once a desktop application object exists.
void copyToClipboard(const QString &text);
// The window system Qt runs on ("xcb", "wayland", ...); empty without a desktop application.
QString platformName();
} // namespace TrayLibrary

extern "C" {
using CreateTrayApplication = QCoreApplication *(*)(int &argc, char **argv);
using ConfigureTrayApplication = void (*)();
using CreateStatusNotifierItem = TrayItem *(*)(const QString &id, const QString &title,
                                               const QString &iconThemePath, const QDBusConnection &bus);
using CreateTrayFallback = TrayItem *(*)(const QString &title, const QString &iconThemePath);
using SystemTrayAvailable = bool (*)();
using CopyToClipboard = void (*)(const QString &text);
using PlatformName = QString (*)();
}
// libzeffira_tray
inline constexpr const char *kCreateGuiApplicationSymbol = "zeffira_tray_create_application";
inline constexpr const char *kConfigureApplicationSymbol = "zeffira_tray_configure_application";
inline constexpr const char *kCreateStatusNotifierItemSymbol = "zeffira_tray_create_status_notifier_item";
inline constexpr const char *kCopyToClipboardSymbol = "zeffira_tray_copy_to_clipboard";
inline constexpr const char *kPlatformNameSymbol = "zeffira_tray_platform_name";
// libzeffira_trayfallback
inline constexpr const char *kCreateWidgetsApplicationSymbol = "zeffira_trayfallback_create_application";
inline constexpr const char *kCreateTrayFallbackSymbol = "zeffira_trayfallback_create_item";
inline constexpr const char *kSystemTrayAvailableSymbol = "zeffira_trayfallback_system_tray_available";
