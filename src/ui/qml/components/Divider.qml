import QtQuick
import Zeffira

Rectangle {
    implicitWidth: 300
    implicitHeight: 1
    width: parent ? parent.width : implicitWidth
    height: 1
    color: Theme.divider
}
