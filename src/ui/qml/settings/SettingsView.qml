import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The settings window's content: the tabs "Algemeen" and "Stations" over their pages.
Item {
    id: root

    readonly property alias currentTab: tabs.currentIndex
    readonly property alias generalTab: generalTab
    readonly property alias stationsTab: stationsTab

    function showTab(index) { tabs.currentIndex = index }

    implicitWidth: 550
    implicitHeight: 420

    // A new window starts without an old error row, the switch mirroring the login item.
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
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 8
            Layout.bottomMargin: 4
            TabButton {
                text: "Algemeen"
                icon.source: App.iconSource("gear")
                icon.color: Theme.primary
                icon.width: 14
                icon.height: 14
                width: implicitWidth
            }
            TabButton {
                text: "Stations"
                icon.source: App.iconSource("antenna.radiowaves.left.and.right")
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
            }
            StationsSettingsTab {
                id: stationsTab
                objectName: "stationsTab"
            }
        }
    }
}
