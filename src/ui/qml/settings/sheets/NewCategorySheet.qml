import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The small sheet that names a new category. `name` is the presenter's text; "Maak aan" is
// enabled once it is more than spaces and tabs.
SheetDialog {
    id: sheet

    property string name
    // Knows what a valid name is.
    property CategoryListModel categories
    signal create()
    signal cancel()

    width: 320
    height: 150
    acceptEnabled: sheet.categories !== null && sheet.categories.canCreateCategory(sheet.name)
    onCancelRequested: sheet.cancel()
    onAcceptRequested: sheet.create()
    onOpened: nameField.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Nieuwe categorie")
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }
        TextField {
            id: nameField
            objectName: "categoryNameField"
            Layout.fillWidth: true
            placeholderText: qsTr("Categorienaam")
            Accessible.name: qsTr("Categorienaam")
            font.pixelSize: Theme.body
            text: sheet.name
            onTextEdited: sheet.name = text
        }
        RowLayout {
            Layout.fillWidth: true
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
                objectName: "createButton"
                text: qsTr("Maak aan")
                highlighted: true
                enabled: sheet.acceptEnabled
                focusPolicy: Qt.TabFocus
                onClicked: sheet.create()
            }
        }
    }
}
