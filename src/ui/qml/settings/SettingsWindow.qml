import QtQuick
import QtQuick.Window
import Zeffira

// The settings window: the settings view in a fixed 550 x 420 frame.
Window {
    id: window
    title: "Instellingen"
    color: Theme.background
    width: 550
    height: 420
    minimumWidth: 550
    maximumWidth: 550
    minimumHeight: 420
    maximumHeight: 420

    readonly property alias currentTab: view.currentTab
    readonly property alias view: view

    SettingsView {
        id: view
        anchors.fill: parent
    }
}
