// Serves a TrayMenuEntry tree as com.canonical.dbusmenu on a D-Bus object path, so that the
// panel draws the tray item's menu itself. Owns a flat copy of the tree; reports clicks by the
// application's entry ids.
#pragma once

#include "desktop/TrayMenuEntry.h"
#include "sni/TrayDBusTypes.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <optional>

class DBusMenuAdaptor;

// QDBusContext lets the adaptor answer a call with an error.
class DBusMenuExporter : public QObject, public QDBusContext
{
    Q_OBJECT
public:
    static inline const QString DefaultPath = QStringLiteral("/MenuBar");

    explicit DBusMenuExporter(const QDBusConnection &bus, const QString &path = DefaultPath,
                              QObject *parent = nullptr);
    ~DBusMenuExporter() override;

    // Exports the object; false (and a warning) when the path cannot be registered.
    bool start();
    QString path() const { return m_path; }
    // Announces the new tree with LayoutUpdated (and ItemsPropertiesUpdated when only
    // properties changed); an identical tree announces nothing.
    void setMenu(const QList<TrayMenuEntry> &entries);
    void setIconThemePath(const QStringList &paths) { m_iconThemePath = paths; }
    QStringList iconThemePath() const { return m_iconThemePath; }
    uint revision() const { return m_revision; }

    // What the D-Bus adaptor calls; an empty optional means an unknown id.
    std::optional<DBusMenuLayoutItem> layout(int parentId, int recursionDepth,
                                             const QStringList &propertyNames) const;
    DBusMenuItemList groupProperties(const QList<int> &ids, const QStringList &propertyNames) const;
    std::optional<QVariant> property(int id, const QString &name) const;
    bool handleEvent(int id, const QString &eventId);
    // Returns whether the menu changed while the application prepared it.
    std::optional<bool> aboutToShow(int id);
    bool contains(int id) const { return m_nodes.contains(id); }

Q_SIGNALS:
    void menuEntryTriggered(int id);
    void menuAboutToShow();

private:
    struct Node {
        QVariantMap properties;
        QList<int> children;
        // Whether a click on it reaches the application: an enabled leaf with its own id.
        bool reportsClicks = false;
        friend bool operator==(const Node &, const Node &) = default;
    };
    using NodeMap = QHash<int, Node>;

    static NodeMap flatten(const QList<TrayMenuEntry> &entries);
    DBusMenuLayoutItem layoutOf(int id, int recursionDepth, const QStringList &propertyNames) const;
    void announcePropertyChanges(const NodeMap &before);

    QDBusConnection m_bus;
    QString m_path;
    DBusMenuAdaptor *m_adaptor;
    NodeMap m_nodes;
    QStringList m_iconThemePath;
    uint m_revision = 1;
    bool m_registered = false;
};
