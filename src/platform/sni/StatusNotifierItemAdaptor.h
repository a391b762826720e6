// The org.kde.StatusNotifierItem interface (with the Ayatana label extension) as a Qt D-Bus
// adaptor on StatusNotifierItem; it only forwards.
#pragma once

#include "sni/TrayDBusTypes.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>

class StatusNotifierItem;

class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ iconThemePath)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(DBusImageList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(DBusImageList OverlayIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(DBusImageList AttentionIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(DBusToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem *item);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const;
    QString title() const;
    QString status() const;
    // We have no X11 window to name; 0 is the protocol's "none".
    int windowId() const { return 0; }
    QString iconThemePath() const;
    QString iconName() const;
    DBusImageList iconPixmap() const;
    QString emptyName() const { return {}; }
    DBusImageList noImages() const { return {}; }
    DBusToolTip toolTip() const;
    // False: a primary click means Activate (the station panel), the menu is for the other button.
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;
    QString label() const;
    QString labelGuide() const;

public Q_SLOTS:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);
    // Wayland: the token the panel sends before Activate, so that the window may take the focus.
    void ProvideXdgActivationToken(const QString &token);

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);
    void XAyatanaNewLabel(const QString &label, const QString &guide);

private:
    StatusNotifierItem *m_item;
};
