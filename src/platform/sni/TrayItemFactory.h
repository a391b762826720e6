// Chooses the tray item for this desktop: our StatusNotifierItem where a watcher serves the
// panel, the QSystemTrayIcon fallback where only a plain tray exists; each comes from its library
// (TrayLibrary).
#pragma once

#include "desktop/TrayItem.h"

#include <QDBusConnection>
#include <memory>

// Our StatusNotifierItem when a StatusNotifierWatcher is on `bus`; else the fallback when the
// desktop has a system tray and the application is a QApplication (the fallback uses widgets);
// else the StatusNotifierItem anyway, which registers as soon as a watcher appears. The item is
// not started; null when its library cannot be loaded.
std::unique_ptr<TrayItem> createTrayItem(const QString &id, const QString &title,
                                         const QString &iconThemePath,
                                         const QDBusConnection &bus = QDBusConnection::sessionBus());

// Whether anything shows a tray item right now: a StatusNotifierWatcher on `bus`, or an XEmbed
// system tray (only asked of a QApplication, as the fallback needs widgets).
bool trayHostAvailable(const QDBusConnection &bus = QDBusConnection::sessionBus());
