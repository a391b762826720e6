import QtQuick
import QtQuick.Window
import Zeffira

// The frameless panel that drops from the tray item. The shell positions and shows it and says
// how much room the screen has for it; it is always as tall as its content, whose list scrolls
// within that room so that the footer stays on screen. It hides itself when it loses focus or
// on Escape.
Window {
    id: panel

    // A test or a screenshot can keep the panel open without focus.
    property bool hideOnDeactivate: true
    // The height the screen has for the panel where it opens (set by the shell).
    property real availableHeight: screen ? screen.desktopAvailableHeight : 1000
    readonly property alias menuView: menu
    // Whether the last closing came from losing the focus (a click elsewhere, the tray icon
    // included) rather than from the keyboard or the shell.
    property bool closedByFocusLoss: false

    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    color: Theme.background
    title: "Zeffira"
    width: 300
    minimumWidth: 300
    maximumWidth: 300
    // No maximum height, and a minimum below any content's: a window manager holds a window to
    // the size hints it had when a resize arrives, which kept the panel at the height of its first
    // showing. A minimum there must be: tiling compositors (sway) float a window whose minimum
    // and maximum width agree only when it has a minimum height, and tile it over the whole
    // screen otherwise.
    minimumHeight: 100
    height: menu.implicitHeight

    onActiveChanged: {
        if (!active && visible && hideOnDeactivate) {
            closedByFocusLoss = true
            hide()
        }
    }
    // Follows the platform window's visibility, which changes exactly once per showing
    // (the `visible` property's signal may repeat).
    onVisibilityChanged: (visibility) => {
        if (visibility === Window.Hidden) {
            _shown = false
        } else if (!_shown) {
            _shown = true
            closedByFocusLoss = false
            menu.prepareForShowing()
            requestActivate()
        }
    }
    property bool _shown: false

    RadioMenuView {
        id: menu
        objectName: "radioMenuView"
        focus: true
        maximumListHeight: Math.min(800, panel.availableHeight - menu.chromeHeight)
        onCloseRequested: panel.hide()
    }
}
