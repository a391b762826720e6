import QtQuick
import QtQuick.Window
import Zeffira

// The settings window: the settings view, 550 x 420 at first and never smaller; the user may
// make it larger. Escape (where no sheet or menu takes it) and Ctrl+W close it. The shell makes
// a new one for every opening.
Window {
    id: window
    title: qsTr("Instellingen")
    color: Theme.background
    width: 550
    height: 420
    minimumWidth: 550
    minimumHeight: 420

    readonly property alias currentTab: view.currentTab
    readonly property alias view: view

    // Opens the alarm page (the tray menu's and the panel's alarm entries).
    function showAlarms() { view.showAlarms() }

    // A closed sheet leaves the focus nowhere in particular: back to the view, so that keys
    // (Escape included) reach it again.
    onActiveFocusItemChanged: if (active && (activeFocusItem === null || activeFocusItem === contentItem)) view.forceActiveFocus()

    Shortcut {
        sequence: "Ctrl+W"
        onActivated: window.close()
    }

    SettingsView {
        id: view
        anchors.fill: parent
        focus: true
        Keys.onEscapePressed: window.close()
    }
}
