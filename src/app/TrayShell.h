// The desktop face of the application: the tray item with its label and menu, the station panel
// that drops from it, and the settings and About windows. The QML engine and every window are
// made on first use, so an idle tray costs little.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <memory>

class AppActions;
class GeneralSettingsModel;
class LoginItem;
class QQmlEngine;
#include <QWindow>
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
    QWindow *panel() const { return m_panel; }

private:
    void updateLabel();
    void updateMenu();
    void onMenuEntry(int id);
    QQmlEngine *engine();
    QWindow *loadWindow(const QString &file);
    void showWindow(QPointer<QWindow> &window, const QString &file);

    ZeffiraApp *m_app;
    std::unique_ptr<AppActions> m_actions;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<GeneralSettingsModel> m_generalSettings;
    std::unique_ptr<TrayItem> m_tray;
    std::unique_ptr<QQmlEngine> m_engine;
    QPointer<QWindow> m_panel;
    QPointer<QWindow> m_settingsWindow;
    QPointer<QWindow> m_aboutWindow;
    // When the panel last closed itself; a click on the tray icon that caused that must not
    // open it again at once.
    QElapsedTimer m_panelHidden;
    QString m_lastIcon;
};
