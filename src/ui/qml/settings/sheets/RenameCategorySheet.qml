import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// "Hernoem..." for a category: the new name, refused when blank or when another category has it
// in any letter case (the line under the field says so). Reports the name to select (`renamed`).
SheetDialog {
    id: sheet

    // Knows the names and renames.
    property CategoryListModel categories
    property string originalName
    property string name
    readonly property string problem: sheet.categories ? sheet.categories.renameProblem(sheet.originalName, sheet.name) : ""
    signal renamed(string selection)

    function rename(categoryName) {
        sheet.originalName = categoryName
        sheet.name = categoryName
        sheet.open()
    }

    function save() {
        const selection = sheet.categories.renameCategory(sheet.originalName, sheet.name)
        sheet.close()
        sheet.renamed(selection)
    }

    width: 320
    height: 170
    acceptEnabled: sheet.problem === ""
    onCancelRequested: sheet.close()
    onAcceptRequested: sheet.save()
    onOpened: {
        nameField.forceActiveFocus()
        nameField.selectAll()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Categorie hernoemen")
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }
        TextField {
            id: nameField
            objectName: "renameField"
            Layout.fillWidth: true
            placeholderText: qsTr("Categorienaam")
            Accessible.name: qsTr("Categorienaam")
            font.pixelSize: Theme.body
            text: sheet.name
            onTextEdited: sheet.name = text
        }
        Label {
            objectName: "reasonLabel"
            Layout.fillWidth: true
            text: sheet.problem
            elide: Text.ElideRight
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
                objectName: "renameButton"
                text: qsTr("Hernoem")
                highlighted: true
                enabled: sheet.acceptEnabled
                focusPolicy: Qt.TabFocus
                onClicked: sheet.save()
            }
        }
    }
}
