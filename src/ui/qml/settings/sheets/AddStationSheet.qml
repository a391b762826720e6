import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The sheet that adds a station: a search in the public station directory, name, stream URL and
// optional category. Choosing a search result (click, or Down to the list and Return) fills the
// name and URL; the category stays the user's. Every opening starts empty; the line under the
// fields says why "Voeg toe" is not yet enabled. "Voeg toe" hands the
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
    // What the directory listed for the result taken.
    property string chosenUrl: ""
    property string chosenLogo: ""
    // Why "Voeg toe" is disabled; empty when it is enabled.
    readonly property string disabledReason: input.disabledReason(sheet.name, sheet.urlString)
    readonly property bool inputValid: sheet.disabledReason === ""
    // The directory search, for tests.
    readonly property alias search: directory
    signal added(string category)

    function dismiss() { sheet.close() }

    // Takes the directory's result at `row` into the fields and moves on to the category.
    function chooseResult(row) {
        const chosen = directory.choose(row)
        if (!chosen.url)
            return
        sheet.name = chosen.name
        sheet.urlString = chosen.url
        sheet.chosenUrl = chosen.url
        sheet.chosenLogo = chosen.logo || ""
        categoryField.forceActiveFocus()
    }

    function submitStation() {
        const category = input.submitStation(sheet.name, sheet.urlString, sheet.category, sheet.defaultCategory)
        if (category === "") {
            sheet.showError = true
            return
        }
        // A station taken from the directory keeps the directory's logo, unless its URL was
        // changed since.
        if (sheet.chosenLogo !== "" && sheet.urlString === sheet.chosenUrl)
            input.setStationLogo(sheet.urlString, sheet.chosenLogo)
        sheet.dismiss()
        sheet.added(category)
    }

    width: 460
    height: Math.min(400, parent ? parent.height - 16 : 400)
    acceptEnabled: sheet.inputValid
    onCancelRequested: sheet.dismiss()
    onAcceptRequested: sheet.submitStation()
    onAboutToShow: {
        sheet.name = ""
        sheet.urlString = ""
        sheet.category = ""
        sheet.showError = false
        sheet.chosenUrl = ""
        sheet.chosenLogo = ""
        directory.clear()
    }
    onOpened: nameField.forceActiveFocus()
    onShowErrorChanged: if (showError) errorAlert.open()

    StationInput { id: input }
    DirectorySearch { id: directory }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 8

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Nieuw radiostation")
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }

        TextField {
            id: searchField
            objectName: "directorySearchField"
            Layout.fillWidth: true
            Accessible.name: qsTr("Zoek in de zendergids")
            font.pixelSize: Theme.body
            placeholderText: qsTr("Zoek in de zendergids...")
            text: directory.query
            onTextEdited: directory.query = text
            Keys.onDownPressed: event => {
                if (results.count > 0) {
                    results.currentIndex = 0
                    results.forceActiveFocus()
                }
            }
            // Return takes the first result; without results it is the sheet's own Return.
            Keys.onReturnPressed: event => {
                if (results.count > 0)
                    sheet.chooseResult(0)
                else
                    event.accepted = false
            }
            Keys.onEnterPressed: event => {
                if (results.count > 0)
                    sheet.chooseResult(0)
                else
                    event.accepted = false
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 112
            color: Theme.background
            border.color: results.activeFocus ? Theme.accent : Theme.divider
            radius: 4

            ListView {
                id: results
                objectName: "directoryResults"
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                model: directory
                currentIndex: -1
                keyNavigationEnabled: true
                highlightMoveDuration: 0
                Accessible.role: Accessible.List
                Accessible.name: qsTr("Zoekresultaten")
                ScrollBar.vertical: ScrollBar { Accessible.name: qsTr("Zoekresultaten") }
                Keys.onReturnPressed: sheet.chooseResult(results.currentIndex)
                Keys.onEnterPressed: sheet.chooseResult(results.currentIndex)
                Keys.onUpPressed: event => {
                    if (results.currentIndex <= 0)
                        searchField.forceActiveFocus()
                    else
                        results.decrementCurrentIndex()
                }
                highlight: Rectangle { color: Theme.accent; opacity: 0.18 }

                delegate: ItemDelegate {
                    id: row
                    required property int index
                    required property string name
                    required property string country
                    required property string details
                    required property string tags
                    width: ListView.view.width
                    height: 36
                    padding: 0
                    leftPadding: 8
                    rightPadding: 8
                    focusPolicy: Qt.NoFocus
                    Accessible.name: row.name + ", " + row.country + ", " + row.details
                    onClicked: sheet.chooseResult(row.index)
                    background: Item {}
                    contentItem: Column {
                        spacing: 1
                        Label {
                            width: parent.width
                            text: row.name
                            elide: Text.ElideRight
                            font.pixelSize: Theme.body
                            font.weight: Font.DemiBold
                        }
                        Label {
                            width: parent.width
                            text: [row.country, row.details, row.tags].filter(t => t !== "").join("  ·  ")
                            elide: Text.ElideRight
                            font.pixelSize: Theme.callout
                            color: Theme.secondary
                        }
                    }
                }
            }

            Label {
                objectName: "directoryStatus"
                anchors.centerIn: parent
                width: parent.width - 24
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                visible: results.count === 0
                text: directory.statusText !== "" ? directory.statusText
                                                  : qsTr("Typ een naam om zenders uit de zendergids te zoeken.")
                font.pixelSize: Theme.callout
                color: Theme.secondary
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 6

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
                id: categoryField
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
            Layout.preferredHeight: 2 * font.pixelSize + 6
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
                onClicked: sheet.dismiss()
            }
            Item { Layout.fillWidth: true }
            Button {
                Accessible.onPressAction: if (enabled) clicked()
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
