import QtQuick
import QtQuick.Window
import Zeffira

// The About window: sized to its content and not resizable.
Window {
    id: window
    title: "Over Zeffira"
    color: Theme.background
    width: about.implicitWidth
    height: about.implicitHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    AboutView {
        id: about
        objectName: "aboutView"
    }
}
