import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// "Wijzig..." for a station: its name and stream URL, checked as when adding (a URL another
// station has is refused); the line under the fields says why "Bewaar" is not enabled. Each
// opening starts from the station's own name and URL (`edit`).
SheetDialog {
    id: sheet

    // The station as stored: its URL finds it.
    property string originalUrl
    property string name
    property string urlString
    readonly property string disabledReason: input.disabledReason(sheet.name, sheet.urlString, sheet.originalUrl)

    function edit(stationName, stationUrl) {
        sheet.originalUrl = stationUrl
        sheet.name = stationName
        sheet.urlString = stationUrl
        sheet.open()
    }

    function save() {
        if (input.editStation(sheet.originalUrl, sheet.name, sheet.urlString))
            sheet.close()
    }

    width: 400
    height: 230
    acceptEnabled: sheet.disabledReason === ""
    onCancelRequested: sheet.close()
    onAcceptRequested: sheet.save()
    onOpened: {
        nameField.forceActiveFocus()
        nameField.selectAll()
    }

    StationInput { id: input }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 14

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Station wijzigen")
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 8

            Label { text: qsTr("Naam"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            TextField {
                id: nameField
                objectName: "editNameField"
                Layout.fillWidth: true
                Accessible.name: qsTr("Naam")
                font.pixelSize: Theme.body
                text: sheet.name
                onTextEdited: sheet.name = text
            }
            Label { text: qsTr("Stream URL"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            TextField {
                objectName: "editUrlField"
                Layout.fillWidth: true
                Accessible.name: qsTr("Stream URL")
                font.pixelSize: Theme.body
                text: sheet.urlString
                onTextEdited: sheet.urlString = text
            }
        }

        Label {
            objectName: "reasonLabel"
            Layout.fillWidth: true
            Layout.fillHeight: true
            verticalAlignment: Text.AlignTop
            text: sheet.disabledReason
            wrapMode: Text.Wrap
            font.pixelSize: Theme.callout
            color: Theme.secondary
        }

        RowLayout {
            Layout.fillWidth: true
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "cancelButton"
                text: qsTr("Annuleer")
                focusPolicy: Qt.TabFocus
                onClicked: sheet.close()
            }
            Item { Layout.fillWidth: true }
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "saveButton"
                text: qsTr("Bewaar")
                highlighted: true
                enabled: sheet.acceptEnabled
                focusPolicy: Qt.TabFocus
                onClicked: sheet.save()
            }
        }
    }
}
