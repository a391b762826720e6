import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// One song of the panel's "Gehoord" list: "Artist - Title" over the time and the station, with
// "Kopieer" and the star ("Bewaar") beside it. A click on the row selects it; the buttons say
// what they do through `copyClicked` and `starClicked`.
Item {
    id: root

    property string text
    property string details
    property bool starred: false
    property bool isSelected: false
    // Just copied: the copy button shows a tick for a moment.
    property bool copied: false
    signal clicked()
    signal copyClicked()
    signal starClicked()

    implicitWidth: 300
    implicitHeight: layout.implicitHeight + 10

    Rectangle {
        objectName: "hoverHighlight"
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        radius: 6
        color: Theme.primary
        opacity: hitArea.containsMouse ? Theme.hoverOpacity : 0
        Behavior on opacity { NumberAnimation { duration: Theme.hoverFadeMs; easing.type: Easing.InOutQuad } }

        FocusRing {
            objectName: "selectionRing"
            shown: root.isSelected
        }
    }

    // Under the buttons, so that they take their own clicks.
    MouseArea {
        id: hitArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }

    RowLayout {
        id: layout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 16
        anchors.rightMargin: 12
        spacing: 8

        Column {
            Layout.fillWidth: true
            spacing: 1
            Label {
                objectName: "songLabel"
                width: parent.width
                text: root.text
                // A title is whatever a server sent.
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pixelSize: Theme.callout
                color: Theme.primary
                Accessible.ignored: true
            }
            Label {
                objectName: "detailsLabel"
                width: parent.width
                text: root.details
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.pixelSize: Theme.caption
                color: Theme.secondary
                Accessible.ignored: true
            }
        }

        // Reached by the row's keys (Return, Ctrl+D) rather than by Tab, as the list's rows are.
        PlainIconButton {
            objectName: "copyButton"
            symbol: root.copied ? "checkmark" : "doc.on.doc"
            size: 15
            color: root.copied ? Theme.accentText : Theme.secondary
            focusPolicy: Qt.NoFocus
            toolTipText: root.copied ? qsTr("Gekopieerd") : qsTr("Kopieer")
            onClicked: root.copyClicked()
        }
        PlainIconButton {
            objectName: "starButton"
            symbol: root.starred ? "star.fill" : "star"
            size: 15
            color: root.starred ? Theme.accentText : Theme.secondary
            focusPolicy: Qt.NoFocus
            toolTipText: root.starred ? qsTr("Niet meer bewaren") : qsTr("Bewaar")
            onClicked: root.starClicked()
        }
    }
}
