import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// One row of the Stations tab's category column: folder, name and station count; shows
// selection, hover, the keyboard's place (`isCurrent`) and a station dragged over it. A name cut
// short shows whole in a tooltip. A drop runs `dropHandler`, whose result tells the drag whether
// it was accepted; the row never reads what is dropped.
Item {
    id: root

    property string categoryName
    property int stationCount: 0
    property bool isSelected: false
    property var dropHandler: function() { return false }
    property bool isTargeted: false
    property bool isHovered: false
    property bool isCurrent: false
    signal clicked()
    signal contextMenuRequested(real x, real y)

    readonly property color rowBackground: isTargeted ? Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.12)
        : isSelected ? Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, Theme.activeOpacity)
        : isHovered ? Qt.rgba(Theme.primary.r, Theme.primary.g, Theme.primary.b, Theme.hoverOpacity)
        : "transparent"

    implicitWidth: 158
    implicitHeight: label.implicitHeight + 12

    Rectangle {
        objectName: "rowBackground"
        anchors.fill: parent
        radius: 6
        color: root.rowBackground
        border.width: 1.5
        border.color: root.isTargeted ? Theme.accent : "transparent"
        Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
    }

    FocusRing {
        objectName: "focusRing"
        shown: root.isCurrent && !root.isTargeted
    }

    RowLayout {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        anchors.topMargin: 6
        anchors.bottomMargin: 6
        spacing: 6

        SymbolIcon {
            objectName: "folderIcon"
            symbol: "folder"
            size: 14
            color: root.isSelected || root.isTargeted ? Theme.accentText : Theme.secondary
        }
        Label {
            id: nameLabel
            objectName: "nameLabel"
            Layout.fillWidth: true
            text: root.categoryName
            elide: Text.ElideRight
            font.pixelSize: Theme.body
            color: root.isSelected ? Theme.accentText : Theme.primary
            ToolTip.text: root.categoryName
            ToolTip.visible: nameLabel.truncated && root.isHovered
            ToolTip.delay: 600
        }
        Rectangle {
            objectName: "countBadge"
            implicitWidth: countLabel.implicitWidth + 12
            implicitHeight: countLabel.implicitHeight + 4
            radius: height / 2
            color: root.isTargeted ? Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.25)
                                   : Qt.rgba(Theme.secondary.r, Theme.secondary.g, Theme.secondary.b, 0.12)
            Label {
                id: countLabel
                objectName: "countLabel"
                anchors.centerIn: parent
                text: String(root.stationCount)
                font.pixelSize: Theme.caption2
                color: Theme.secondary
            }
        }
    }

    Accessible.role: Accessible.ListItem
    Accessible.name: root.categoryName + ", " + qsTr("stations: %n", "", root.stationCount)
    Accessible.selected: root.isSelected
    Accessible.onPressAction: root.clicked()

    MouseArea {
        objectName: "hitArea"
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onEntered: root.isHovered = true
        onExited: root.isHovered = false
        onClicked: mouse => {
            if (mouse.button === Qt.RightButton)
                root.contextMenuRequested(mouse.x, mouse.y)
            else
                root.clicked()
        }
    }

    DropArea {
        objectName: "dropArea"
        anchors.fill: parent
        keys: ["text/plain"]
        onEntered: root.isTargeted = true
        onExited: root.isTargeted = false
        onDropped: drop => {
            // The targeted look goes at once, before the tab decides.
            root.isTargeted = false
            if (root.dropHandler())
                drop.accept()
            else
                drop.accepted = false
        }
    }
}
