// The desktop face of the application: the tray item with its label, tooltip and menu, and the
// windows (station panel, settings, About), which come from the views library loaded the first
// time one of them is asked for, so that an idle tray maps no view toolkit.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

class AppActions;
class AppWindows;
class GeneralSettingsModel;
class LoginItem;
class TrayItem;
class ZeffiraApp;

class TrayShell : public QObject
{
    Q_OBJECT
public:
    explicit TrayShell(ZeffiraApp *app, QObject *parent = nullptr);
    ~TrayShell() override;

    // Shows the tray item; false when no tray could be shown.
    bool start();

    // Shows the panel at `globalPos` (the click), or hides it when it is open.
    void togglePanel(const QPoint &globalPos);
    void openSettings();
    void openAbout();

    TrayItem *trayItem() const { return m_tray.get(); }

private:
    void updateLabel();
    void updateMenu();
    void onMenuEntry(int id);
    // Loads the views library on first use; null (logged) when it cannot be loaded.
    AppWindows *windows();

    ZeffiraApp *m_app;
    std::unique_ptr<AppActions> m_actions;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<GeneralSettingsModel> m_generalSettings;
    std::unique_ptr<TrayItem> m_tray;
    std::unique_ptr<AppWindows> m_windows;
    bool m_windowsFailed = false;
    QString m_lastIcon;
};
