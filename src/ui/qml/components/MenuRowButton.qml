import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// One clickable footer line: icon, title, and an optional shortcut hint (the key itself is bound
// by the panel). Hover is tracked over the whole row; the button inside the outer margins
// clicks. Tab reaches it (a ring shows); Space, Return and assistive technology's Press press it.
Item {
    id: root

    property string label
    property string icon
    property string shortcut
    readonly property bool isHovered: hover.hovered
    signal clicked()

    implicitWidth: 300
    implicitHeight: button.implicitHeight

    HoverHandler { id: hover }

    Rectangle {
        objectName: "hoverHighlight"
        anchors.fill: button
        radius: 6
        color: Theme.primary
        opacity: root.isHovered ? Theme.hoverOpacity : 0
        Behavior on opacity { NumberAnimation { duration: Theme.hoverFadeMs; easing.type: Easing.InOutQuad } }
    }

    AbstractButton {
        id: button
        objectName: "button"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        leftPadding: 10
        rightPadding: 10
        topPadding: 6
        bottomPadding: 6
        focusPolicy: Qt.TabFocus
        background: FocusRing { shown: button.visualFocus }
        onClicked: root.clicked()
        Keys.onReturnPressed: root.clicked()
        Keys.onEnterPressed: root.clicked()
        Accessible.name: root.label
        Accessible.description: root.shortcut
        // Qt 6.4's buttons list Press but do nothing on it: the handler does what a click does.
        Accessible.onPressAction: root.clicked()

        contentItem: RowLayout {
            spacing: 10
            Item {
                Layout.preferredWidth: 18
                Layout.preferredHeight: 16
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: root.icon
                    size: 15
                    color: Theme.secondary
                }
            }
            Label {
                Layout.fillWidth: true
                text: root.label
                font.pixelSize: Theme.callout
                color: Theme.primary
            }
            Label {
                objectName: "shortcutHint"
                visible: root.shortcut !== ""
                text: root.shortcut
                font.pixelSize: Theme.caption2
                color: Theme.secondary
            }
        }
    }
}
