import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// Asks before a dragged station moves to another category, with a switch to stop asking. Only
// reports: `confirm` and `cancel` are handled by the presenter, which also closes the sheet.
SheetDialog {
    id: sheet

    property string stationName
    property string targetCategory
    property bool dontAskAgain: false
    signal confirm()
    signal cancel()

    width: 420
    height: 280
    onCancelRequested: sheet.cancel()
    onAcceptRequested: sheet.confirm()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.topMargin: 28
            Layout.leftMargin: 24
            Layout.rightMargin: 24
            Layout.bottomMargin: 16
            spacing: 12

            SymbolIcon {
                Layout.alignment: Qt.AlignHCenter
                symbol: "arrow.left.arrow.right.circle.fill"
                size: 48
                color: Theme.accent
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 8
                Label {
                    objectName: "titleLabel"
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    text: qsTr("Station verplaatsen?")
                    font.pixelSize: Theme.title2
                    font.weight: Font.DemiBold
                }
                Label {
                    objectName: "messageLabel"
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    // One pass, so that a name holding "%2" stays as it is.
                    text: qsTr("'%1' wordt verplaatst naar '%2'.")
                          .replace(/%[12]/g, p => p === "%1" ? sheet.stationName : sheet.targetCategory)
                    font.pixelSize: Theme.body
                    color: Theme.secondary
                }
            }
            Item { Layout.fillHeight: true }
        }

        Divider { Layout.fillWidth: true }

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 24
            Layout.rightMargin: 24
            Layout.topMargin: 10
            Layout.bottomMargin: 10
            Switch {
                id: dontAsk
                Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                objectName: "dontAskAgainSwitch"
                text: qsTr("Vraag dit niet opnieuw")
                font.pixelSize: Theme.callout
                checked: sheet.dontAskAgain
                onToggled: {
                    sheet.dontAskAgain = checked
                    checked = Qt.binding(() => sheet.dontAskAgain)
                }
            }
            Item { Layout.fillWidth: true }
        }

        Divider { Layout.fillWidth: true }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: buttons.implicitHeight + 28
            color: Qt.rgba(Theme.primary.r, Theme.primary.g, Theme.primary.b, 0.04)
            radius: 10
            // Square top corners under the divider; the sheet's rounded bottom shows below.
            Rectangle { anchors.top: parent.top; width: parent.width; height: parent.radius; color: parent.color }

            RowLayout {
                id: buttons
                anchors.fill: parent
                anchors.leftMargin: 24
                anchors.rightMargin: 24
                spacing: 12
                Button {
                    Accessible.onPressAction: if (enabled) clicked()
                    objectName: "cancelButton"
                    text: qsTr("Annuleer")
                    focusPolicy: Qt.TabFocus
                    onClicked: sheet.cancel()
                }
                Item { Layout.fillWidth: true }
                Button {
                    Accessible.onPressAction: if (enabled) clicked()
                    objectName: "confirmButton"
                    text: qsTr("Verplaats")
                    highlighted: true
                    focusPolicy: Qt.TabFocus
                    onClicked: sheet.confirm()
                }
            }
        }
    }
}
