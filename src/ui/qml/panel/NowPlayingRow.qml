import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The panel's first line while a station is chosen: the status (a spinner while it loads), the
// station's name with the player's error or the stream's title beneath, play/pause and stop.
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
        spacing: 8

        Item {
            // Wider for a logo, which is drawn larger than the symbol.
            Layout.preferredWidth: stationLogo.visible ? 22 : 16
            Layout.preferredHeight: 16
            BusyIndicator {
                objectName: "loadingIndicator"
                anchors.centerIn: parent
                width: 26
                height: 26
                padding: 0
                scale: 0.6
                visible: Player.state === PlaybackState.Loading
                running: visible
                Accessible.name: qsTr("Laden...")
            }
            SymbolIcon {
                objectName: "statusIcon"
                anchors.centerIn: parent
                visible: Player.state !== PlaybackState.Loading && stationLogo.status !== Image.Ready
                symbol: "antenna.radiowaves.left.and.right"
                size: 16
                color: Theme.accent
            }
            Image {
                id: stationLogo
                objectName: "stationLogo"
                anchors.centerIn: parent
                width: 22
                height: 22
                visible: Player.state !== PlaybackState.Loading && status === Image.Ready
                source: StationLogos.revision >= 0 ? StationLogos.source(Player.currentStationLogo) : ""
                sourceSize.width: 48
                sourceSize.height: 48
                fillMode: Image.PreserveAspectFit
                asynchronous: true
                Accessible.ignored: true
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 1

            Label {
                objectName: "currentStationLabel"
                Layout.fillWidth: true
                text: Player.currentStationName
                textFormat: Text.PlainText
                font.pixelSize: Theme.body
                font.weight: Font.Medium
                color: Theme.primary
                maximumLineCount: 1
                elide: Text.ElideRight
            }
            // The player's error when it has one, else what is on the air. Never markup:
            // a title is whatever a server sent. An error is read in full, on as many lines as
            // it takes; a title keeps to one line, so that the row does not jump with each song.
            Label {
                id: detail
                objectName: "nowPlayingDetail"
                readonly property bool isError: Player.errorMessage !== ""
                Layout.fillWidth: true
                visible: text !== ""
                text: isError ? Player.errorMessage : Player.streamTitle
                textFormat: Text.PlainText
                font.pixelSize: Theme.caption
                color: isError ? Theme.warning : Theme.secondary
                wrapMode: isError ? Text.Wrap : Text.NoWrap
                elide: isError ? Text.ElideNone : Text.ElideRight
            }
        }

        PlainIconButton {
            objectName: "playPauseButton"
            symbol: Player.isPlaying ? "pause.circle.fill" : "play.circle.fill"
            toolTipText: Player.isPlaying ? qsTr("Pauzeer") : qsTr("Hervat")
            enabled: Player.state !== PlaybackState.Loading
            onClicked: Player.togglePlayPause()
        }

        PlainIconButton {
            objectName: "stopButton"
            symbol: "stop.circle.fill"
            toolTipText: qsTr("Stop")
            onClicked: Player.stop()
        }
    }
}
