import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The Stations tab: the categories (CategoryList, its width dragged at the divider), the
// stations of the selected category (CategoryStationList) and the buttons below them (new
// category, StationTransferButtons, add station). Every edit goes to the store through the
// models; the tab keeps only its selection and which sheet or alert is showing, and answers the
// lists' requests with its menus and sheets.
FocusScope {
    id: tab

    // "" is no selection (the store never holds a category without a name).
    property string selectedCategory: ""
    property bool showingAddSheet: false
    property bool showDeleteConfirmation: false
    property var stationToDelete: null
    property bool showingAddCategory: false
    property string newCategoryName: ""
    property bool showDeleteCategoryConfirmation: false
    property string categoryToDelete: ""

    readonly property alias categories: categoryModel
    readonly property alias stations: stationsModel
    readonly property alias stationDrop: dropState

    function selectFirstIfNone() {
        if (tab.selectedCategory === "")
            tab.selectedCategory = categoryModel.initialSelection(tab.selectedCategory)
    }

    function requestDelete(name, url) {
        tab.stationToDelete = { name: name, url: url }
        tab.showDeleteConfirmation = true
    }

    function requestDeleteCategory(name) {
        tab.categoryToDelete = name
        tab.showDeleteCategoryConfirmation = true
    }

    // The context menu of a station, at `item` (a row) when the keyboard asked for it.
    function openStationMenu(name, url, item) {
        stationMenu.stationName = name
        stationMenu.stationUrl = url
        stationMenu.targets = dropState.moveTargets(tab.selectedCategory)
        if (item)
            stationMenu.popup(item, 16, item.height / 2)
        else
            stationMenu.popup()
    }

    function openCategoryMenu(name, hasStations, item) {
        const menu = hasStations ? busyCategoryMenu : emptyCategoryMenu
        menu.categoryName = name
        if (item)
            menu.popup(item, 16, item.height / 2)
        else
            menu.popup()
    }

    function createCategory() {
        tab.selectedCategory = categoryModel.createCategory(tab.newCategoryName)
        tab.newCategoryName = ""
        tab.showingAddCategory = false
    }

    onVisibleChanged: if (visible) selectFirstIfNone()
    Component.onCompleted: if (visible) selectFirstIfNone()

    onShowingAddSheetChanged: showingAddSheet ? addSheet.open() : addSheet.close()
    onShowDeleteConfirmationChanged: showDeleteConfirmation ? deleteAlert.open() : deleteAlert.close()
    onShowingAddCategoryChanged: showingAddCategory ? newCategorySheet.open() : newCategorySheet.close()
    onShowDeleteCategoryConfirmationChanged: showDeleteCategoryConfirmation ? deleteCategoryAlert.open()
                                                                            : deleteCategoryAlert.close()

    CategoryListModel { id: categoryModel }
    CategoryStationsModel { id: stationsModel; category: tab.selectedCategory }
    StationDrop {
        id: dropState
        onShowMoveConfirmationChanged: {
            if (showMoveConfirmation) {
                // The sheet's switch writes a plain value; each presentation starts from ours.
                moveSheet.dontAskAgain = Qt.binding(() => dropState.dontAskAgain)
                moveSheet.open()
            } else {
                moveSheet.close()
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        SplitView {
            id: split
            objectName: "split"
            Layout.fillWidth: true
            Layout.fillHeight: true
            orientation: Qt.Horizontal
            handle: Rectangle {
                implicitWidth: 5
                color: "transparent"
                Accessible.role: Accessible.Separator
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: SplitHandle.pressed || SplitHandle.hovered ? 3 : 1
                    height: parent.height
                    color: SplitHandle.pressed || SplitHandle.hovered ? Theme.accent : Theme.divider
                }
            }

            CategoryList {
                id: categoryList
                objectName: "categoryList"
                // Wider for long names: drag the divider.
                SplitView.preferredWidth: 170
                SplitView.minimumWidth: 140
                SplitView.maximumWidth: 360
                categories: categoryModel
                stationDrop: dropState
                selectedCategory: tab.selectedCategory
                onSelectRequested: name => tab.selectedCategory = name
                onMenuRequested: (name, hasStations, row) => tab.openCategoryMenu(name, hasStations, row)
                onRenameRequested: name => renameSheet.rename(name)
                onDeleteRequested: name => tab.requestDeleteCategory(name)
            }

            Item {
                SplitView.fillWidth: true

                CategoryStationList {
                    id: stationList
                    objectName: "stationList"
                    anchors.fill: parent
                    focus: true
                    stations: stationsModel
                    stationDrop: dropState
                    dragProxy: dragProxy
                    onMenuRequested: (name, url, row) => tab.openStationMenu(name, url, row)
                    onEditRequested: (name, url) => editSheet.edit(name, url)
                    onDeleteRequested: (name, url) => tab.requestDelete(name, url)
                }

                ColumnLayout {
                    objectName: "emptyCategoryHint"
                    anchors.centerIn: parent
                    width: Math.min(parent.width - 40, 300)
                    visible: stationsModel.categoryExists && stationsModel.count === 0
                    spacing: 6
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTr("Nog geen stations in deze categorie")
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.body
                        font.weight: Font.DemiBold
                        color: Theme.secondary
                    }
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTr("Sleep een station naar deze categorie of kies 'Voeg station toe'.")
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.callout
                        color: Theme.secondary
                    }
                }

                ColumnLayout {
                    objectName: "placeholder"
                    anchors.centerIn: parent
                    visible: !stationsModel.categoryExists
                    spacing: 8
                    SymbolIcon {
                        Layout.alignment: Qt.AlignHCenter
                        symbol: "list.bullet"
                        size: 40
                        color: Theme.secondary
                    }
                    Label {
                        Layout.alignment: Qt.AlignHCenter
                        text: qsTr("Selecteer een categorie")
                        font.pixelSize: Theme.title2
                        font.weight: Font.DemiBold
                        color: Theme.secondary
                    }
                }
            }
        }

        Divider { Layout.fillWidth: true }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            spacing: 8
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "newCategoryButton"
                text: qsTr("Nieuwe categorie")
                icon.source: App.iconSource("folder.badge.plus")
                icon.color: Theme.primary
                icon.width: 15
                icon.height: 15
                font.pixelSize: Theme.body
                onClicked: tab.showingAddCategory = true
            }
            Item { Layout.fillWidth: true }
            StationTransferButtons {
                category: tab.selectedCategory
                categoryExists: stationsModel.categoryExists
                onImported: category => tab.selectedCategory = category
            }
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "addStationButton"
                text: qsTr("Voeg station toe")
                icon.source: App.iconSource("plus")
                icon.color: Theme.primary
                icon.width: 13
                icon.height: 13
                font.pixelSize: Theme.body
                onClicked: tab.showingAddSheet = true
            }
        }
    }

    StationDragProxy {
        id: dragProxy
        objectName: "dragProxy"
    }

    Menu {
        id: busyCategoryMenu
        objectName: "busyCategoryMenu"
        property string categoryName
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "renameCategoryItem"
            text: qsTr("Hernoem...")
            onTriggered: renameSheet.rename(busyCategoryMenu.categoryName)
        }
        MenuSeparator {}
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "containsStationsItem"
            enabled: false
            text: qsTr("Categorie bevat stations")
        }
    }

    Menu {
        id: emptyCategoryMenu
        objectName: "emptyCategoryMenu"
        property string categoryName
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "renameEmptyCategoryItem"
            text: qsTr("Hernoem...")
            onTriggered: renameSheet.rename(emptyCategoryMenu.categoryName)
        }
        MenuSeparator {}
        MenuItem {
            Accessible.onPressAction: if (enabled) clicked()
            objectName: "deleteCategoryItem"
            text: qsTr("Verwijder categorie")
            palette.windowText: Theme.destructive
            palette.buttonText: Theme.destructive
            onTriggered: tab.requestDeleteCategory(emptyCategoryMenu.categoryName)
        }
    }

    StationMenu {
        id: stationMenu
        objectName: "stationMenu"
        onEditRequested: (name, url) => editSheet.edit(name, url)
        onMoveRequested: (name, url, category) => stationsModel.moveStation(name, url, category)
        onDeleteRequested: (name, url) => tab.requestDelete(name, url)
    }

    AddStationSheet {
        id: addSheet
        objectName: "addStationSheet"
        defaultCategory: tab.selectedCategory
        onClosed: tab.showingAddSheet = false
        // The tab shows where the new station went, a new category included.
        onAdded: category => tab.selectedCategory = category
    }

    EditStationSheet {
        id: editSheet
        objectName: "editStationSheet"
        onClosed: stationList.forceActiveFocus()
    }

    RenameCategorySheet {
        id: renameSheet
        objectName: "renameCategorySheet"
        categories: categoryModel
        onRenamed: selection => {
            if (tab.selectedCategory === renameSheet.originalName)
                tab.selectedCategory = selection
        }
        onClosed: categoryList.forceActiveFocus()
    }

    AlertSheet {
        id: deleteAlert
        objectName: "deleteStationAlert"
        title: qsTr("Station verwijderen?")
        message: tab.stationToDelete ? qsTr("Weet je zeker dat je '%1' wilt verwijderen?").arg(tab.stationToDelete.name) : ""
        confirmText: qsTr("Verwijder")
        destructive: true
        onConfirmed: {
            if (tab.stationToDelete)
                stationsModel.removeStation(tab.stationToDelete.name, tab.stationToDelete.url)
            tab.stationToDelete = null
        }
        onCancelled: tab.stationToDelete = null
        onClosed: {
            tab.showDeleteConfirmation = false
            stationList.forceActiveFocus()
        }
    }

    NewCategorySheet {
        id: newCategorySheet
        objectName: "newCategorySheet"
        categories: categoryModel
        name: tab.newCategoryName
        onNameChanged: tab.newCategoryName = name
        onCreate: tab.createCategory()
        onCancel: {
            tab.newCategoryName = ""
            tab.showingAddCategory = false
        }
        onClosed: tab.showingAddCategory = false
    }

    AlertSheet {
        id: deleteCategoryAlert
        objectName: "deleteCategoryAlert"
        title: qsTr("Categorie verwijderen?")
        message: tab.categoryToDelete !== "" ? qsTr("Weet je zeker dat je de categorie '%1' wilt verwijderen?").arg(tab.categoryToDelete) : ""
        confirmText: qsTr("Verwijder")
        destructive: true
        onConfirmed: {
            if (tab.categoryToDelete !== "")
                tab.selectedCategory = categoryModel.deleteCategory(tab.categoryToDelete, tab.selectedCategory)
            tab.categoryToDelete = ""
        }
        onCancelled: tab.categoryToDelete = ""
        onClosed: tab.showDeleteCategoryConfirmation = false
    }

    MoveStationConfirmationSheet {
        id: moveSheet
        objectName: "moveSheet"
        stationName: dropState.pendingStationName
        targetCategory: dropState.pendingTargetCategory
        dontAskAgain: dropState.dontAskAgain
        onDontAskAgainChanged: dropState.dontAskAgain = dontAskAgain
        onConfirm: dropState.confirmMove()
        onCancel: dropState.cancelMove()
    }
}
