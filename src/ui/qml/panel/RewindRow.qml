import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// Below what is playing, while the station's rewind buffer holds something: back and forward
// 30 s, how far behind live it plays ("−2:13"), keep the song, record, and the Live button that
// returns to live. A live-only stream (HLS) shows them greyed, with the reason.
Item {
    id: root

    implicitWidth: 300
    implicitHeight: layout.implicitHeight + 12

    function behindText(ms) {
        const seconds = Math.floor(ms / 1000)
        const rest = seconds % 60
        return "\u2212" + Math.floor(seconds / 60) + ":" + (rest < 10 ? "0" : "") + rest
    }

    RowLayout {
        id: layout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        spacing: 10

        PlainIconButton {
            objectName: "seekBackButton"
            symbol: "gobackward.30"
            size: 20
            toolTipText: qsTr("30 seconden terug")
            enabled: Timeshift.available
            onClicked: Timeshift.seekBy(-30000)
        }
        Label {
            objectName: "behindLabel"
            Layout.minimumWidth: 44
            horizontalAlignment: Text.AlignHCenter
            text: Timeshift.liveOnly ? qsTr("Alleen live")
                                     : Timeshift.behindLive ? root.behindText(Timeshift.behindMs) : qsTr("Live")
            font.pixelSize: Theme.callout
            color: Timeshift.behindLive ? Theme.primary : Theme.secondary
            Accessible.name: Timeshift.liveOnly
                             ? qsTr("Terugspoelen en bewaren kunnen niet bij deze stream (HLS)")
                             : Timeshift.behindLive
                               ? qsTr("%1 achter live").arg(root.behindText(Timeshift.behindMs).substring(1))
                               : qsTr("Live")
            ToolTip.text: Accessible.name
            ToolTip.visible: behindHover.hovered && (Timeshift.behindLive || Timeshift.liveOnly)
            ToolTip.delay: 600
            HoverHandler { id: behindHover }
        }
        PlainIconButton {
            objectName: "seekForwardButton"
            symbol: "goforward.30"
            size: 20
            enabled: Timeshift.behindLive
            toolTipText: qsTr("30 seconden vooruit")
            onClicked: Timeshift.seekBy(30000)
        }
        Item { Layout.fillWidth: true }
        PlainIconButton {
            objectName: "saveSongButton"
            symbol: "square.and.arrow.down"
            size: 20
            enabled: Timeshift.available
            toolTipText: qsTr("Bewaar dit nummer")
            onClicked: Keeper.saveSong(false)
        }
        PlainIconButton {
            objectName: "recordButton"
            symbol: "record.circle"
            size: 20
            enabled: Keeper.recording || !Timeshift.liveOnly
            color: Keeper.recording ? Theme.warning : Theme.primary
            toolTipText: Keeper.recording ? qsTr("Stop opname") : qsTr("Neem op")
            onClicked: Keeper.toggleRecordingNow()
        }
        Button {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "liveButton"
            visible: Timeshift.behindLive
            text: qsTr("Live")
            flat: true
            font.pixelSize: Theme.callout
            focusPolicy: Qt.TabFocus
            Accessible.name: qsTr("Live")
            Accessible.description: qsTr("Terug naar live")
            ToolTip.text: qsTr("Terug naar live")
            ToolTip.visible: hovered
            ToolTip.delay: 600
            onClicked: Timeshift.goLive()
        }
    }
}
