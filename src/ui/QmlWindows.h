// The application's windows in Qt Quick: one QML engine, made with the first window, the panel
// placed at the tray click and kept there as its height follows its content, the About window
// made once, and the settings window made afresh for every opening (so that it starts from the
// stored state), centred on its first showing. The views library's entry point creates the one
// instance for the shell.
#pragma once

#include "desktop/AppWindows.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWindow>
#include <memory>
#include <optional>

class QQmlEngine;

class QmlWindows final : public AppWindows
{
public:
    explicit QmlWindows(const Objects &objects);
    ~QmlWindows() override;

    void togglePanel(const QPoint &globalPos) override;
    bool isPanelVisible() const override;
    void showPanel() override;
    void setPanelIsWindow(bool isWindow) override;
    void showSettings() override;
    void showAlarmSettings() override;
    void showAbout() override;

    // A position the desktop reported in device pixels, in Qt's logical coordinates.
    static QPoint logicalFromDevicePixels(const QPoint &devicePos);

private:
    QQmlEngine *engine();
    // Places the panel against its anchor, inside the screen area, for its current height.
    void placePanel();
    // Makes the panel on first use; false when it cannot be loaded.
    bool ensurePanel();
    // Shows the hidden panel at `globalPos` (as togglePanel takes it), or as a window.
    void openPanel(const QPoint &globalPos);
    QWindow *loadWindow(const QString &file);
    // Makes the window when there is none (at `position`, else centred), then brings it forward.
    void showWindow(QPointer<QWindow> &window, const QString &file,
                    const std::optional<QPoint> &position = std::nullopt);

    std::unique_ptr<QQmlEngine> m_engine;
    QPointer<QWindow> m_panel;
    QPointer<QWindow> m_settingsWindow;
    QPointer<QWindow> m_aboutWindow;
    // Where the settings window was when it closed; the next one opens there.
    std::optional<QPoint> m_settingsPosition;
    // The panel hangs from the click (or stands on it when the tray is at the bottom).
    QPoint m_panelAnchor;
    bool m_panelOpensUpwards = false;
    QRect m_panelArea;
    bool m_panelIsWindow = false;
    // The panel as a window has been placed once; later showings keep its place.
    bool m_windowPlaced = false;
    // When the panel last closed itself; a click on the tray icon that caused that must not
    // open it again at once.
    QElapsedTimer m_panelHidden;
};
