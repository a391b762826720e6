import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The settings window's content: the tabs "Algemeen", "Stations" and "Wekker" over their pages;
// Ctrl+Tab and Ctrl+PgDown go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous.
FocusScope {
    id: root

    readonly property alias currentTab: tabs.currentIndex
    readonly property alias generalTab: generalTab
    readonly property alias stationsTab: stationsTab
    readonly property alias alarmsTab: alarmsTab

    function showTab(index) { tabs.currentIndex = index }
    function showAlarms() { tabs.currentIndex = 2 }
    function stepTab(step) { tabs.currentIndex = (tabs.currentIndex + step + tabs.count) % tabs.count }

    Shortcut {
        sequences: ["Ctrl+Tab", "Ctrl+PgDown"]
        onActivated: root.stepTab(1)
    }
    Shortcut {
        sequences: ["Ctrl+Shift+Tab", "Ctrl+Shift+Backtab", "Ctrl+Backtab", "Ctrl+PgUp"]
        onActivated: root.stepTab(-1)
    }

    implicitWidth: 550
    implicitHeight: 420

    // A new window (one per opening) starts without an old error row and the switch mirroring
    // the login item (the General tab reads the devices afresh as it shows).
    Component.onCompleted: GeneralSettings.reset()

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabs
            objectName: "settingsTabs"
            Accessible.name: qsTr("Instellingen")
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 8
            Layout.bottomMargin: 4
            TabButton {
                Accessible.onPressAction: if (enabled) TabBar.tabBar.setCurrentIndex(TabBar.index)
                text: qsTr("Algemeen")
                icon.source: App.iconSource("gear")
                icon.color: Theme.primary
                icon.width: 14
                icon.height: 14
                width: implicitWidth
            }
            TabButton {
                Accessible.onPressAction: if (enabled) TabBar.tabBar.setCurrentIndex(TabBar.index)
                text: qsTr("Stations")
                icon.source: App.iconSource("antenna.radiowaves.left.and.right")
                icon.color: Theme.primary
                icon.width: 14
                icon.height: 14
                width: implicitWidth
            }
            TabButton {
                Accessible.onPressAction: if (enabled) TabBar.tabBar.setCurrentIndex(TabBar.index)
                text: qsTr("Wekker")
                icon.source: App.iconSource("alarm")
                icon.color: Theme.primary
                icon.width: 14
                icon.height: 14
                width: implicitWidth
            }
        }

        Divider { Layout.fillWidth: true }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabs.currentIndex
            GeneralSettingsTab {
                id: generalTab
                objectName: "generalTab"
                focus: tabs.currentIndex === 0
            }
            StationsSettingsTab {
                id: stationsTab
                objectName: "stationsTab"
                focus: tabs.currentIndex === 1
            }
            AlarmsSettingsTab {
                id: alarmsTab
                objectName: "alarmsTab"
                focus: tabs.currentIndex === 2
            }
        }
    }
}
