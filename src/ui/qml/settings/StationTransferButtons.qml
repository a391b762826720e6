import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Zeffira

// The Stations tab's "Importeer..." and "Exporteer..." with their file dialogs and the alert that
// tells the outcome. An import reads a station list file into the file's categories (or one
// named after the file); an export writes all stations or only the selected category, as chosen
// in its menu, which also saves the songs heard as CSV ("Exporteer geschiedenis...").
RowLayout {
    id: root

    // The selected category ("" for none) and whether it is there to export.
    property string category
    property bool categoryExists: false
    // An import put stations in `category`: the tab shows it.
    signal imported(string category)

    spacing: 8

    function showResult(result) {
        transferAlert.title = result.title
        transferAlert.message = result.message
        transferAlert.open()
    }

    StationTransfer { id: transfer }

    Button {
        Accessible.onPressAction: if (enabled) clicked()
        objectName: "importButton"
        text: qsTr("Importeer...")
        font.pixelSize: Theme.body
        onClicked: importDialog.open()
    }
    Button {
        id: exportButton
        Accessible.onPressAction: if (enabled) clicked()
        objectName: "exportButton"
        text: qsTr("Exporteer...")
        font.pixelSize: Theme.body
        onClicked: exportMenu.popup(exportButton, 0, exportButton.height)
    }

    Menu {
        id: exportMenu
        objectName: "exportMenu"
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "exportAllItem"
            text: qsTr("Alle stations...")
            onTriggered: {
                exportDialog.category = ""
                exportDialog.open()
            }
        }
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "exportCategoryItem"
            enabled: root.categoryExists
            text: root.categoryExists ? qsTr("Alleen '%1'...").arg(root.category)
                                      : qsTr("Alleen de gekozen categorie...")
            onTriggered: {
                exportDialog.category = root.category
                exportDialog.open()
            }
        }
        MenuSeparator {}
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "exportHistoryItem"
            text: qsTr("Exporteer geschiedenis...")
            onTriggered: historyDialog.open()
        }
    }

    FileDialog {
        id: importDialog
        objectName: "importDialog"
        title: qsTr("Stations importeren")
        fileMode: FileDialog.OpenFile
        nameFilters: transfer.nameFilters
        onAccepted: {
            const result = transfer.importFile(importDialog.selectedFile)
            if (result.category !== "")
                root.imported(result.category)
            root.showResult(result)
        }
    }

    FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        property string category
        title: exportDialog.category === "" ? qsTr("Alle stations exporteren")
                                            : qsTr("'%1' exporteren").arg(exportDialog.category)
        fileMode: FileDialog.SaveFile
        nameFilters: transfer.nameFilters
        defaultSuffix: "m3u"
        onAccepted: root.showResult(transfer.exportFile(exportDialog.selectedFile, exportDialog.category))
    }

    FileDialog {
        id: historyDialog
        objectName: "historyDialog"
        title: qsTr("Geschiedenis exporteren")
        fileMode: FileDialog.SaveFile
        nameFilters: transfer.historyNameFilters
        defaultSuffix: "csv"
        onAccepted: root.showResult(transfer.exportHistory(historyDialog.selectedFile))
    }

    AlertSheet {
        id: transferAlert
        objectName: "transferAlert"
        width: 380
        cancelText: ""
        confirmText: qsTr("OK")
    }
}
