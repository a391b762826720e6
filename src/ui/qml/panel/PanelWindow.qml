import QtQuick
import QtQuick.Window
import Zeffira

// The frameless panel that drops from the tray item. The shell positions and shows it; it
// hides itself when it loses focus.
Window {
    id: panel

    // A test or a screenshot can keep the panel open without focus.
    property bool hideOnDeactivate: true
    readonly property alias menuView: menu

    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    color: Theme.background
    width: 300
    height: menu.implicitHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    onActiveChanged: {
        if (!active && visible && hideOnDeactivate)
            hide()
    }
    // Follows the platform window's visibility, which changes exactly once per showing
    // (the `visible` property's signal may repeat).
    onVisibilityChanged: (visibility) => {
        if (visibility === Window.Hidden) {
            _shown = false
        } else if (!_shown) {
            _shown = true
            requestActivate()
        }
    }
    property bool _shown: false

    RadioMenuView {
        id: menu
        objectName: "radioMenuView"
        // Room for the rows around the list, so that the whole panel fits on the screen.
        maximumListHeight: Math.max(300, Math.min(800, panel.screen.desktopAvailableHeight - 300))
    }
}
