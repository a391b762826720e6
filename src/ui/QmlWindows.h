// The application's windows in Qt Quick: one QML engine, made with the first window, the panel
// placed at the tray click, and the settings and About windows, each made once and centred on
// its first showing. The views library's entry point creates the one instance for the shell.
#pragma once

#include "desktop/AppWindows.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWindow>
#include <memory>

class QQmlEngine;

class QmlWindows final : public AppWindows
{
public:
    explicit QmlWindows(const Objects &objects);
    ~QmlWindows() override;

    void togglePanel(const QPoint &globalPos) override;
    bool isPanelVisible() const override;
    void showSettings() override;
    void showAbout() override;

private:
    QQmlEngine *engine();
    QWindow *loadWindow(const QString &file);
    void showWindow(QPointer<QWindow> &window, const QString &file);

    std::unique_ptr<QQmlEngine> m_engine;
    QPointer<QWindow> m_panel;
    QPointer<QWindow> m_settingsWindow;
    QPointer<QWindow> m_aboutWindow;
    // When the panel last closed itself; a click on the tray icon that caused that must not
    // open it again at once.
    QElapsedTimer m_panelHidden;
};
