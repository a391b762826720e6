import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The panel's search line: the field and its clear button. Every key the field receives goes
// first to `navigationKey`, where the panel takes the ones that move through and play the list
// (Up, Down, Return, and Space while the search is empty); what it leaves is typed.
Item {
    id: root

    property alias text: field.text
    signal navigationKey(var event)

    // Typing goes to the field, replacing what was there.
    function takeTyping() {
        field.forceActiveFocus()
        field.selectAll()
    }

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

        SymbolIcon {
            symbol: "magnifyingglass"
            size: 13
        }
        TextField {
            id: field
            objectName: "searchField"
            Layout.fillWidth: true
            placeholderText: qsTr("Zoek station...")
            placeholderTextColor: Theme.secondary
            color: Theme.primary
            font.pixelSize: Theme.callout
            background: null
            padding: 0
            selectByMouse: true
            focus: true
            Accessible.name: qsTr("Zoek station")
            Keys.onPressed: event => root.navigationKey(event)
        }
        PlainIconButton {
            objectName: "clearButton"
            visible: field.text !== ""
            symbol: "xmark.circle.fill"
            size: 13
            color: Theme.secondary
            toolTipText: qsTr("Wis zoekopdracht")
            onClicked: {
                field.text = ""
                field.forceActiveFocus()
            }
        }
    }
    // The field's ring when Tab brought the focus there (not on every opening).
    FocusRing {
        anchors.margins: 4
        shown: field.activeFocus && (field.focusReason === Qt.TabFocusReason
                                     || field.focusReason === Qt.BacktabFocusReason)
    }
}
