import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The panel's search line: the field and its clear button. Every key the field receives goes
// first to `navigationKey`, where the panel takes the ones that move through and play the list
// (Up, Down, Return, and Space while the search is empty); what it leaves is typed. Ctrl+C with
// nothing selected is the panel's (`copyRequested`), with a selection the field's.
Item {
    id: root

    property alias text: field.text
    property string placeholderText: qsTr("Zoek station...")
    property string accessibleName: qsTr("Zoek station")
    signal navigationKey(var event)
    signal copyRequested()

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
            placeholderText: root.placeholderText
            placeholderTextColor: Theme.secondary
            color: Theme.primary
            font.pixelSize: Theme.callout
            background: null
            padding: 0
            selectByMouse: true
            focus: true
            Accessible.name: root.accessibleName
            Keys.onPressed: event => {
                if (event.matches(StandardKey.Copy) && field.selectedText === "") {
                    root.copyRequested()
                    event.accepted = true
                    return
                }
                root.navigationKey(event)
            }
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
