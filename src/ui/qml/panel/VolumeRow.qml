import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The panel's volume line: the slider between a quiet and a loud speaker, and the output-device
// button. The slider writes the player's volume as it moves.
Item {
    id: root

    implicitWidth: 300
    implicitHeight: layout.implicitHeight + 20

    RowLayout {
        id: layout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        spacing: 10

        Item {
            Layout.preferredWidth: 16
            Layout.preferredHeight: 14
            SymbolIcon {
                objectName: "volumeLowIcon"
                anchors.centerIn: parent
                symbol: Player.volume === 0 ? "speaker.slash.fill" : "speaker.wave.1.fill"
                size: 13
            }
        }
        Slider {
            objectName: "volumeSlider"
            Layout.fillWidth: true
            from: 0
            to: 1
            padding: 0
            focusPolicy: Qt.TabFocus
            stepSize: 0.05
            snapMode: Slider.NoSnap
            Accessible.name: qsTr("Volume")
            value: Player.volume
            onMoved: Player.volume = value
        }
        Item {
            Layout.preferredWidth: 16
            Layout.preferredHeight: 14
            SymbolIcon {
                anchors.centerIn: parent
                symbol: "speaker.wave.3.fill"
                size: 13
            }
        }
        OutputDeviceButton {
            objectName: "outputDeviceButton"
            Layout.preferredWidth: 18
            Layout.preferredHeight: 18
        }
    }
}
