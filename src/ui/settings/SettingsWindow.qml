import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import Zeffira

// The settings window: two tabs in a fixed 550 x 420 frame. The tabs' content comes later.
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

    readonly property alias currentTab: tabs.currentIndex

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabs
            objectName: "settingsTabs"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 8
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

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabs.currentIndex
            Item { objectName: "generalTab" }
            Item { objectName: "stationsTab" }
        }
    }
}
