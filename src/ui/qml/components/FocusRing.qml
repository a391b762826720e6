import QtQuick
import Zeffira

// The keyboard focus mark: a ring just inside the parent's edges, shown while `shown` (a
// control's `visualFocus`, i.e. focus that came from the keyboard).
Rectangle {
    property bool shown: false

    anchors.fill: parent
    radius: 6
    color: "transparent"
    border.width: 2
    border.color: Theme.focusRing
    visible: shown
}
