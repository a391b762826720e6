// Our own StatusNotifierItem on a D-Bus connection: icon, tooltip, the label beside the icon and
// the dbusmenu, served under org.kde.StatusNotifierItem-<pid>-<n> and registered with the
// panel's StatusNotifierWatcher whenever one is (or later comes) on the bus.
#pragma once

#include "desktop/TrayItem.h"
#include "sni/TrayDBusTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <optional>

class DBusMenuExporter;
class QDBusServiceWatcher;
class StatusNotifierItemAdaptor;
class QIcon;

class StatusNotifierItem final : public TrayItem
{
    Q_OBJECT
public:
    static inline const QString ObjectPath = QStringLiteral("/StatusNotifierItem");
    static inline const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");

    // `id` is the application id, `title` the application's name, `iconThemePath` the folder
    // holding our own icon theme (may be empty).
    StatusNotifierItem(const QString &id, const QString &title, const QString &iconThemePath,
                       const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~StatusNotifierItem() override;

    // Exports the item and its menu, takes the bus name and registers with the watcher if
    // there is one; later watchers are registered with as they appear.
    bool start() override;
    // Empty until start() succeeded.
    QString serviceName() const { return m_serviceName; }
    QString menuPath() const;

    void setIconName(const QString &name) override;
    // The file's pixmaps are drawn when a host first reads them: most hosts use the icon name,
    // and an idle tray then loads no image plugin.
    void setIconFile(const QString &path) override;
    void setIconPixmaps(const QIcon &icon);
    void setToolTip(const QString &title, const QString &text) override;
    void setLabel(const QString &label, const QString &guide) override;
    void setMenu(const QList<TrayMenuEntry> &entries) override;
    void setStatus(Status status) override;

    // What the D-Bus adaptor reads.
    QString id() const { return m_id; }
    QString title() const { return m_title; }
    QString statusText() const;
    QString iconName() const { return m_iconName; }
    DBusImageList iconPixmaps() const;
    QString iconThemePath() const { return m_iconThemePath; }
    DBusToolTip toolTip() const;
    QString label() const { return m_label; }
    QString labelGuide() const { return m_labelGuide; }

    // ARGB32 pixels in network byte order, one image per size the icon offers (a fixed set of
    // panel sizes for a scalable icon).
    static DBusImageList imagesFromIcon(const QIcon &icon);

private:
    void registerWithWatcher();

    QString m_id;
    QString m_title;
    QString m_iconThemePath;
    QDBusConnection m_bus;
    DBusMenuExporter *m_menu;
    QDBusServiceWatcher *m_watcherWatch = nullptr;
    StatusNotifierItemAdaptor *m_adaptor;
    QString m_serviceName;
    bool m_objectRegistered = false;
    Status m_status = Status::Active;
    QString m_iconName;
    QString m_iconFile;
    mutable std::optional<DBusImageList> m_iconPixmaps; // drawn from m_iconFile on first read
    QString m_toolTipTitle;
    QString m_toolTipText;
    QString m_label;
    QString m_labelGuide;
};
