import QtQuick
import Zeffira

// The panel's last lines: the sleep timer, the settings, About and, below a divider, quit.
Column {
    id: root

    spacing: 1
    topPadding: 4
    bottomPadding: 4

    AlarmRow {
        objectName: "alarmRow"
        width: parent.width
    }
    SleepTimerRow {
        objectName: "sleepTimerRow"
        width: parent.width
    }
    MenuRowButton {
        objectName: "settingsRow"
        width: parent.width
        label: qsTr("Instellingen...")
        icon: "gearshape"
        shortcut: "Ctrl+,"
        onClicked: App.openSettings()
    }
    MenuRowButton {
        objectName: "aboutRow"
        width: parent.width
        label: qsTr("Over Zeffira")
        icon: "info.circle"
        onClicked: App.openAbout()
    }
    Item {
        width: parent.width
        height: 5
        Divider { y: 2 }
    }
    MenuRowButton {
        objectName: "quitRow"
        width: parent.width
        label: qsTr("Sluit af")
        icon: "power"
        shortcut: "Ctrl+Q"
        onClicked: App.quit()
    }
}
