import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// One station line of the panel's list. The whole rectangle, its outer margins included,
// takes hover and clicks; what a click does is up to the list (`clicked`). `isActive` marks the
// chosen station (also while paused; the speaker shows only while it plays), `isSelected` the
// row the keyboard is on.
Item {
    id: root

    property string name
    // The station's logo, shown in place of the radio symbol once it is kept.
    property url logoSource
    property bool isActive: false
    property bool isPlaying: isActive
    property bool isSelected: false
    readonly property bool isHovered: hitArea.containsMouse
    // The hover tint's target: the active highlight wins, with no tint under it.
    readonly property real hoverTint: isHovered && !isActive ? Theme.hoverOpacity : 0
    signal clicked()

    implicitWidth: 300
    implicitHeight: layout.implicitHeight + 12

    Rectangle {
        id: hoverHighlight
        objectName: "hoverHighlight"
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        radius: 6
        color: Theme.primary
        opacity: root.hoverTint
        Behavior on opacity { NumberAnimation { duration: Theme.hoverFadeMs; easing.type: Easing.InOutQuad } }
    }

    Rectangle {
        id: activeHighlight
        objectName: "activeHighlight"
        anchors.fill: hoverHighlight
        radius: 6
        color: Theme.accent
        opacity: Theme.activeOpacity
        visible: root.isActive
    }

    FocusRing {
        objectName: "selectionRing"
        anchors.fill: hoverHighlight
        shown: root.isSelected
    }

    RowLayout {
        id: layout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 10

        Item {
            Layout.preferredWidth: 18
            Layout.preferredHeight: 16
            SymbolIcon {
                objectName: "leadingIcon"
                anchors.centerIn: parent
                visible: logo.status !== Image.Ready
                symbol: root.isActive ? "antenna.radiowaves.left.and.right" : "radio"
                size: 15
                color: root.isActive ? Theme.accentText : Theme.secondary
            }
            Image {
                id: logo
                objectName: "stationLogo"
                anchors.centerIn: parent
                width: 18
                height: 18
                visible: status === Image.Ready
                source: root.logoSource
                sourceSize.width: 36
                sourceSize.height: 36
                fillMode: Image.PreserveAspectFit
                asynchronous: true
            }
        }

        Label {
            objectName: "nameLabel"
            Layout.fillWidth: true
            text: root.name
            wrapMode: Text.Wrap
            font.pixelSize: Theme.callout
            color: root.isActive ? Theme.accentText : Theme.primary
            // The row says the name itself.
            Accessible.ignored: true
        }

        SymbolIcon {
            objectName: "playingIcon"
            visible: root.isActive && root.isPlaying
            symbol: "speaker.wave.2.fill"
            size: 12
            color: Theme.accentText
        }
    }

    // The list's entry speaks for the row (StationList).
    Accessible.ignored: true

    MouseArea {
        id: hitArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }
}
