// The tray item on QSystemTrayIcon and a QMenu, for desktops without a StatusNotifierWatcher
// (an XEmbed tray). It has no label beside the icon and no click position: the label goes
// into the tooltip and clicks report the cursor position.
#pragma once

#include "desktop/TrayItem.h"

#include <QIcon>
#include <QSystemTrayIcon>
#include <memory>

class QMenu;

class SystemTrayFallback final : public TrayItem
{
    Q_OBJECT
public:
    // `iconThemePath` is the folder holding our own icon theme (may be empty); it joins the
    // theme search path so that our icon names resolve.
    SystemTrayFallback(const QString &title, const QString &iconThemePath, QObject *parent = nullptr);
    ~SystemTrayFallback() override;

    // Shows the icon; false (and a warning) when the desktop has no system tray.
    bool start() override;

    void setIconName(const QString &name) override;
    void setIconFile(const QString &path) override;
    void setIconPixmaps(const QIcon &icon);
    void setToolTip(const QString &title, const QString &text) override;
    void setLabel(const QString &label, const QString &guide) override;
    void setMenu(const QList<TrayMenuEntry> &entries) override;
    void setStatus(Status status) override;

    QMenu *menu() const { return m_menu.get(); }
    QString toolTip() const { return m_tray.toolTip(); }
    QIcon icon() const { return m_tray.icon(); }

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void fill(QMenu *menu, const QList<TrayMenuEntry> &entries);
    void updateIcon();
    void updateToolTip();

    QString m_title;
    QSystemTrayIcon m_tray;
    std::unique_ptr<QMenu> m_menu;
    QList<TrayMenuEntry> m_entries;
    QString m_iconName;
    QIcon m_ownIcon;
    QString m_toolTipTitle;
    QString m_toolTipText;
    QString m_label;
    Status m_status = Status::Active;
    bool m_started = false;
};
