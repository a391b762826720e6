// The entry points of libzeffira_trayfallback (see TrayLibrary.h).
#include "sni/SystemTrayFallback.h"
#include "sni/TrayLibrary.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT QCoreApplication *zeffira_trayfallback_create_application(int &argc, char **argv)
{
    return new QApplication(argc, argv);
}

extern "C" Q_DECL_EXPORT TrayItem *zeffira_trayfallback_create_item(const QString &title,
                                                                    const QString &iconThemePath)
{
    return new SystemTrayFallback(title, iconThemePath);
}

extern "C" Q_DECL_EXPORT bool zeffira_trayfallback_system_tray_available()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) &&
           QSystemTrayIcon::isSystemTrayAvailable();
}
