import QtQuick
import QtQuick.Window
import Zeffira

// The About window: sized to its content and not resizable. Escape and Ctrl+W close it.
Window {
    id: window
    title: qsTr("Over Zeffira")
    color: Theme.background
    width: about.implicitWidth
    height: about.implicitHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    Shortcut {
        sequence: "Ctrl+W"
        onActivated: window.close()
    }

    AboutView {
        id: about
        objectName: "aboutView"
        focus: true
        Keys.onEscapePressed: window.close()
    }
}
