import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// A small alert: title, optional message, a cancel button (hidden when `cancelText` is empty)
// and a confirming button, red when `destructive`. Either button closes it. A destructive
// alert's default button is the cancel button: Return keeps what would be lost.
SheetDialog {
    id: alert

    property string title
    property string message
    property string cancelText: qsTr("Annuleer")
    property string confirmText: qsTr("OK")
    property bool destructive: false
    signal cancelled()
    signal confirmed()

    width: 300
    height: column.implicitHeight + 40
    returnCancels: alert.destructive && alert.cancelText !== ""

    onCancelRequested: {
        alert.close()
        alert.cancelled()
    }
    onAcceptRequested: {
        alert.close()
        alert.confirmed()
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        SymbolIcon {
            Layout.alignment: Qt.AlignHCenter
            symbol: "exclamationmark.triangle.fill"
            size: 32
            color: Theme.orange
        }
        Label {
            objectName: "alertTitle"
            Layout.fillWidth: true
            text: alert.title
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        Label {
            objectName: "alertMessage"
            Layout.fillWidth: true
            visible: alert.message !== ""
            text: alert.message
            font.pixelSize: Theme.callout
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 6
            spacing: 8
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "alertCancel"
                Layout.fillWidth: true
                visible: alert.cancelText !== ""
                text: alert.cancelText
                highlighted: alert.returnCancels
                focusPolicy: Qt.TabFocus
                onClicked: alert.cancelRequested()
            }
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "alertConfirm"
                Layout.fillWidth: true
                text: alert.confirmText
                highlighted: !alert.destructive
                focusPolicy: Qt.TabFocus
                palette.buttonText: alert.destructive ? Theme.destructive : Theme.primary
                onClicked: alert.acceptRequested()
            }
        }
    }
}
