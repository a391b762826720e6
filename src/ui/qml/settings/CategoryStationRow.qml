import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// One station of the Stations tab's list: name and URL (shown whole in a tooltip when cut
// short) and a trash button. A press makes it the list's current row; a drag past the threshold
// carries it on `dragProxy` to a category or to another place in the list, where this row, as a
// drop target, shows the insertion mark above or below itself. Right click asks for the menu.
Item {
    id: row

    required property int index
    required property string name
    required property string url
    property bool isCurrent: false
    property bool listHasFocus: false
    required property StationDragProxy dragProxy
    signal pressed()
    signal menuRequested()
    signal deleteRequested()
    signal dragStarted()
    // A station row dropped here: from its row to the place before row `to`.
    signal moveRequested(int from, int to)

    implicitHeight: rowLayout.implicitHeight + 14

    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        anchors.topMargin: 1
        anchors.bottomMargin: 1
        radius: 5
        color: row.isCurrent ? Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, row.listHasFocus ? 0.22 : 0.12)
                             : "transparent"
    }

    MouseArea {
        id: rowMouse
        objectName: "rowMouse"
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        drag.target: row.dragProxy
        drag.threshold: 6
        // The proxy keeps its place under the pointer, the threshold included.
        drag.smoothed: false
        onPressed: mouse => {
            row.pressed()
            if (mouse.button !== Qt.LeftButton)
                return
            // The drop target is what is under the pointer: the proxy's hot spot goes where the
            // pointer is and moves with it.
            const proxy = row.dragProxy
            proxy.text = row.name
            proxy.sourceIndex = row.index
            const at = row.mapToItem(proxy.parent, mouse.x, mouse.y)
            proxy.x = at.x - proxy.Drag.hotSpot.x
            proxy.y = at.y - proxy.Drag.hotSpot.y
        }
        onClicked: mouse => {
            if (mouse.button === Qt.RightButton)
                row.menuRequested()
        }
        drag.onActiveChanged: {
            if (drag.active) {
                row.dragStarted()
                row.dragProxy.dragging = true
            }
        }
        onReleased: {
            if (row.dragProxy.dragging) {
                row.dragProxy.Drag.drop()
                row.dragProxy.dragging = false
            }
        }
        onCanceled: row.dragProxy.dragging = false
    }

    // Reordering: a station row dropped on this one goes before or after it.
    DropArea {
        id: reorderArea
        anchors.fill: parent
        keys: ["text/plain"]
        readonly property bool below: containsDrag && drag.y > height / 2
        onDropped: dropEvent => {
            if (dropEvent.source !== row.dragProxy) {
                dropEvent.accepted = false
                return
            }
            const from = row.dragProxy.sourceIndex
            const to = row.index + (reorderArea.below ? 1 : 0)
            if (to !== from && to !== from + 1)
                row.moveRequested(from, to)
            dropEvent.accept()
        }
    }

    Rectangle {
        objectName: "insertionMark"
        visible: reorderArea.containsDrag && row.dragProxy.sourceIndex !== row.index
        x: 10
        width: parent.width - 20
        height: 2
        radius: 1
        y: reorderArea.below ? parent.height - 1 : -1
        color: Theme.accent
    }

    Accessible.role: Accessible.ListItem
    Accessible.name: row.name
    Accessible.description: row.url
    Accessible.selected: row.isCurrent
    Accessible.onPressAction: row.pressed()

    RowLayout {
        id: rowLayout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 16
        anchors.rightMargin: 14
        spacing: 8

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Label {
                id: nameText
                objectName: "nameLabel"
                Layout.fillWidth: true
                text: row.name
                elide: Text.ElideRight
                font.pixelSize: Theme.body
                font.weight: Font.Medium
            }
            Label {
                id: urlText
                objectName: "urlLabel"
                Layout.fillWidth: true
                text: row.url
                elide: Text.ElideRight
                maximumLineCount: 1
                font.pixelSize: Theme.caption
                color: Theme.secondary
            }
        }
        PlainIconButton {
            objectName: "trashButton"
            symbol: "trash"
            size: 15
            color: Theme.secondary
            toolTipText: qsTr("Verwijder")
            Accessible.name: qsTr("Verwijder %1").arg(row.name)
            // One Tab stop for the list, not one per row: Delete and the context menu do the
            // same from the keyboard.
            focusPolicy: Qt.NoFocus
            onClicked: row.deleteRequested()
        }
    }

    // A name or URL cut short shows whole.
    ToolTip.text: row.name + "\n" + row.url
    ToolTip.visible: rowHover.hovered && (nameText.truncated || urlText.truncated) && !row.dragProxy.dragging
    ToolTip.delay: 600
    HoverHandler { id: rowHover }
}
