import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The sheet that adds a station: name, stream URL and optional category. Every opening starts
// empty; the line under the fields says why "Voeg toe" is not yet enabled. "Voeg toe" hands the
// input to the store and closes, reporting the category the station went to (`added`), unless
// the URL is not a stream URL.
SheetDialog {
    id: sheet

    // The Stations tab's selected category, "" when none; the category field's placeholder.
    property string defaultCategory
    property string name
    property string urlString
    property string category
    property bool showError: false
    // Why "Voeg toe" is disabled; empty when it is enabled.
    readonly property string disabledReason: input.disabledReason(sheet.name, sheet.urlString)
    readonly property bool inputValid: sheet.disabledReason === ""
    signal added(string category)

    function dismiss() { sheet.close() }

    function submitStation() {
        const category = input.submitStation(sheet.name, sheet.urlString, sheet.category, sheet.defaultCategory)
        if (category === "") {
            sheet.showError = true
            return
        }
        sheet.dismiss()
        sheet.added(category)
    }

    width: 400
    height: 270
    acceptEnabled: sheet.inputValid
    onCancelRequested: sheet.dismiss()
    onAcceptRequested: sheet.submitStation()
    onAboutToShow: {
        sheet.name = ""
        sheet.urlString = ""
        sheet.category = ""
        sheet.showError = false
    }
    onOpened: nameField.forceActiveFocus()
    onShowErrorChanged: if (showError) errorAlert.open()

    StationInput { id: input }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 14

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Nieuw radiostation")
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
                objectName: "nameField"
                Layout.fillWidth: true
                Accessible.name: qsTr("Naam")
                font.pixelSize: Theme.body
                text: sheet.name
                onTextEdited: sheet.name = text
            }
            Label { text: qsTr("Stream URL"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            TextField {
                objectName: "urlField"
                Layout.fillWidth: true
                Accessible.name: qsTr("Stream URL")
                font.pixelSize: Theme.body
                placeholderText: "https://stream.example.org/radio.mp3"
                text: sheet.urlString
                onTextEdited: sheet.urlString = text
            }
            Label { text: qsTr("Categorie"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            TextField {
                objectName: "categoryField"
                Layout.fillWidth: true
                Accessible.name: qsTr("Categorie")
                font.pixelSize: Theme.body
                placeholderText: input.categoryPlaceholder(sheet.defaultCategory)
                text: sheet.category
                onTextEdited: sheet.category = text
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
                objectName: "cancelButton"
                text: qsTr("Annuleer")
                focusPolicy: Qt.TabFocus
                onClicked: sheet.dismiss()
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "addButton"
                text: qsTr("Voeg toe")
                highlighted: true
                enabled: sheet.inputValid
                focusPolicy: Qt.TabFocus
                onClicked: sheet.submitStation()
            }
        }
    }

    AlertSheet {
        id: errorAlert
        objectName: "invalidUrlAlert"
        title: input.invalidUrlTitle
        message: input.invalidUrlMessage
        cancelText: ""
        confirmText: qsTr("OK")
        onClosed: {
            sheet.showError = false
            nameField.forceActiveFocus()
        }
    }
}
