// The entry points of libzeffira_tray (see TrayLibrary.h).
#include "base/AppInfo.h"
#include "sni/StatusNotifierItem.h"
#include "sni/TrayLibrary.h"

#include <QClipboard>
#include <QGuiApplication>

extern "C" Q_DECL_EXPORT QCoreApplication *zeffira_tray_create_application(int &argc, char **argv)
{
    return new QGuiApplication(argc, argv);
}

extern "C" Q_DECL_EXPORT void zeffira_tray_configure_application()
{
    QGuiApplication::setApplicationName(QStringLiteral("zeffira"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zeffira"));
    QGuiApplication::setDesktopFileName(AppInfo::appId());
    // Closing the settings or About window must not end the tray application.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

extern "C" Q_DECL_EXPORT TrayItem *zeffira_tray_create_status_notifier_item(const QString &id,
                                                                            const QString &title,
                                                                            const QString &iconThemePath,
                                                                            const QDBusConnection &bus)
{
    return new StatusNotifierItem(id, title, iconThemePath, bus);
}

extern "C" Q_DECL_EXPORT void zeffira_tray_copy_to_clipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

extern "C" Q_DECL_EXPORT QString zeffira_tray_platform_name()
{
    return QGuiApplication::platformName();
}
