// What the tray tests share: a private session bus with a python3-dbusmock
// StatusNotifierWatcher, a connection for the item and a second one that plays the desktop, so
// every call crosses the bus, and a fresh StatusNotifierItem for each test function. Test
// classes derive from it; its initTestCase/init/cleanup/cleanupTestCase slots run for them.
#pragma once

#include "desktop/TrayMenuEntry.h"
#include "sni/StatusNotifierItem.h"
#include "support/DBusMock.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class SignalLog;

class TrayBusFixture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

protected:
    static inline const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
    static inline const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
    static inline const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
    static inline const QString kAppId = QStringLiteral("nl.zeffira.Zeffira");
    static inline const QString kThemePath = QStringLiteral("/usr/share/zeffira/icons");
    // Bound for what happens on the bus; only a broken run waits this long.
    static constexpr int kWaitMs = 20000;

    static TrayMenuEntry entry(int id, const QString &label);
    static TrayMenuEntry toggle(int id, const QString &label, TrayMenuEntry::Toggle kind, bool checked);
    // Play/pause with a check mark, a separator (no id of its own), a submenu of two radio
    // stations of which one is disabled, a hidden entry and an entry with an icon.
    static QList<TrayMenuEntry> sampleMenu();

    void startWatcher();
    QDBusMessage call(const QString &service, const QString &path, const QString &interface,
                      const QString &method, const QVariantList &arguments = {});
    QDBusMessage callItem(const QString &method, const QVariantList &arguments = {});
    QDBusMessage callMenu(const QString &method, const QVariantList &arguments = {});
    QVariant itemProperty(const QString &name);
    QStringList registrations();
    void listen(const QString &path, const QString &interface, const QStringList &names, SignalLog *log);

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<DBusMock> m_watcher;
    QTemporaryDir m_dir;
    QDBusConnection m_itemBus{QString()};
    QDBusConnection m_desktop{QString()};
    std::unique_ptr<StatusNotifierItem> m_item;

private:
    QString m_templatePath;
};
