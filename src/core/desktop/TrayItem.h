// The menu-bar item as the application sees it: icon, tooltip, label beside the icon and a
// menu, plus the user's clicks and scrolls. Implemented by StatusNotifierItem and by
// SystemTrayFallback; createTrayItem (TrayItemFactory.h) picks one.
#pragma once

#include "desktop/TrayMenuEntry.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class TrayItem : public QObject
{
    Q_OBJECT
public:
    enum class Status { Passive, Active, NeedsAttention };
    Q_ENUM(Status)

    using QObject::QObject;

    // Makes the item visible (registers or shows it). False when that failed; the reason is
    // logged as a warning.
    virtual bool start() = 0;

    // A freedesktop icon name, looked up in the desktop's theme and in the icon theme path
    // the item was created with.
    virtual void setIconName(const QString &name) = 0;
    // Our own artwork (an image file) for desktops that lack the theme icon; empty clears it.
    virtual void setIconFile(const QString &path) = 0;
    virtual void setToolTip(const QString &title, const QString &text) = 0;
    // The text beside the icon; `guide` is the longest text it will take, so that the panel
    // can keep a steady width. Where the tray shows no label it goes into the tooltip.
    virtual void setLabel(const QString &label, const QString &guide) = 0;
    virtual void setMenu(const QList<TrayMenuEntry> &entries) = 0;
    virtual void setStatus(Status status) = 0;

Q_SIGNALS:
    // Primary click; the position is in the desktop's device pixels, as StatusNotifierItem
    // hosts report it, or null where the tray does not say (the pointer's position is meant).
    void activated(QPoint globalPos);
    // Middle click.
    void secondaryActivated(QPoint globalPos);
    void scrolled(int delta, Qt::Orientation orientation);
    // A tray that shows no menu of its own asks for one here.
    void contextMenuRequested(QPoint globalPos);
    void menuEntryTriggered(int id);
    // The menu is about to open: the moment to refresh it with setMenu.
    void menuAboutToShow();
    // A panel took the item (a tray host appeared or was there).
    void hostRegistered();
    // The panel's Wayland activation token for the window the next activation shows.
    void activationTokenProvided(const QString &token);
};
