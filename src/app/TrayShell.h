// The desktop face of the application: the tray item with its label, tooltip and menu, and the
// windows (station panel, settings, About), which come from the views library loaded the first
// time one of them is asked for, so that an idle tray maps no view toolkit. ZeffiraApp makes it
// and the objects it is given; it wires them and makes nothing but the windows.
#pragma once

#include "viewmodels/TrayMenu.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

class AppActions;
class AppWindows;
class GeneralSettingsModel;
class TrayItem;
class ZeffiraApp;

class TrayShell : public QObject
{
    Q_OBJECT
public:
    // `app`, `actions` and `generalSettings` must outlive the shell; `panelIsWindow` when nothing
    // shows tray items (the panel is then an ordinary window).
    TrayShell(ZeffiraApp *app, AppActions *actions, GeneralSettingsModel *generalSettings,
              std::unique_ptr<TrayItem> tray, bool panelIsWindow, QObject *parent = nullptr);
    ~TrayShell() override;

    // The icon of an idle tray (nothing playing), for an item shown before the shell exists.
    static void showIdle(TrayItem &tray);

    // Wires the tray item, which is already shown. Where the panel is a window, it opens at once
    // when `showWindowWithoutTray`.
    void start(bool showWindowWithoutTray);

    // A launch of the program or the desktop's media controls asked for the application: the
    // panel (or its window) comes forward. `activationToken` lets it take the focus on Wayland.
    void activate(const QString &activationToken = QString());
    // Plays what a launch handed over; a refusal is also shown as a notification, since the
    // one who opened a file from a file manager sees no terminal. Returns the refusal.
    QString open(const QStringList &uris, const QString &activationToken);

    // Shows the panel at `globalPos` (the click), or hides it when it is open.
    void togglePanel(const QPoint &globalPos);
    void openSettings();
    void openAlarmSettings();
    void openAbout();

    TrayItem *trayItem() const { return m_tray.get(); }

private:
    void updateLabel();
    void updateMenu();
    TrayMenu::Rewind rewindState() const;
    void onMenuEntry(int id);
    // Loads the views library on first use; null (logged) when it cannot be loaded.
    AppWindows *windows();
    // Hands the pending activation token to the window system for the window shown next.
    void useActivationToken();

    ZeffiraApp *m_app;
    AppActions *m_actions;
    GeneralSettingsModel *m_generalSettings;
    std::unique_ptr<TrayItem> m_tray;
    std::unique_ptr<AppWindows> m_windows;
    bool m_windowsFailed = false;
    QString m_lastIcon;
    QString m_lastTooltip;
    std::pair<bool, bool> m_rewindShown{false, false}; // the buffer's availability, behind live
    bool m_panelIsWindow = false;
    QString m_activationToken;
};
