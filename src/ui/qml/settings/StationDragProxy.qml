import QtQuick
import QtQuick.Controls
import Zeffira

// What follows the pointer while a station is dragged: a tag with the station's name whose hot
// spot is where the pointer is, so that the drop goes to what is under the pointer. Carries the
// name as text; `sourceIndex` is the dragged row for a reorder within the list.
Rectangle {
    id: proxy

    property string text
    property int sourceIndex: -1
    property bool dragging: false

    visible: dragging
    width: label.implicitWidth + 20
    height: label.implicitHeight + 10
    radius: 6
    color: Theme.background
    border.color: Theme.accent
    opacity: 0.9
    Drag.active: dragging
    Drag.dragType: Drag.Internal
    Drag.keys: ["text/plain"]
    Drag.mimeData: ({ "text/plain": proxy.text })
    Drag.hotSpot.x: 10
    Drag.hotSpot.y: height / 2

    Label {
        id: label
        anchors.centerIn: parent
        text: proxy.text
        font.pixelSize: Theme.body
    }
}
